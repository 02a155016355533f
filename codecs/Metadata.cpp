#include "codecs/Metadata.h"

#include <exiv2/exiv2.hpp>

#include <mutex>

namespace qv {

namespace {

std::mutex xmpToolkit;
thread_local Exiv2Complaints *listening = nullptr;

void Listen(int level, const char *) {
  if (listening && level >= Exiv2::LogMsg::warn) listening->Heard();
}

void LockXmpToolkit(void *, bool lock) {
  if (lock)
    xmpToolkit.lock();
  else
    xmpToolkit.unlock();
}

template <class Check>
void Keep(Bytes &block, const char *name, Check check, std::vector<Text> &warnings) {
  if (block.empty() || check(block)) return;
  block.clear();
  warnings.push_back(Say(QV_TEXT("its %1 block is damaged and was left out"), name));
}

}  // namespace

void PrepareExiv2() {
  static std::once_flag once;
  std::call_once(once, [] {
    // Warnings and errors reach Listen, which only counts them.
    Exiv2::LogMsg::setLevel(Exiv2::LogMsg::warn);
    Exiv2::LogMsg::setHandler(Listen);
    Exiv2::XmpParser::initialize(LockXmpToolkit, nullptr);
    // The note that names an extended packet (JPEG), by its usual prefix.
    try {
      Exiv2::XmpProperties::registerNs("http://ns.adobe.com/xmp/note/", "xmpNote");
    } catch (const std::exception &) {
    }
  });
}

Exiv2Complaints::Exiv2Complaints() : outer_(listening) {
  PrepareExiv2();
  listening = this;
}

Exiv2Complaints::~Exiv2Complaints() {
  listening = outer_;
}

void CheckMetadata(Metadata &meta, std::vector<Text> &warnings) {
  // Formats that hold each block in one piece (PNG, WebP, TIFF, HEIF) are
  // held to the same size as the blocks put together from JPEG segments.
  bool tooLarge = false;
  for (Bytes *block : {&meta.Exif, &meta.Xmp, &meta.ExtendedXmp, &meta.Photoshop, &meta.Icc})
    if (block->size() > kMaxMetadataBlockBytes) block->clear(), tooLarge = true;
  if (tooLarge) warnings.push_back(QV_TEXT("some of its metadata was too large and was left out"));
  switch (meta.Exif.empty() ? ExifVerdict::Sound : CheckExif(meta.Exif)) {
    case ExifVerdict::Sound:
      break;
    case ExifVerdict::Repaired:
      warnings.push_back(
          QV_TEXT("its EXIF block is damaged; the tags that could be read were kept"));
      break;
    case ExifVerdict::Damaged:
      meta.Exif.clear();
      warnings.push_back(QV_TEXT("its EXIF block is damaged and was left out"));
      break;
  }
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
      warnings.push_back(QV_TEXT("its colour profile is damaged and was left out"));
      break;
  }
}

Metadata MetadataForOutput(const Metadata &meta, int width, int height, bool separateExtendedXmp) {
  Metadata out = meta;
  if (!out.Exif.empty()) out.Exif = ExifForOutput(meta.Exif, width, height);
  if (!out.Xmp.empty())
    out.Xmp = XmpForOutput(meta.Xmp, width, height, meta.ExtendedXmp, !separateExtendedXmp);
  if (out.Xmp.empty() || !separateExtendedXmp) out.ExtendedXmp.clear(), out.ExtendedXmpGuid.clear();
  if (!out.Photoshop.empty()) out.Photoshop = PhotoshopForOutput(meta.Photoshop);
  return out;
}

}  // namespace qv
