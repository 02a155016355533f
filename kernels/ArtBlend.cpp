#include "effects/Filters.h"
#include "gfx/RunControl.h"
#include "kernels/ArtKernels.h"
#include "kernels/Blend.h"
#include "kernels/ChannelPass.h"
#include "kernels/Greyscale.h"

namespace qv {

namespace {

// Four passes of the split blur at distance 3.
constexpr int kBlurAmount = 3;

}  // namespace

void ArtBlend(const Bitmap &source, Bitmap &dest, int mode) {
  // The sharp copy is taken first, so dest may be source itself.
  Bitmap copy(source);
  // The four blur passes are most of the work, so most of the progress:
  // four parts of six, one part for what comes before and after each.
  if (mode != 7) {
    const ProgressSpan blurring(0, 6, 4);
    Bitmap blurred(source);
    ApplyGaussianBlur(blurred, kBlurAmount);
    dest = std::move(blurred);
  }
  const ProgressSpan blending(mode != 7 ? 4 : 0, 6, mode != 7 ? 2 : 6);

  // Each pass takes its bounds from dest and writes into dest; the first
  // blend argument is A, the second B.
  switch (mode) {
    case 1:
      ChannelPass<Lighten>(dest, copy, dest, dest);
      break;
    case 2:
      ChannelPass<Darken>(dest, copy, dest, dest);
      break;
    case 3:
      Greyscale(dest);
      Greyscale(copy);
      ChannelPass<Darken>(dest, copy, dest, dest);
      break;
    case 4:
      Greyscale(copy);
      ChannelPass<Darken>(dest, copy, dest, dest);
      break;
    case 5:
      Greyscale(copy);
      ChannelPass<Overlay>(dest, copy, dest, dest);
      break;
    case 6:
      ChannelPass<Screen>(dest, copy, dest, dest);
      break;
    case 7: {
      // The blurred negative of the grey picture dodges the sharp colours:
      // flat grey turns white, flat colour pale, edges stay dark.
      {
        const ProgressSpan preparing(0, 6);
        Greyscale(copy);
        Invert(copy);
      }
      {
        const ProgressSpan blurring(1, 6, 4);
        ApplyGaussianBlur(copy, kBlurAmount);
      }
      dest = source;
      const ProgressSpan dodging(5, 6);
      ChannelPass<Dodge>(dest, dest, copy, dest);
      break;
    }
    default:
      break;
  }
}

}  // namespace qv
