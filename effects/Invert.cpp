// Invert: every channel c becomes 255 - c. No parameter.
#include "effects/Filters.h"
#include "effects/MapBytes.h"

namespace qv {

void ApplyInvert(Bitmap &bmp) {
  ByteTable table;
  for (int v = 0; v < 256; ++v) table[v] = static_cast<std::uint8_t>(255 - v);
  MapBytes(bmp, bmp, table);
}

}  // namespace qv
