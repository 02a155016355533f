#include "kernels/Greyscale.h"

#include <cstddef>
#include <cstdint>

namespace qv {

void Greyscale(Bitmap &bmp) {
  const int height = bmp.Height();
  const std::size_t width = std::size_t(bmp.Width());
#pragma omp parallel for schedule(static) if (std::size_t(height) * width > (1u << 16))
  for (int r = 0; r < height; ++r) {
    std::uint8_t *p = bmp.ScanLine(r);
    for (std::size_t x = 0; x < width; ++x, p += 3) {
      const auto y = static_cast<std::uint8_t>((28 * p[0] + 151 * p[1] + 77 * p[2]) >> 8);
      p[0] = p[1] = p[2] = y;
    }
  }
}

}  // namespace qv
