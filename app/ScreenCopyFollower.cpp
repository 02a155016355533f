#include "app/ScreenCopyFollower.h"

#include "widgets/ScreenCopy.h"

namespace qv {

void ScreenCopyFollower::Started(const Bitmap &picture) {
  const QSize size = ScreenCopy::ReducedSize(picture.Width(), picture.Height(), screenHeight_);
  if (size.isEmpty()) return;
  copy_ = QImage(size, QImage::Format_RGB32);
  if (copy_.isNull()) return;  // no memory for it: the display tries later
  reduction_ = std::make_unique<FollowingReduction>(
      PixelsOf(picture), picture.Width(), picture.Height(), size.width(), size.height(),
      copy_.bits(), std::size_t(copy_.bytesPerLine()));
}

void ScreenCopyFollower::RowsDone(int rows) {
  if (reduction_) reduction_->RowsMade(rows);
}

void ScreenCopyFollower::Ended(bool complete) noexcept {
  if (!reduction_) return;
  if (complete) {
    try {
      reduction_->Finish();
    } catch (...) {
      complete = false;
    }
  }
  reduction_.reset();
  if (!complete) copy_ = QImage();
}

}  // namespace qv
