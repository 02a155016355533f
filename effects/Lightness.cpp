// Lightness: moves each channel toward white by amount/255 of the way.
// Amount 0 (unchanged) to 255 (white).
#include "effects/Filters.h"
#include "effects/MapBytes.h"

namespace qv {

void ApplyLightness(Bitmap &bmp, int amount) {
  ByteTable table;
  for (int c = 0; c < 256; ++c) table[c] = ClampToByte(c + (std::int64_t(255 - c) * amount) / 255);
  MapBytes(bmp, bmp, table);
}

}  // namespace qv
