// Gaussian blur: amount + 1 passes of the split blur at distance 3, each on
// the result of the last. Amount -1 (no pass) up; the picture must be at
// least 4 pixels high.
#include "effects/Filters.h"
#include "gfx/RunControl.h"

namespace qv {

void ApplyGaussianBlur(Bitmap &bmp, int amount) {
  for (int i = amount; i >= 0; --i) {
    const ProgressSpan pass(amount - i, amount + 1);
    ApplySplitBlur(bmp, 3);
  }
}

}  // namespace qv
