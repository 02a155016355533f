#include "kernels/MaskedMix.h"

#include <vector>

#include "gfx/Bands.h"
#include "gfx/Error.h"
#include "kernels/MaskedMixRows.h"
#include "kernels/StrengthMix.h"
#include "kernels/VectorRoute.h"

namespace qv {

void MaskedMixRowPlain(std::uint8_t *out, const std::uint8_t *picture, const std::uint8_t *effect,
                       const std::uint8_t *mask, std::size_t pixels, int bytesPerPixel,
                       int strength) {
  const auto s = std::uint32_t(strength);
  const auto n = std::size_t(bytesPerPixel);
  for (std::size_t x = 0; x < pixels; ++x) {
    const std::uint32_t w = s * mask[x], rest = 25500 - w;
    for (std::size_t c = x * n, end = c + n; c < end; ++c)
      out[c] = std::uint8_t((picture[c] * rest + effect[c] * w + 12750) / 25500);
  }
}

void MaskedMixRow(std::uint8_t *out, const std::uint8_t *picture, const std::uint8_t *effect,
                  const std::uint8_t *mask, std::size_t pixels, int bytesPerPixel, int strength) {
#if QV_X86_ROUTES
  if (Avx2Route())
    return MaskedMixRowAvx2(out, picture, effect, mask, pixels, bytesPerPixel, strength);
#endif
  MaskedMixRowPlain(out, picture, effect, mask, pixels, bytesPerPixel, strength);
}

void MaskedMix(const Bitmap &picture, const Bitmap &effect, Bitmap &out, int strength,
               const MaskRowsFn &mask, int rowsPerBand) {
  if (!StrengthInRange(strength))
    throw Error(Say(QV_TEXT("The strength must be %1 to %2, not %3"), kMinStrength, kFullStrength,
                    strength));
  if (picture.Width() != effect.Width() || picture.Height() != effect.Height())
    throw Error(QV_TEXT("The effect and the picture differ in size"));
  if (&out != &picture && &out != &effect) out.Recreate(picture.Width(), picture.Height());
  const int width = picture.Width(), height = picture.Height();
  const std::size_t bytes = picture.RowBytes();
  ForEachBand(height, rowsPerBand, WorthSharing(std::size_t(height) * bytes),
              [&](int first, int last) {
                // One buffer a band: the mask's rows of this band.
                std::vector<std::uint8_t> rows(std::size_t(last - first) * std::size_t(width));
                mask(first, last, rows.data());
                for (int r = first; r < last; ++r)
                  MaskedMixRow(out.ScanLine(r), picture.ScanLine(r), effect.ScanLine(r),
                               rows.data() + std::size_t(r - first) * std::size_t(width),
                               std::size_t(width), 3, strength);
              });
}

}  // namespace qv
