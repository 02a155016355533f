#include "widgets/DisplayColor.h"

#include <QByteArray>

#include "widgets/BitmapImage.h"

namespace qv {

QColorSpace DisplaySpaceOf(std::span<const std::uint8_t> icc) {
  if (icc.empty()) return {};
  const QColorSpace space = QColorSpace::fromIccProfile(
      QByteArray(reinterpret_cast<const char *>(icc.data()), qsizetype(icc.size())));
  return NeedsDisplayConversion(space) ? space : QColorSpace();
}

bool NeedsDisplayConversion(const QColorSpace &space) {
  return space.isValid() && space != QColorSpace(QColorSpace::SRgb);
}

QImage DisplayImage(const QImage &image, const QColorSpace &space) {
  if (image.isNull() || !NeedsDisplayConversion(space)) return image;
  QImage converted = image.convertToFormat(QImage::Format_RGB32);
  converted.setColorSpace(space);
  converted.convertToColorSpace(QColorSpace::SRgb);
  return converted;
}

QImage DisplayImage(const Bitmap &bitmap, const QColorSpace &space, QSize size) {
  QImage image = WrapAsQImage(bitmap);
  if (image.isNull()) return image;
  if (!size.isEmpty() && size != image.size())
    image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  // DisplayImage copies the wrapped bytes, so the result outlives bitmap.
  return NeedsDisplayConversion(space) ? DisplayImage(image, space) : image.copy();
}

}  // namespace qv
