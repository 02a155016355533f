// Tile: count x count shrunken copies of the picture from the top-left
// corner; the columns and rows left over keep the picture. Count 2 up; a
// count that makes tiles smaller than 5 pixels, or none, changes nothing.
#include "effects/Filters.h"

namespace qv {

void ApplyTile(const Bitmap &s, Bitmap &d, int count) {
  if (&s != &d) d = s;
  const int width = d.Width(), height = d.Height();
  if (count <= 0 || width / count < 5 || height / count < 5) return;
  const int tw = width / count, th = height / count;
  Bitmap tile(tw, th);
  ShrinkBilinear(d, tile);
  for (int k = 0; k < count; ++k)
    for (int m = 0; m < count; ++m) d.Draw(m * tw, k * th, tile);
}

}  // namespace qv
