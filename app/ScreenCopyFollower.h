#pragma once

#include <QImage>
#include <memory>

#include "codecs/Picture.h"
#include "gfx/ReduceByArea.h"

namespace qv {

// Makes the display's screen copy of a picture being opened while it is
// decoded, on the other core, so that the picture is ready to be shown when
// the decode ends instead of being read again for its copy. Pictures the
// decoder does not let it follow get no copy here; the display then makes
// its own.
class ScreenCopyFollower : public DecodeFollower {
 public:
  // For a screen screenHeight device pixels high (TImage::ScreenCopyHeight).
  explicit ScreenCopyFollower(int screenHeight) : screenHeight_(screenHeight) {}

  void Started(const Bitmap &picture) override;
  void RowsDone(int rows) override;
  void Ended(bool complete) noexcept override;

  // The copy, once the decode has returned: null when none was made.
  QImage Take() { return std::move(copy_); }

 private:
  int screenHeight_;
  QImage copy_;
  std::unique_ptr<FollowingReduction> reduction_;
};

}  // namespace qv
