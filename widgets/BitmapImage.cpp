#include "widgets/BitmapImage.h"

#include <cstring>

namespace qv {

QImage WrapAsQImage(const Bitmap &bitmap) {
  if (bitmap.Empty()) return {};
  return QImage(bitmap.Bits(), bitmap.Width(), bitmap.Height(), qsizetype(bitmap.RowBytes()),
                QImage::Format_BGR888);
}

QImage ToQImage(const Bitmap &bitmap) {
  return WrapAsQImage(bitmap).copy();
}

Bitmap FromQImage(const QImage &image) {
  if (image.isNull()) return {};
  // QImage rows are padded to 4 bytes; Bitmap rows are not.
  const QImage bgr = image.convertToFormat(QImage::Format_BGR888);
  Bitmap bitmap;
  bitmap.Recreate(bgr.width(), bgr.height());
  for (int y = 0; y < bgr.height(); ++y)
    std::memcpy(bitmap.ScanLine(y), bgr.constScanLine(y), bitmap.RowBytes());
  return bitmap;
}

}  // namespace qv
