#include "browser/EffectBrowser.h"

#include <memory>
#include <utility>
#include <vector>

#include <QLabel>
#include <QWidget>

#include "gfx/RunControl.h"
#include "kernels/KernelEnv.h"
#include "kernels/Recipes.h"
#include "widgets/Image.h"
#include "worker/RenderWorker.h"

namespace qv {

EffectBrowser::EffectBrowser(BrowserState state, ThumbnailStrip strip, QWidget *changeColor,
                             std::string appDir, RenderWorker &worker, FailureReport report)
    : state_(state),
      strip_(strip),
      changeColor_(changeColor),
      appDir_(std::move(appDir)),
      worker_(worker),
      report_(std::move(report)) {}

void EffectBrowser::CategoryClick(int id) {
  const Category *category = FindCategory(id);
  const CategoryButton *button = CategoryButtonOf(id);
  if (!category || !button) return;
  state_.CurrentCategory = id;
  ApplyChangeColorRule(button->ChangeColor, false);
  ShrinkToThumb();

  // The job's own copies: the squeezed picture and a result bitmap with the
  // brush of the shared one, which the recipes fall back on.
  auto thumb = std::make_shared<const Bitmap>(state_.ThumbBitmap);
  const TColor brush = state_.ResultBitmap->BrushColor();
  const bool together = category->Strip == StripKind::Art;
  const ChangeColorOnChoice rule = button->ChangeColor;
  worker_.Start(
      [this, id, thumb, brush, together](const RunControl &control) {
        // No colour prompt: the strip always renders the effects' own colours.
        KernelEnv env(appDir_);
        env.Control = control;
        Bitmap result;
        result.SetBrushColor(brush);
        // Art's thumbnails appear together when the window next paints,
        // also those done before a failure.
        std::vector<PictureRef> art;
        auto showArt = [this, &art] {
          auto done = std::make_shared<const std::vector<PictureRef>>(std::move(art));
          worker_.Deliver([this, done] {
            for (std::size_t i = 0; i < done->size(); ++i) {
              state_.ResultBitmap = (*done)[i];
              PutThumbnail(int(i) + 1);
            }
          });
        };
        for (int n = 1; n <= kThumbnailCount; ++n) {
          const ProgressSpan part(n - 1, kThumbnailCount);
          try {
            RenderRecipe(id, n, *thumb, result, env, RenderSize::Thumbnail);
          } catch (const Cancelled &) {
            throw;
          } catch (...) {
            if (together) showArt();
            throw;
          }
          // The brush goes with each thumbnail, as if it had been rendered in
          // the window's result bitmap.
          PictureRef done = ShareCopy(result);
          if (together) {
            art.push_back(std::move(done));
            continue;
          }
          worker_.Deliver([this, done, n] {
            state_.ResultBitmap = done;
            ShowThumbnail(n);
          });
        }
        if (together) showArt();
      },
      [this, rule](std::exception_ptr error) {
        if (error) return report_(error);
        ApplyChangeColorRule(rule, true);
      });
}

void EffectBrowser::ShrinkToThumb() {
  Bitmap &thumb = state_.ThumbBitmap;
  thumb.StretchDraw({0, 0, thumb.Width(), thumb.Height()}, *state_.WorkBitmap);
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
