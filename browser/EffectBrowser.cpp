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
  if (!category) return;
  state_.CurrentCategory = id;
  ApplyChangeColorRule(category->ChangeColor, false);
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
  ApplyChangeColorRule(category->ChangeColor, true);
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

void EffectBrowser::ApplyChangeColorRule(ChangeColorRule rule, bool afterStrip) {
  switch (rule) {
    case ChangeColorRule::ShowBeforeStrip:
      if (!afterStrip) changeColor_->show();
      return;
    case ChangeColorRule::HideBeforeStrip:
      if (!afterStrip) changeColor_->hide();
      return;
    case ChangeColorRule::ShowAfterStrip:
      if (afterStrip) changeColor_->show();
      return;
    case ChangeColorRule::HideAfterStrip:
      if (afterStrip) changeColor_->hide();
      return;
    case ChangeColorRule::Keep:
      return;
  }
}

}  // namespace qv
