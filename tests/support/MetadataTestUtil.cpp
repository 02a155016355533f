#include "MetadataTestUtil.h"

#include <exiv2/exiv2.hpp>

#include <algorithm>
#include <cstring>

#include "codecs/Metadata.h"

namespace qv::test {

namespace {

constexpr const char *kGuid = "0123456789ABCDEF0123456789ABCDEF";

void PutBigEndian(Bytes &b, std::size_t at, std::uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) b[at + std::size_t(i)] = std::uint8_t(v >> (8 * (bytes - 1 - i)));
}

// Signature, id, an empty name padded to two bytes, size, data, padding.
Bytes PhotoshopResource(std::uint16_t id, const Bytes &data) {
  Bytes r(12 + data.size() + (data.size() & 1), 0);
  std::memcpy(r.data(), "8BIM", 4);
  PutBigEndian(r, 4, id, 2);
  PutBigEndian(r, 8, std::uint32_t(data.size()), 4);
  std::copy(data.begin(), data.end(), r.begin() + 12);
  return r;
}

}  // namespace

Bytes FakeIccProfile(std::size_t size) {
  Bytes icc(size, 0x5A);
  std::memset(icc.data(), 0, 132);
  PutBigEndian(icc, 0, std::uint32_t(size), 4);
  std::memcpy(&icc[16], "RGB ", 4);
  std::memcpy(&icc[20], "XYZ ", 4);
  std::memcpy(&icc[36], "acsp", 4);
  return icc;
}

Metadata CameraMetadata(int orientation) {
  PrepareExiv2();
  Exiv2::XmpProperties::registerNs("http://ns.adobe.com/xmp/note/", "xmpNote");
  Metadata meta;
  Exiv2::ExifData exif;
  exif["Exif.Image.Make"] = "Quorvane Test Camera";
  exif["Exif.Image.Orientation"] = std::uint16_t(orientation);
  exif["Exif.Image.Artist"] = "Ann Example";
  exif["Exif.Image.Copyright"] = "(c) Ann Example";
  exif["Exif.Photo.DateTimeOriginal"] = "2024:05:06 07:08:09";
  exif["Exif.Photo.PixelXDimension"] = std::uint32_t(0);
  exif["Exif.Photo.PixelYDimension"] = std::uint32_t(0);
  exif["Exif.GPSInfo.GPSLatitudeRef"] = "N";
  Exiv2::URationalValue latitude;
  latitude.read("48/1 6/1 0/1");
  exif.add(Exiv2::ExifKey("Exif.GPSInfo.GPSLatitude"), &latitude);
  const Bytes thumb = EncodeJpeg(Bitmap(8, 8));
  Exiv2::ExifThumb(exif).setJpegThumbnail(thumb.data(), long(thumb.size()));
  Exiv2::Blob blob;
  Exiv2::ExifParser::encode(blob, Exiv2::littleEndian, exif);
  meta.Exif.assign(blob.begin(), blob.end());

  Exiv2::XmpData xmp;
  xmp["Xmp.dc.creator"] = "Ann Example";
  xmp["Xmp.tiff.Orientation"] = std::to_string(orientation);
  xmp["Xmp.xmpNote.HasExtendedXMP"] = kGuid;
  Exiv2::XmpTextValue thumbnails;
  thumbnails.setXmpArrayType(Exiv2::XmpValue::xaAlt);
  xmp.add(Exiv2::XmpKey("Xmp.xmp.Thumbnails"), &thumbnails);
  xmp["Xmp.xmp.Thumbnails[1]/xmpGImg:image"] = "/9j/4AAQSkZJRgABAQ==";
  std::string packet;
  Exiv2::XmpParser::encode(packet, xmp);
  meta.Xmp.assign(packet.begin(), packet.end());
  meta.ExtendedXmp.assign(100'000, 'x');
  meta.ExtendedXmpGuid = kGuid;

  Exiv2::IptcData iptc;
  iptc["Iptc.Application2.Keywords"] = "beach";
  const Exiv2::DataBuf record = Exiv2::IptcParser::encode(iptc);
  meta.Photoshop = PhotoshopResource(0x0404, Bytes(record.pData_, record.pData_ + record.size_));
  const Bytes irbThumb = PhotoshopResource(0x040C, Bytes(40, 7));
  meta.Photoshop.insert(meta.Photoshop.end(), irbThumb.begin(), irbThumb.end());

  meta.Icc = FakeIccProfile(150'000);
  meta.Comments = {"taken by the test"};
  return meta;
}

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

Bytes JpegWith(const Bitmap &picture, const Metadata &meta) {
  return EncodeJpeg(picture, 90, meta);
}

}  // namespace qv::test
