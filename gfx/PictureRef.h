#pragma once

#include <memory>
#include <utility>

#include "gfx/Bitmap.h"

namespace qv {

// A picture that several owners share and none changes: the working
// picture, the steps of the history, the display and the preview hold the
// same pixels rather than copies of them. Whoever wants other pixels makes
// a new bitmap and shares that.
using PictureRef = std::shared_ptr<const Bitmap>;

// Moves a finished bitmap into a handle (no pixels are copied).
inline PictureRef Share(Bitmap &&picture) {
  return std::make_shared<const Bitmap>(std::move(picture));
}

// A copy of the pixels behind a handle, for the rare owner that has to
// change them (and the brush, which the copy of a Bitmap does not carry).
inline PictureRef ShareCopy(const Bitmap &picture) {
  auto copy = std::make_shared<Bitmap>(picture);
  copy->SetBrushColor(picture.BrushColor());
  return copy;
}

}  // namespace qv
