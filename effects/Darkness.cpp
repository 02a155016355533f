// Darkness: moves each channel toward black by amount/255 of the way.
// Amount 0 (unchanged) to 255 (black).
#include "effects/Filters.h"
#include "effects/MapBytes.h"

namespace qv {

void ApplyDarkness(Bitmap &bmp, int amount) {
  ByteTable table;
  for (int c = 0; c < 256; ++c) table[c] = ClampToByte(c - (std::int64_t(c) * amount) / 255);
  MapBytes(bmp, bmp, table);
}

}  // namespace qv
