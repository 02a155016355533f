// libFuzzer target: any bytes through the BMP reader, which must decode
// them or throw qv::Error.

#include <cstddef>
#include <cstdint>

#include "codecs/Codecs.h"
#include "gfx/Error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  try {
    const qv::Bitmap picture = qv::DecodeBmp({data, size});
    if (picture.Empty()) __builtin_trap();
  } catch (const qv::Error &) {
  }
  return 0;
}
