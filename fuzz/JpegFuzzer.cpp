// libFuzzer target: any bytes through the JPEG reader with its metadata
// path, and what it read through the writer and back. It must decode them
// or throw qv::Error; anything else (a crash, a leak, a sanitizer report, an
// exception of another type) is a finding.

#include <cstddef>
#include <cstdint>

#include "codecs/Codecs.h"
#include "codecs/Metadata.h"
#include "gfx/Error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  qv::DecodedPicture picture;
  try {
    picture = qv::DecodeJpegPicture({data, size});
  } catch (const qv::Error &) {
    return 0;
  }
  if (picture.Pixels.Empty()) __builtin_trap();  // a picture without pixels is no success
  // Whatever metadata was kept must survive being fitted to a picture,
  // written and read again.
  const qv::Metadata written = qv::MetadataForOutput(picture.Meta, 2, 1);
  const qv::DecodedPicture again =
      qv::DecodeJpegPicture(qv::EncodeJpeg(qv::Bitmap(2, 1), 90, written));
  if (!again.Warnings.empty()) __builtin_trap();  // our own output is never damaged
  return 0;
}
