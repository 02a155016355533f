// libFuzzer target: the bytes of an asset file, whose first 16 bytes the
// reader replaces by the fixed JFIF head before decoding the rest.

#include <cstddef>
#include <cstdint>

#include "gfx/Error.h"
#include "kernels/AssetStore.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  try {
    const qv::Bitmap picture = qv::DecodeAsset({data, size});
    if (picture.Empty()) __builtin_trap();
  } catch (const qv::Error &) {
  }
  return 0;
}
