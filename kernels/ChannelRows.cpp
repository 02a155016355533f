// The row loops of the blends. Each byte depends only on the two bytes at
// its own index, so there is no dependence between iterations even when the
// target is one of the inputs (ivdep says so to the vectoriser).

#include "kernels/ChannelPass.h"
#include "kernels/QuotientRows.h"
#include "kernels/VectorRoute.h"

namespace qv {

namespace {

template <class F>
[[gnu::always_inline]] inline void BlendRow(std::uint8_t *target, const std::uint8_t *x,
                                            const std::uint8_t *y, std::size_t bytes) {
#pragma GCC ivdep
  for (std::size_t i = 0; i < bytes; ++i) target[i] = F::Lane(x[i], y[i]);
}

}  // namespace

#define QV_CHANNEL_ROW(NAME, BLEND)                                                             \
  QV_TWO_ROUTES(                                                                                \
      NAME,                                                                                     \
      (std::uint8_t * target, const std::uint8_t *x, const std::uint8_t *y, std::size_t bytes), \
      (target, x, y, bytes), BlendRow<BLEND>)

QV_CHANNEL_ROW(ScreenRow, Screen)
QV_CHANNEL_ROW(OverlayRow, Overlay)
QV_CHANNEL_ROW(HardLightRow, HardLight)
QV_CHANNEL_ROW(LightenRow, Lighten)
QV_CHANNEL_ROW(DarkenRow, Darken)

// Dodge and burn divide; the compiler's vector form of that is bound by the
// divider, so the AVX2 and AVX-512 routes have rows of their own that need
// no division.
void DodgeRow(std::uint8_t *target, const std::uint8_t *x, const std::uint8_t *y,
              std::size_t bytes) {
  if (Avx2Route() && Avx512Route())
    DodgeRowAvx512(target, x, y, bytes);
  else if (Avx2Route())
    DodgeRowAvx2(target, x, y, bytes);
  else
    BlendRow<Dodge>(target, x, y, bytes);
}

void BurnRow(std::uint8_t *target, const std::uint8_t *x, const std::uint8_t *y,
             std::size_t bytes) {
  if (Avx2Route() && Avx512Route())
    BurnRowAvx512(target, x, y, bytes);
  else if (Avx2Route())
    BurnRowAvx2(target, x, y, bytes);
  else
    BlendRow<Burn>(target, x, y, bytes);
}

}  // namespace qv
