#include "MetadataTestUtil.h"

#include <exiv2/exiv2.hpp>

#include "ChildProcess.h"
#include "CodecTestUtil.h"
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

Metadata CanonMetadata() {
  PrepareExiv2();
  Metadata meta;
  Exiv2::ExifData exif;
  exif["Exif.Image.Make"] = "Canon";
  exif["Exif.Image.Model"] = "Canon EOS 5D";
  exif["Exif.Photo.DateTimeOriginal"] = "2024:05:06 07:08:09";
  exif["Exif.Canon.OwnerName"] = "Ann Example";
  exif["Exif.Canon.ImageType"] = "Canon EOS 5D";
  exif["Exif.Canon.FirmwareVersion"] = "Firmware 1.1.1";
  exif["Exif.Canon.SerialNumber"] = std::uint32_t(12345678);
  std::string values = "90 2 0 4";
  for (int i = 0; i < 41; ++i) values += " 0";
  Exiv2::UShortValue settings;
  settings.read(values);
  exif.add(Exiv2::ExifKey("Exif.Canon.CameraSettings"), &settings);
  Exiv2::Blob blob;
  Exiv2::ExifParser::encode(blob, Exiv2::littleEndian, exif);
  meta.Exif.assign(blob.begin(), blob.end());

  const std::string guid = "0123456789ABCDEF0123456789ABCDEF";
  Exiv2::XmpData xmp, extended;
  xmp["Xmp.dc.creator"] = "Ann Example";
  xmp["Xmp.xmpNote.HasExtendedXMP"] = guid;
  extended["Xmp.dc.description"] = "kept in the extended packet";
  std::string packet, more;
  Exiv2::XmpParser::encode(packet, xmp);
  Exiv2::XmpParser::encode(more, extended);
  meta.Xmp.assign(packet.begin(), packet.end());
  meta.ExtendedXmp.assign(more.begin(), more.end());
  meta.ExtendedXmpGuid = guid;
  return meta;
}

std::string Exiftool(const Bytes &file, const std::string &extension,
                     const std::vector<std::string> &arguments) {
  TempFolder folder;
  const std::string path = folder / ("file." + extension);
  WriteFileBytes(path, file);
  std::vector<std::string> argv = {"/usr/bin/exiftool"};
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  argv.push_back(path);
  return RunChild(argv).Out;
}

}  // namespace qv::test
