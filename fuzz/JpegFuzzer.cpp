// libFuzzer target: any bytes through the JPEG reader. It must decode them
// or throw qv::Error; anything else (a crash, a leak, a sanitizer report, an
// exception of another type) is a finding.

#include <cstddef>
#include <cstdint>

#include "codecs/Codecs.h"
#include "gfx/Error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  try {
    const qv::Bitmap picture = qv::DecodeJpeg({data, size});
    if (picture.Empty()) __builtin_trap();  // a picture without pixels is no success
  } catch (const qv::Error &) {
  }
  return 0;
}
