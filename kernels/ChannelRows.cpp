// The row loops of the blends. Each byte depends only on the two bytes at
// its own index, so there is no dependence between iterations even when the
// target is one of the inputs (ivdep says so to the vectoriser).

#include "kernels/ChannelPass.h"
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
QV_CHANNEL_ROW(DodgeRow, Dodge)
QV_CHANNEL_ROW(BurnRow, Burn)

}  // namespace qv
