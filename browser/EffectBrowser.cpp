#include "browser/EffectBrowser.h"

#include <utility>

#include <QLabel>
#include <QWidget>

#include "kernels/KernelEnv.h"
#include "kernels/Recipes.h"
#include "widgets/Image.h"

namespace qv {

EffectBrowser::EffectBrowser(BrowserState state, ThumbnailStrip strip, QWidget *changeColor,
                             std::string appDir)
    : state_(state), strip_(strip), changeColor_(changeColor), appDir_(std::move(appDir)) {}

void EffectBrowser::CategoryClick(int id) {
  const Category *category = FindCategory(id);
  const CategoryButton *button = CategoryButtonOf(id);
  if (!category || !button) return;
  state_.CurrentCategory = id;
  ApplyChangeColorRule(button->ChangeColor, false);
  ShrinkToThumb();
  // No colour prompt: the strip always renders the effects' own colours.
  const KernelEnv env{appDir_, nullptr};
  for (int n = 1; n <= kThumbnailCount; ++n) {
    RenderRecipe(id, n, state_.ThumbBitmap, state_.ResultBitmap, env, RenderSize::Thumbnail);
    // Art's thumbnails appear together when the window next paints.
    if (category->Strip == StripKind::Art)
      PutThumbnail(n);
    else
      ShowThumbnail(n);
  }
  ApplyChangeColorRule(button->ChangeColor, true);
}

void EffectBrowser::ShrinkToThumb() {
  Bitmap &thumb = state_.ThumbBitmap;
  thumb.StretchDraw({0, 0, thumb.Width(), thumb.Height()}, state_.WorkBitmap);
}

void EffectBrowser::ShowThumbnail(int n) {
  PutThumbnail(n);
  strip_.Panel->repaint();
}

void EffectBrowser::PutThumbnail(int n) {
  strip_.ImgView[n]->SetPicture(state_.ResultBitmap);
  strip_.ImgView[n]->show();
  strip_.Label[n]->show();
}

void EffectBrowser::ApplyChangeColorRule(ChangeColorOnChoice rule, bool afterStrip) {
  switch (rule) {
    case ChangeColorOnChoice::ShowBeforeStrip:
      if (!afterStrip) changeColor_->show();
      return;
    case ChangeColorOnChoice::HideBeforeStrip:
      if (!afterStrip) changeColor_->hide();
      return;
    case ChangeColorOnChoice::ShowAfterStrip:
      if (afterStrip) changeColor_->show();
      return;
    case ChangeColorOnChoice::HideAfterStrip:
      if (afterStrip) changeColor_->hide();
      return;
    case ChangeColorOnChoice::Keep:
      return;
  }
}

}  // namespace qv
