#include "effects/Filters.h"
#include "gfx/RunControl.h"
#include "kernels/ArtKernels.h"
#include "kernels/Blend.h"
#include "kernels/ChannelPass.h"
#include "kernels/ColorPass.h"
#include "kernels/Greyscale.h"

namespace qv {

void PencilSketch(const Bitmap &source, Bitmap &dest, const KernelEnv &env) {
  Bitmap grey(source);
  Greyscale(grey);

  // Two split-blur passes of the grey picture, then its negative.
  Bitmap blur(grey);
  {
    const ProgressSpan blurring(0, 3, 2);  // the two passes: most of the time
    ApplyGaussianBlur(blur, 1);
  }
  const ProgressSpan rest(2, 3);
  Invert(blur);

  // Where the blur equals the grey value g, the dodge gives g * 256 div g,
  // clamped to 255: flat areas turn white and only edges stay dark.
  dest.Recreate(grey.Width(), grey.Height());
  ChannelPass<Dodge>(dest, grey, blur, dest);

  if (!env.PickColorFlag()) return;
  // A cancelled prompt keeps the grey sketch. Overlaying a flat colour keeps
  // 255 at 255, so the paper stays white and the strokes take the colour.
  if (const auto color = env.AskColor()) ColorPass<Overlay>(dest, *color);
}

}  // namespace qv
