#include "preview/EffectDispatch.h"

#include <optional>

#include <QCoreApplication>
#include <QPushButton>

#include "browser/CategoryButtons.h"
#include "kernels/Categories.h"
#include "kernels/Recipes.h"
#include "preview/UnitPreview.h"
#include "widgets/Image.h"
#include "widgets/TFlatPanelUnit.h"

namespace qv {

namespace {

// Categories that leave "Change Color" alone when chosen let each effect
// decide once it is rendered: offered where its recipe asks for a colour.
std::optional<bool> ChangeColorOffered(int category, int n) {
  const CategoryButton *button = CategoryButtonOf(category);
  if (!button || button->ChangeColor != ChangeColorOnChoice::Keep) return std::nullopt;
  return OffersChangeColor(category, n);
}

}  // namespace

void ShowPreview(TFormPreview &dialog, const Bitmap &work) {
  // Shown first: the outer width counts the window frame, which is known
  // only once the dialog is on screen. Nothing paints before the layout.
  dialog.show();
  dialog.raise();
  dialog.activateWindow();
  const int panelWidth = dialog.frameGeometry().width() - 23;
  dialog.Panel1->resize(panelWidth, dialog.Panel1->height());
  const int height = dialog.Panel1->height() - 3;
  // A picture without rows cannot come from Open; keep the layout defined.
  const int width = work.Height() > 0 ? work.Width() * height / work.Height() : 0;
  dialog.ImgPreview->setGeometry((panelWidth - width) / 2, dialog.ImgPreview->y(), width, height);
}

void DispatchEffect(TFormPreview &dialog, int n, int category, const Bitmap &work, Bitmap &result,
                    const KernelEnv &env) {
  dialog.BeginRender();
  ShowPreview(dialog, work);
  // The render holds the thread; let the notice be painted first.
  QCoreApplication::processEvents();
  try {
    if (HasFullSizeRender(category))
      RenderRecipe(category, n, work, result, env, RenderSize::FullSize);
  } catch (...) {
    dialog.RenderFailed();
    throw;
  }
  dialog.ShowRender(result);
  if (const auto offered = ChangeColorOffered(category, n)) dialog.BtnColor->setVisible(*offered);
}

}  // namespace qv
