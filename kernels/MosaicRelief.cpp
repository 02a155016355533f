#include <optional>

#include "effects/Filters.h"
#include "gfx/RunControl.h"
#include "kernels/ArtKernels.h"
#include "kernels/Blend.h"
#include "kernels/ChannelPass.h"

namespace qv {

void MosaicRelief(const Bitmap &source, Bitmap &dest) {
  // The longer side holds 15 whole blocks: 7 on a 105 x 105 thumbnail, 106
  // on a 1600 x 1200 picture. Below 30 pixels the block is 0 or 1 and the
  // mosaic changes nothing.
  const int block = source.Width() >= source.Height() ? source.Width() / 15 : source.Height() / 15;

  // The overlay reads source after dest is rebuilt; keep it when they are
  // one bitmap.
  std::optional<Bitmap> kept;
  if (&source == &dest) kept.emplace(source);
  const Bitmap &original = kept ? *kept : source;

  Bitmap mosaic(source);
  ApplyMosaic(mosaic, block);
  // The three sharpening passes run row after row: most of the time.
  for (int pass = 0; pass < 3; ++pass) {
    const ProgressSpan sharpening(pass, 4);
    DiagonalSharpen(mosaic);
  }
  const ProgressSpan overlaying(3, 4);
  dest = std::move(mosaic);

  // The sharpened mosaic is A, so the overlay branches on its value.
  ChannelPass<Overlay>(dest, dest, original, dest);
}

}  // namespace qv
