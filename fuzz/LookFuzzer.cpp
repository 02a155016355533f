// libFuzzer target: any bytes as a look file. The reader must give a look
// whose every step applies, written out and read back as the same look, or
// throw qv::Error naming the problem; anything else is a finding.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "gfx/Error.h"
#include "kernels/Look.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  try {
    const qv::Look look =
        qv::ParseLook(std::string_view(reinterpret_cast<const char *>(data), size));
    if (look.Steps.empty()) __builtin_trap();  // a look of no steps is refused, never read
    if (!(qv::ParseLook(qv::LookText(look)) == look)) __builtin_trap();
  } catch (const qv::Error &) {
  }
  return 0;
}
