#include "kernels/ArtEffect.h"

#include "gfx/Error.h"
#include "kernels/ArtKernels.h"

namespace qv {

void RenderArtEffect(int effect, const Bitmap &source, Bitmap &dest, const KernelEnv &env) {
  if (effect >= 1 && effect <= 7) return ArtBlend(source, dest, effect);
  switch (effect) {
    case 8:
      return ContrastCurve(source, dest);
    case 9:
      return MosaicRelief(source, dest);
    case kPencilSketch:
      return PencilSketch(source, dest, env);
    default:
      throw Error(Say(QV_TEXT("There is no art effect %1"), effect));
  }
}

}  // namespace qv
