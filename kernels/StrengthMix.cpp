#include "kernels/StrengthMix.h"

#include "gfx/Bands.h"
#include "gfx/Error.h"
#include "kernels/VectorRoute.h"

namespace qv {

namespace {

// 255 x 100 + 50 fits 16 bits, so the sum stays in 16-bit lanes and the
// division by a constant becomes a multiply.
[[gnu::always_inline]] inline void MixRowBody(std::uint8_t *out, const std::uint8_t *picture,
                                              const std::uint8_t *effect, std::size_t bytes,
                                              int strength) {
  const auto s = std::uint16_t(strength), rest = std::uint16_t(kFullStrength - strength);
  for (std::size_t i = 0; i < bytes; ++i) {
    const auto sum = std::uint16_t(picture[i] * rest + effect[i] * s + 50);
    out[i] = std::uint8_t(sum / 100);
  }
}

QV_TWO_ROUTES(MixRow,
              (std::uint8_t * out, const std::uint8_t *picture, const std::uint8_t *effect,
               std::size_t bytes, int strength),
              (out, picture, effect, bytes, strength), MixRowBody)

}  // namespace

void StrengthMixRow(std::uint8_t *out, const std::uint8_t *picture, const std::uint8_t *effect,
                    std::size_t bytes, int strength) {
  MixRow(out, picture, effect, bytes, strength);
}

void StrengthMix(const Bitmap &picture, const Bitmap &effect, Bitmap &out, int strength) {
  if (!StrengthInRange(strength))
    throw Error(Say(QV_TEXT("The strength must be %1 to %2, not %3"), kMinStrength, kFullStrength,
                    strength));
  if (picture.Width() != effect.Width() || picture.Height() != effect.Height())
    throw Error(QV_TEXT("The effect and the picture differ in size"));
  if (&out != &picture && &out != &effect) out.Recreate(picture.Width(), picture.Height());
  const int height = picture.Height();
  const std::size_t bytes = picture.RowBytes();
  ForEachBand(height, 32, WorthSharing(std::size_t(height) * bytes), [&](int first, int last) {
    for (int r = first; r < last; ++r)
      MixRow(out.ScanLine(r), picture.ScanLine(r), effect.ScanLine(r), bytes, strength);
  });
}

}  // namespace qv
