#pragma once

// The strip of ten numbered thumbnails in FlatPanel2: ImgView1 to ImgView10
// with their labels Label1 to Label10, placed in two rows of five.

#include <array>
#include <functional>

#include "gfx/PictureRef.h"
#include "kernels/Categories.h"

class QLabel;
class QString;
class QWidget;

namespace qv {

class TImage;

struct ThumbnailStrip {
  QWidget *Panel = nullptr;
  // Indexed 1 to 10, like their names.
  std::array<TImage *, kThumbnailCount + 1> ImgView{};
  std::array<QLabel *, kThumbnailCount + 1> Label{};

  // Puts the picture into thumbnail n and shows it with its number; with
  // paintNow the strip repaints at once, so each thumbnail appears as it is
  // rendered.
  void Show(int n, PictureRef picture, bool paintNow);
  // Hides the thumbnails, then their numbers.
  void HideAll();
  bool AllHidden() const;
};

// Makes the ten thumbnails and their labels in `panel`, all hidden; a click
// on thumbnail n runs click(n).
ThumbnailStrip MakeThumbnailStrip(QWidget *panel, const QString &hint,
                                  const std::function<void(int n)> &click);

}  // namespace qv
