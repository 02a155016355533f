#include "codecs/Metadata.h"

#include <exiv2/exiv2.hpp>

#include <mutex>

namespace qv {

namespace {

std::mutex xmpToolkit;

void LockXmpToolkit(void *, bool lock) {
  if (lock)
    xmpToolkit.lock();
  else
    xmpToolkit.unlock();
}

template <class Check>
void Keep(Bytes &block, const char *name, Check check, std::vector<std::string> &warnings) {
  if (block.empty() || check(block)) return;
  block.clear();
  warnings.push_back(std::string("its ") + name + " block is damaged and was left out");
}

}  // namespace

void PrepareExiv2() {
  static std::once_flag once;
  std::call_once(once, [] {
    Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
    Exiv2::XmpParser::initialize(LockXmpToolkit, nullptr);
  });
}

void CheckMetadata(Metadata &meta, std::vector<std::string> &warnings) {
  // Formats that hold each block in one piece (PNG, WebP, TIFF, HEIF) are
  // held to the same size as the blocks put together from JPEG segments.
  bool tooLarge = false;
  for (Bytes *block : {&meta.Exif, &meta.Xmp, &meta.ExtendedXmp, &meta.Photoshop, &meta.Icc})
    if (block->size() > kMaxMetadataBlockBytes) block->clear(), tooLarge = true;
  if (tooLarge) warnings.push_back("some of its metadata was too large and was left out");
  Keep(meta.Exif, "EXIF", CheckExif, warnings);
  Keep(meta.Xmp, "XMP", CheckXmp, warnings);
  if (meta.Xmp.empty()) meta.ExtendedXmp.clear(), meta.ExtendedXmpGuid.clear();
  Keep(meta.Photoshop, "IPTC", CheckPhotoshop, warnings);
  if (meta.Icc.empty()) return;
  switch (CheckIcc(meta.Icc)) {
    case IccVerdict::Rgb:
      break;
    case IccVerdict::OtherColours:
      meta.Icc.clear();
      break;
    case IccVerdict::Damaged:
      meta.Icc.clear();
      warnings.push_back("its colour profile is damaged and was left out");
      break;
  }
}

Metadata MetadataForOutput(const Metadata &meta, int width, int height) {
  Metadata out = meta;
  if (!out.Exif.empty()) out.Exif = ExifForOutput(meta.Exif, width, height);
  if (!out.Xmp.empty()) out.Xmp = XmpForOutput(meta.Xmp, width, height);
  if (out.Xmp.empty()) out.ExtendedXmp.clear(), out.ExtendedXmpGuid.clear();
  if (!out.Photoshop.empty()) out.Photoshop = PhotoshopForOutput(meta.Photoshop);
  return out;
}

}  // namespace qv
