// EXIF through libexiv2: read for its orientation, checked, and rewritten
// for a saved picture.

#include <exiv2/exiv2.hpp>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <exception>

#include "codecs/Metadata.h"

namespace qv {

namespace {

constexpr std::size_t kMaxExifBytes = 65533 - 6;  // one APP1 segment after "Exif\0\0"

bool HasTiffHead(const Bytes &exif) {
  return exif.size() >= 8 &&
         (std::memcmp(exif.data(), "II*\0", 4) == 0 || std::memcmp(exif.data(), "MM\0*", 4) == 0);
}

// A first directory that lies inside the block and holds no entries: some
// editors write one when they keep no tags. It is well formed, not damaged.
bool HasEmptyFirstDirectory(const Bytes &exif) {
  const bool little = exif[0] == 'I';
  auto read = [&](std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = 0; i < bytes; ++i)
      v |= std::uint32_t(exif[at + std::size_t(i)]) << (8 * (little ? i : bytes - 1 - i));
    return v;
  };
  const std::uint32_t first = read(4, 4);
  return first >= 8 && std::size_t(first) + 2 <= exif.size() && read(first, 2) == 0;
}

// The decoded tags, or false when libexiv2 cannot read the block (it gives
// no tags for a damaged one).
bool Decode(const Bytes &exif, Exiv2::ExifData &data, Exiv2::ByteOrder &order) {
  if (!HasTiffHead(exif) || exif.size() > kMaxExifBytes) return false;
  PrepareExiv2();
  try {
    order = Exiv2::ExifParser::decode(data, exif.data(), std::uint32_t(exif.size()));
    return !data.empty() || HasEmptyFirstDirectory(exif);
  } catch (const std::exception &) {
    return false;
  }
}

void SetIfPresent(Exiv2::ExifData &data, const char *key, std::uint32_t value) {
  const auto it = data.findKey(Exiv2::ExifKey(key));
  if (it != data.end()) it->setValue(std::to_string(value));
}

// Tags that describe the picture rather than the layout of the file that
// holds it: those of a TIFF file's first directory that move to or from a
// block of their own, besides the EXIF, GPS and interoperability groups and
// the camera's maker notes. libexiv2 writes the maker notes it knows anew
// wherever they land, so that their offsets (which count from the start of
// the TIFF structure, the file's start in a TIFF file) stay right.
bool CameraTag(const Exiv2::Exifdatum &datum) {
  static const char *const kImageTags[] = {"Make",     "Model",  "Software",
                                           "DateTime", "Artist", "Copyright"};
  const std::string group = datum.groupName();
  if (group == "Photo" || group == "GPSInfo" || group == "Iop") return true;
  if (Exiv2::ExifTags::isMakerGroup(group)) return true;
  if (group != "Image") return false;
  for (const char *tag : kImageTags)
    if (datum.tagName() == tag) return true;
  return false;
}

}  // namespace

Bytes ExifFromTiff(std::span<const std::uint8_t> tiff) {
  PrepareExiv2();
  try {
    Exiv2::ExifData all;
    Exiv2::IptcData iptc;
    Exiv2::XmpData xmp;
    const Exiv2::ByteOrder order = Exiv2::TiffParser::decode(
        all, iptc, xmp, tiff.data(), std::uint32_t(std::min<std::size_t>(tiff.size(), UINT32_MAX)));
    Exiv2::ExifData camera;
    for (const Exiv2::Exifdatum &datum : all)
      if (CameraTag(datum) && datum.groupName() != "Image") camera.add(datum);
    if (camera.empty()) return {};
    for (const Exiv2::Exifdatum &datum : all)
      if (CameraTag(datum) && datum.groupName() == "Image") camera.add(datum);
    Exiv2::Blob blob;
    Exiv2::ExifParser::encode(blob, order, camera);
    Bytes out(blob.begin(), blob.end());
    return HasTiffHead(out) && out.size() <= kMaxExifBytes ? out : Bytes();
  } catch (const std::exception &) {
    return {};
  }
}

Bytes ExifIntoTiff(const Bytes &tiff, const Bytes &exif) {
  Exiv2::ExifData camera;
  Exiv2::ByteOrder order;
  if (!Decode(exif, camera, order)) return tiff;
  try {
    const auto image = Exiv2::ImageFactory::open(tiff.data(), long(tiff.size()));
    image->readMetadata();
    // The XMP packet and the Photoshop resources stay as libtiff wrote them.
    image->writeXmpFromPacket(true);
    Exiv2::ExifData &data = image->exifData();
    for (const Exiv2::Exifdatum &datum : camera)
      if (CameraTag(datum)) data[datum.key()] = datum.value();
    image->writeMetadata();
    Exiv2::BasicIo &io = image->io();
    io.seek(0, Exiv2::BasicIo::beg);
    const Exiv2::DataBuf written = io.read(long(io.size()));
    return Bytes(written.pData_, written.pData_ + written.size_);
  } catch (const std::exception &) {
    return tiff;
  }
}

ExifVerdict CheckExif(Bytes &exif) {
  Exiv2::ExifData data;
  Exiv2::ByteOrder order;
  {
    const Exiv2Complaints complaints;
    if (!Decode(exif, data, order)) return ExifVerdict::Damaged;
    if (!complaints.Any()) return ExifVerdict::Sound;
  }
  // Laid out anew: every pointer then lies inside the block and leads
  // somewhere new. What libexiv2 cannot write back is left out with it.
  try {
    Exiv2::Blob blob;
    Exiv2::ExifParser::encode(blob, order, data);
    Bytes fresh(blob.begin(), blob.end());
    const Exiv2Complaints complaints;
    Exiv2::ExifData check;
    if (!Decode(fresh, check, order) || complaints.Any()) return ExifVerdict::Damaged;
    exif = std::move(fresh);
    return ExifVerdict::Repaired;
  } catch (const std::exception &) {
    return ExifVerdict::Damaged;
  }
}

int ExifOrientation(const Bytes &exif) {
  Exiv2::ExifData data;
  Exiv2::ByteOrder order;
  if (exif.empty() || !Decode(exif, data, order)) return 1;
  try {
    const auto it = data.findKey(Exiv2::ExifKey("Exif.Image.Orientation"));
    if (it == data.end() || it->count() == 0) return 1;
    const long value = it->toLong(0);
    return value >= 1 && value <= 8 ? int(value) : 1;
  } catch (const std::exception &) {
    return 1;
  }
}

Bytes ExifForOutput(const Bytes &exif, int width, int height) {
  Exiv2::ExifData data;
  Exiv2::ByteOrder order;
  if (!Decode(exif, data, order)) return {};
  try {
    SetIfPresent(data, "Exif.Image.Orientation", 1);
    SetIfPresent(data, "Exif.Photo.PixelXDimension", std::uint32_t(width));
    SetIfPresent(data, "Exif.Photo.PixelYDimension", std::uint32_t(height));
    SetIfPresent(data, "Exif.Image.ImageWidth", std::uint32_t(width));
    SetIfPresent(data, "Exif.Image.ImageLength", std::uint32_t(height));
    Exiv2::ExifThumb(data).erase();
    // Written in place where the values still fit, else anew into blob.
    Bytes out = exif;
    Exiv2::Blob blob;
    if (Exiv2::ExifParser::encode(blob, out.data(), std::uint32_t(out.size()), order, data) ==
        Exiv2::wmIntrusive)
      out.assign(blob.begin(), blob.end());
    return HasTiffHead(out) && out.size() <= kMaxExifBytes ? out : Bytes();
  } catch (const std::exception &) {
    return {};
  }
}

}  // namespace qv
