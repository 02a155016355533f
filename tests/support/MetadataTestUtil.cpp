#include "MetadataTestUtil.h"

#include <exiv2/exiv2.hpp>

#include "codecs/Metadata.h"
#include "fuzz/SampleFiles.h"

namespace qv::test {

MetadataSeen ReadBackMetadata(const Bytes &jpeg) {
  PrepareExiv2();
  MetadataSeen seen;
  auto image = Exiv2::ImageFactory::open(jpeg.data(), long(jpeg.size()));
  image->readMetadata();
  const Exiv2::ExifData &exif = image->exifData();
  auto text = [&](const char *key) {
    const auto it = exif.findKey(Exiv2::ExifKey(key));
    return it == exif.end() ? std::string() : it->toString();
  };
  auto number = [&](const char *key) {
    const auto it = exif.findKey(Exiv2::ExifKey(key));
    return it == exif.end() ? 0L : it->toLong();
  };
  seen.Make = text("Exif.Image.Make");
  seen.DateTaken = text("Exif.Photo.DateTimeOriginal");
  seen.GpsLatitude = text("Exif.GPSInfo.GPSLatitude");
  seen.Artist = text("Exif.Image.Artist");
  seen.Orientation = number("Exif.Image.Orientation");
  seen.PixelWidth = number("Exif.Photo.PixelXDimension");
  seen.PixelHeight = number("Exif.Photo.PixelYDimension");
  seen.ExifThumbnail = Exiv2::ExifThumbC(exif).copy().size_ > 0;

  Exiv2::XmpData &xmp = image->xmpData();
  if (const auto it = xmp.findKey(Exiv2::XmpKey("Xmp.dc.creator")); it != xmp.end())
    seen.XmpCreator = it->toString(0);
  if (const auto it = xmp.findKey(Exiv2::XmpKey("Xmp.tiff.Orientation")); it != xmp.end())
    seen.XmpOrientation = it->toLong();
  for (const Exiv2::Xmpdatum &d : xmp)
    seen.XmpThumbnail = seen.XmpThumbnail || d.key().rfind("Xmp.xmp.Thumbnails", 0) == 0;

  const Exiv2::IptcData &iptc = image->iptcData();
  if (const auto it = iptc.findKey(Exiv2::IptcKey("Iptc.Application2.Keywords")); it != iptc.end())
    seen.IptcKeyword = it->toString();
  seen.Comment = image->comment();
  if (const Exiv2::DataBuf *icc = image->iccProfile(); icc && icc->size_ > 0)
    seen.Icc.assign(icc->pData_, icc->pData_ + icc->size_);

  // The Photoshop thumbnail is looked for in the APP13 segments ourselves.
  const std::string_view all(reinterpret_cast<const char *>(jpeg.data()), jpeg.size());
  seen.PhotoshopThumbnail = all.find(std::string_view("8BIM\x04\x0C", 6)) != all.npos;
  return seen;
}

Metadata CameraMetadata(int orientation) {
  return samples::CameraMetadata(orientation, 150'000, 100'000);
}

Bytes JpegWith(const Bitmap &picture, const Metadata &meta) {
  return EncodeJpeg(picture, 90, meta);
}

}  // namespace qv::test
