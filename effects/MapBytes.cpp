#include "effects/MapBytes.h"

#include <cstddef>

#include "gfx/Bands.h"

namespace qv {

void MapBytes(const Bitmap &s, Bitmap &d, const ByteTable &table) {
  if (&s != &d && (d.Width() != s.Width() || d.Height() != s.Height()))
    d.Recreate(s.Width(), s.Height());
  const int height = s.Height();
  const std::size_t bytes = s.RowBytes();
  // Rows are independent: share them out among the cores.
  ForEachBand(height, 32, WorthSharing(std::size_t(height) * bytes), [&](int first, int last) {
    for (int y = first; y < last; ++y) {
      const std::uint8_t *in = s.ScanLine(y);
      std::uint8_t *out = d.ScanLine(y);
      for (std::size_t i = 0; i < bytes; ++i) out[i] = table[in[i]];
    }
  });
}

}  // namespace qv
