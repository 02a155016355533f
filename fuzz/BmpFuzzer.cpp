// libFuzzer target: any bytes through the BMP reader, which must decode
// them (reporting damage beside the picture) or throw qv::Error.

#include <cstddef>
#include <cstdint>

#include "codecs/Codecs.h"
#include "gfx/Error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  try {
    const qv::DecodedPicture picture = qv::DecodeBmpPicture({data, size});
    if (picture.Pixels.Empty()) __builtin_trap();
  } catch (const qv::Error &) {
  }
  return 0;
}
