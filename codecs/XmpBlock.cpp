// XMP through libexiv2: checked, and for a saved picture rewritten where it
// speaks of the orientation, the size or a thumbnail. Only JPEG keeps an
// extended packet beside the main one; other formats get the two merged
// into one packet, without the note that there is an extended one.

#include <exiv2/exiv2.hpp>

#include <exception>
#include <string>

#include "codecs/Metadata.h"

namespace qv {

namespace {

constexpr std::size_t kMaxXmpBytes = 65533 - 29;  // one APP1 segment after its name
constexpr const char *kExtendedNote = "Xmp.xmpNote.HasExtendedXMP";

bool Decode(const Bytes &xmp, Exiv2::XmpData &data) {
  if (xmp.empty() || xmp.size() > kMaxMetadataBlockBytes) return false;
  PrepareExiv2();
  try {
    return Exiv2::XmpParser::decode(data, std::string(xmp.begin(), xmp.end())) == 0;
  } catch (const std::exception &) {
    return false;
  }
}

bool IsThumbnail(const std::string &key) {
  return key.rfind("Xmp.xmp.Thumbnails", 0) == 0 || key.rfind("Xmp.xapGImg.", 0) == 0;
}

}  // namespace

bool CheckXmp(const Bytes &xmp) {
  Exiv2::XmpData data;
  return Decode(xmp, data);
}

Bytes XmpForOutput(const Bytes &xmp, int width, int height, const Bytes &extended, bool merge) {
  Exiv2::XmpData data;
  if (!Decode(xmp, data)) return {};
  try {
    const std::pair<const char *, long> updates[] = {
        {"Xmp.tiff.Orientation", 1},          {"Xmp.exif.PixelXDimension", width},
        {"Xmp.exif.PixelYDimension", height}, {"Xmp.tiff.ImageWidth", width},
        {"Xmp.tiff.ImageLength", height},
    };
    bool changed = false;
    for (const auto &[key, value] : updates) {
      const auto it = data.findKey(Exiv2::XmpKey(key));
      if (it == data.end() || it->toString() == std::to_string(value)) continue;
      it->setValue(std::to_string(value));
      changed = true;
    }
    for (auto it = data.begin(); it != data.end();) {
      if (!IsThumbnail(it->key())) {
        ++it;
        continue;
      }
      it = data.erase(it);
      changed = true;
    }
    // The note goes where the extended packet does not go with it; what
    // the extended packet says joins the main one where it is merged.
    if (merge || extended.empty()) {
      const auto note = data.findKey(Exiv2::XmpKey(kExtendedNote));
      if (note != data.end()) data.erase(note), changed = true;
    }
    Exiv2::XmpData more;
    if (merge && Decode(extended, more))
      for (const Exiv2::Xmpdatum &datum : more)
        if (datum.key() != kExtendedNote && data.findKey(Exiv2::XmpKey(datum.key())) == data.end())
          data.add(datum), changed = true;
    // Untouched packets go out byte for byte.
    if (!changed) return xmp.size() > kMaxXmpBytes && !merge ? Bytes() : xmp;
    std::string packet;
    if (Exiv2::XmpParser::encode(packet, data, Exiv2::XmpParser::useCompactFormat) != 0 ||
        packet.size() > (merge ? kMaxMetadataBlockBytes : kMaxXmpBytes))
      return {};
    return Bytes(packet.begin(), packet.end());
  } catch (const std::exception &) {
    return {};
  }
}

}  // namespace qv
