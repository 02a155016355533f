// Anti-alias: smooths every pixel but the outer border with its four edge
// neighbours, in place. No parameter.
#include "effects/Filters.h"

namespace qv {

void ApplyAntiAlias(Bitmap &bmp) {
  SmoothArea(bmp, 0, 0, bmp.Width(), bmp.Height());
}

}  // namespace qv
