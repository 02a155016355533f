// Contrast: pushes each channel away from 127 (or toward it for a negative
// amount) by |127 - c| * amount / 255. Amount -255 (flat grey) to 255.
#include "effects/Filters.h"
#include "effects/MapBytes.h"

namespace qv {

void ApplyContrast(Bitmap &bmp, int amount) {
  ByteTable table;
  for (int c = 0; c < 256; ++c) {
    const int distance = c > 127 ? c - 127 : 127 - c;
    const std::int64_t d = (std::int64_t(distance) * amount) / 255;
    // The pivot is 127: a channel at 127 never moves, one at 128 moves up.
    table[c] = c > 127 ? ClampToByte(c + d) : ClampToByte(c - d);
  }
  MapBytes(bmp, bmp, table);
}

}  // namespace qv
