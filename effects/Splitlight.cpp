// Split light: amount passes of the sine tone curve over every channel,
// brightening the mid-tones further with each pass. Amount 1 up; 0 and
// below change nothing.
#include "effects/Filters.h"
#include "effects/MapBytes.h"

namespace qv {

void ApplySplitlight(Bitmap &bmp, int amount) {
  if (amount <= 0) return;
  // All passes folded into one table; once a pass changes no entry, no later
  // one will.
  ByteTable table;
  for (int v = 0; v < 256; ++v) table[v] = static_cast<std::uint8_t>(v);
  for (int pass = 0; pass < amount; ++pass) {
    bool changed = false;
    for (auto &entry : table) {
      const auto lifted = static_cast<std::uint8_t>(SineLift(entry));
      changed |= lifted != entry;
      entry = lifted;
    }
    if (!changed) break;
  }
  MapBytes(bmp, bmp, table);
}

}  // namespace qv
