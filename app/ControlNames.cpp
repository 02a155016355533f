#include "app/ControlNames.h"

#include <algorithm>
#include <tuple>
#include <vector>

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

#include "app/Unit1.h"
#include "widgets/AccessibleText.h"
#include "widgets/Image.h"
#include "widgets/ImgBtn.h"
#include "widgets/SplitHandle.h"
#include "widgets/TFlatPanelUnit.h"

namespace qv {

namespace {

void Name(QWidget *control, const char *name, const char *description) {
  SetAccessibleText(control, "MainWindow", name, description);
}

}  // namespace

void NameMainControls(TFormMain &f) {
  Name(f.FlatPanel4, QT_TRANSLATE_NOOP("MainWindow", "Categories"),
       QT_TRANSLATE_NOOP("MainWindow", "The effect categories"));
  Name(f.FlatPanel1, QT_TRANSLATE_NOOP("MainWindow", "Tools"),
       QT_TRANSLATE_NOOP("MainWindow", "Undo, Redo, Open, Save, Help, Looks and Batch"));
  Name(f.FlatPanel3, QT_TRANSLATE_NOOP("MainWindow", "Display"),
       QT_TRANSLATE_NOOP("MainWindow", "The picture being edited"));
  Name(f.FlatPanel2, QT_TRANSLATE_NOOP("MainWindow", "Effects"),
       QT_TRANSLATE_NOOP("MainWindow", "The ten effects of the category chosen"));
  Name(f.Splitter, QT_TRANSLATE_NOOP("MainWindow", "Strip size"),
       QT_TRANSLATE_NOOP("MainWindow",
                         "Drag to share the height between the display and the strip"));
  Name(f.BtnUndo, QT_TRANSLATE_NOOP("MainWindow", "Undo"),
       QT_TRANSLATE_NOOP("MainWindow", "Takes the last step back"));
  Name(f.BtnRedo, QT_TRANSLATE_NOOP("MainWindow", "Redo"),
       QT_TRANSLATE_NOOP("MainWindow", "Takes the step undone last again"));
  Name(f.BtnHistory, QT_TRANSLATE_NOOP("MainWindow", "History"),
       QT_TRANSLATE_NOOP("MainWindow", "Every step by name, to go back to any of them"));
  Name(f.BtnOpen, nullptr, QT_TRANSLATE_NOOP("MainWindow", "Opens a picture"));
  Name(f.BtnRecent, QT_TRANSLATE_NOOP("MainWindow", "Open Recent"),
       QT_TRANSLATE_NOOP("MainWindow", "The pictures opened or saved last"));
  Name(f.BtnSave, nullptr, QT_TRANSLATE_NOOP("MainWindow", "Saves the picture"));
  Name(f.BtnHelp, nullptr, QT_TRANSLATE_NOOP("MainWindow", "Opens the help page"));
  Name(f.BtnPreferences, QT_TRANSLATE_NOOP("MainWindow", "Preferences"),
       QT_TRANSLATE_NOOP("MainWindow", "Thumbnails, language, metadata and memory"));
  Name(f.ImgEffect, nullptr, QT_TRANSLATE_NOOP("MainWindow", "The picture being edited"));
  Name(f.LabelSaved, nullptr, QT_TRANSLATE_NOOP("MainWindow", "Where the picture was saved"));
  for (int n = 1; n <= TFormMain::kThumbCount; ++n)
    Name(f.Label[n], nullptr, QT_TRANSLATE_NOOP("MainWindow", "The number of the effect above"));
}

QString DisplayName(const QString &file, int width, int height) {
  return QCoreApplication::translate("MainWindow", "%1, %2 x %3 pixels")
      .arg(file)
      .arg(width)
      .arg(height);
}

void FollowTheScreen(TFormMain &f) {
  // Where a control lies: its column (categories, tools, display, strip),
  // then top down and left to right; the thumbnails by their numbers.
  auto place = [&f](QWidget *w) {
    const QPoint at = w->mapTo(&f, QPoint(0, 0));
    for (int n = 1; n <= TFormMain::kThumbCount; ++n)
      if (w == f.ImgView[n]) return std::tuple(3, n, 0);
    if (f.FlatPanel4->isAncestorOf(w)) return std::tuple(0, at.y(), at.x());
    if (f.FlatPanel3->isAncestorOf(w)) return std::tuple(2, at.y(), at.x());
    if (f.FlatPanel2->isAncestorOf(w)) return std::tuple(3, 100 + at.y(), at.x());
    return std::tuple(1, at.y(), at.x());
  };
  std::vector<QWidget *> controls;
  for (QWidget *w : f.findChildren<QWidget *>()) {
    if (w->window() != &f || w->focusPolicy() == Qt::NoFocus) continue;
    controls.push_back(w);
  }
  std::stable_sort(controls.begin(), controls.end(),
                   [&place](QWidget *a, QWidget *b) { return place(a) < place(b); });
  for (std::size_t i = 1; i < controls.size(); ++i)
    QWidget::setTabOrder(controls[i - 1], controls[i]);
}

}  // namespace qv
