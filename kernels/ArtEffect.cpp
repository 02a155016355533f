#include "kernels/ArtEffect.h"

#include "gfx/Error.h"

namespace qv {

// The art kernels are not part of the engine yet; until they are, this is
// the only place that needs to change to connect them.
void RenderArtEffect(int effect, const Bitmap &, Bitmap &, const KernelEnv &) {
  throw MakeError("Art effect %d is not available yet", effect);
}

}  // namespace qv
