#include "effects/control/Picture.h"

#include <utility>

namespace qv {

qv::Bitmap &TPicture::Bitmap() {
  if (holds_ != Holds::Bitmap) {
    graphic_ = QImage();
    kind_.clear();
    bitmap_ = qv::Bitmap();
    holds_ = Holds::Bitmap;
  }
  return bitmap_;
}

void TPicture::Assign(const qv::Bitmap &bitmap) {
  Bitmap() = bitmap;
  Changed();
}

void TPicture::Assign(qv::Bitmap &&bitmap) {
  Bitmap() = std::move(bitmap);
  Changed();
}

void TPicture::SetGraphic(const QImage &image, const QString &kind) {
  bitmap_ = qv::Bitmap();
  graphic_ = image;
  kind_ = kind;
  holds_ = Holds::OtherGraphic;
  Changed();
}

QImage TPicture::View() const {
  switch (holds_) {
    case Holds::Bitmap:
      if (bitmap_.Empty()) return QImage();
      return QImage(bitmap_.Bits(), bitmap_.Width(), bitmap_.Height(),
                    qsizetype(bitmap_.RowBytes()), QImage::Format_BGR888);
    case Holds::OtherGraphic:
      return graphic_;
    case Holds::Nothing:
      break;
  }
  return QImage();
}

}  // namespace qv
