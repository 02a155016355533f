#include "effects/Filters.h"
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
  if (mode != 7) {
    Bitmap blurred(source);
    ApplyGaussianBlur(blurred, kBlurAmount);
    dest = std::move(blurred);
  }

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
    case 7:
      // The blurred negative of the grey picture dodges the sharp colours:
      // flat grey turns white, flat colour pale, edges stay dark.
      Greyscale(copy);
      Invert(copy);
      ApplyGaussianBlur(copy, kBlurAmount);
      dest = source;
      ChannelPass<Dodge>(dest, dest, copy, dest);
      break;
    default:
      break;
  }
}

}  // namespace qv
