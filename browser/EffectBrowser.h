#pragma once

#include <array>
#include <exception>
#include <functional>
#include <string>

#include "browser/CategoryButtons.h"
#include "gfx/Bitmap.h"
#include "gfx/PictureRef.h"
#include "kernels/Categories.h"

class QLabel;
class QWidget;

namespace qv {

class RenderWorker;
class TImage;

// The thumbnail controls: panel FlatPanel2 with ImgView and Label indexed 1
// to 10, like their names.
struct ThumbnailStrip {
  QWidget *Panel = nullptr;
  std::array<TImage *, kThumbnailCount + 1> ImgView{};
  std::array<QLabel *, kThumbnailCount + 1> Label{};
};

// The pictures and the choice the strip shares with the main window.
struct BrowserState {
  const PictureRef &WorkBitmap;
  Bitmap &ThumbBitmap;
  PictureRef &ResultBitmap;
  int &CurrentCategory;
};

// Shows the message of a failure (the window's guard).
using FailureReport = std::function<void(std::exception_ptr error)>;

// The category column's work: choosing a category renders its ten effects
// on the picture squeezed to a thumbnail and shows them in the strip, and
// sets whether the preview dialog offers "Change Color".
class EffectBrowser {
 public:
  // appDir: the folder holding pic/. changeColor: the preview dialog's
  // "Change Color" button. The thumbnails are rendered on `worker`.
  EffectBrowser(BrowserState state, ThumbnailStrip strip, QWidget *changeColor, std::string appDir,
                RenderWorker &worker, FailureReport report);

  // The click of a category button. The id is stored first and the picture
  // squeezed; the ten thumbnails are then rendered on the worker (from a
  // copy of the squeezed picture, into bitmaps of its own) and each is
  // handed to ResultBitmap and its control as it is done (Art's all
  // together), so a failing asset leaves the thumbnails before it showing
  // the new category and the rest as they were. A render running before is
  // cancelled.
  void CategoryClick(int id);

  // WorkBitmap stretched into ThumbBitmap, shape not kept, pixels picked.
  void ShrinkToThumb();
  // Copies ResultBitmap into thumbnail n, shows it and its number, and
  // repaints the strip at once so each thumbnail appears as it is rendered.
  void ShowThumbnail(int n);

 private:
  void PutThumbnail(int n);
  void ApplyChangeColorRule(ChangeColorOnChoice rule, bool afterStrip);

  BrowserState state_;
  ThumbnailStrip strip_;
  QWidget *changeColor_;
  std::string appDir_;
  RenderWorker &worker_;
  FailureReport report_;
};

}  // namespace qv
