#include "preview/PreviewNames.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>

#include "preview/MaskToolBar.h"
#include "preview/PreviewView.h"
#include "preview/UnitPreview.h"
#include "widgets/AccessibleText.h"
#include "widgets/TFlatPanelUnit.h"

namespace qv {

namespace {

void Name(QWidget *control, const char *name, const char *description) {
  SetAccessibleText(control, "Preview", name, description);
}

}  // namespace

void NamePreviewControls(TFormPreview &p) {
  Name(p.Panel1, QT_TRANSLATE_NOOP("Preview", "Preview"),
       QT_TRANSLATE_NOOP("Preview", "The effect on the whole picture"));
  Name(p.ImgPreview, QT_TRANSLATE_NOOP("Preview", "The picture with the effect"),
       QT_TRANSLATE_NOOP(
           "Preview",
           "Zoom with Ctrl+plus and Ctrl+minus, Ctrl+0 fits the picture, Ctrl+1 shows it at 100 %; "
           "hold Space for the picture without the effect"));
  Name(p.Label1, nullptr, QT_TRANSLATE_NOOP("Preview", "The effect is being rendered"));
  Name(p.Label2, nullptr, QT_TRANSLATE_NOOP("Preview", "The effect is being rendered"));
  Name(p.ProgressRender, QT_TRANSLATE_NOOP("Preview", "Render progress"),
       QT_TRANSLATE_NOOP("Preview", "How much of the effect has been rendered"));
  Name(p.BtnOriginal, nullptr,
       QT_TRANSLATE_NOOP("Preview", "Hold to see the picture without the effect"));
  Name(p.BtnSplit, nullptr, QT_TRANSLATE_NOOP("Preview", "Before and after side by side"));
  Name(p.BtnZoomOut, QT_TRANSLATE_NOOP("Preview", "Zoom out"),
       QT_TRANSLATE_NOOP("Preview", "Shows more of the picture, smaller"));
  Name(p.BtnZoomIn, QT_TRANSLATE_NOOP("Preview", "Zoom in"),
       QT_TRANSLATE_NOOP("Preview", "Shows the picture larger"));
  Name(p.BtnFit, QT_TRANSLATE_NOOP("Preview", "Fit"),
       QT_TRANSLATE_NOOP("Preview", "Shows the whole picture"));
  Name(p.BtnActual, QT_TRANSLATE_NOOP("Preview", "100 %"),
       QT_TRANSLATE_NOOP("Preview", "One picture pixel to a screen pixel"));
  Name(p.SliderStrength, QT_TRANSLATE_NOOP("Preview", "Strength"),
       QT_TRANSLATE_NOOP("Preview", "How much of the effect goes onto the picture, 0 to 100 %"));
  Name(p.LabelStrength, nullptr, QT_TRANSLATE_NOOP("Preview", "The strength Apply uses"));
  Name(p.MaskTools, QT_TRANSLATE_NOOP("Preview", "Mask tools"),
       QT_TRANSLATE_NOOP("Preview", "Where the effect goes: brush, eraser and gradients"));
  Name(p.BtnColor, nullptr,
       QT_TRANSLATE_NOOP("Preview", "Renders the effect again in colours you pick"));
  Name(p.BtnApply, nullptr,
       QT_TRANSLATE_NOOP("Preview", "Puts the effect onto the picture (Enter)"));
  Name(p.BtnCancel, nullptr,
       QT_TRANSLATE_NOOP("Preview", "Closes the preview and leaves the picture as it was (Esc)"));

  QWidget *order[] = {p.BtnOriginal, p.BtnSplit,       p.BtnZoomOut, p.BtnZoomIn, p.BtnFit,
                      p.BtnActual,   p.SliderStrength, p.BtnColor,   p.BtnApply,  p.BtnCancel};
  for (std::size_t i = 1; i < std::size(order); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

}  // namespace qv
