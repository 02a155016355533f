// The row loops of the blends. Each byte depends only on the two bytes at
// its own index, so there is no dependence between iterations even when the
// target is one of the inputs (QV_NO_LOOP_DEPENDENCE says so to the
// vectoriser, in the words of each compiler).

#include "kernels/ChannelPass.h"
#include "kernels/ProductRows.h"
#include "kernels/QuotientRows.h"
#include "kernels/VectorRoute.h"

#if defined(__clang__)
#if __has_feature(address_sanitizer)
// Instrumented loads cannot be vectorised, and clang warns of every loop
// it was told to vectorise and could not.
#define QV_NO_LOOP_DEPENDENCE
#else
#define QV_NO_LOOP_DEPENDENCE _Pragma("clang loop vectorize(assume_safety)")
#endif
#else
#define QV_NO_LOOP_DEPENDENCE _Pragma("GCC ivdep")
#endif

namespace qv {

namespace {

template <class F>
[[gnu::always_inline]] inline void BlendRow(std::uint8_t *target, const std::uint8_t *x,
                                            const std::uint8_t *y, std::size_t bytes) {
  QV_NO_LOOP_DEPENDENCE
  for (std::size_t i = 0; i < bytes; ++i) target[i] = F::Lane(x[i], y[i]);
}

}  // namespace

#define QV_CHANNEL_ROW(NAME, BLEND)                                                             \
  QV_TWO_ROUTES(                                                                                \
      NAME,                                                                                     \
      (std::uint8_t * target, const std::uint8_t *x, const std::uint8_t *y, std::size_t bytes), \
      (target, x, y, bytes), BlendRow<BLEND>)

QV_CHANNEL_ROW(LightenRow, Lighten)
QV_CHANNEL_ROW(DarkenRow, Darken)

// Screen, overlay and hard light multiply bytes; the compiler's vector form
// widens every byte to 16 bits and packs it back, so each route has a row
// of its own that multiplies the even and odd bytes in place.
#if QV_X86_ROUTES
#define QV_PRODUCT_ROW(NAME, BLEND)                                             \
  void NAME(std::uint8_t *target, const std::uint8_t *x, const std::uint8_t *y, \
            std::size_t bytes) {                                                \
    const ProductRowFn row = !Avx2Route()    ? ProductRowSse2                   \
                             : Avx512Route() ? ProductRowAvx512                 \
                                             : ProductRowAvx2;                  \
    row(ProductBlend::BLEND, target, x, y, bytes);                              \
  }
#else
#define QV_PRODUCT_ROW(NAME, BLEND)                                             \
  void NAME(std::uint8_t *target, const std::uint8_t *x, const std::uint8_t *y, \
            std::size_t bytes) {                                                \
    BlendRow<BLEND>(target, x, y, bytes);                                       \
  }
#endif

QV_PRODUCT_ROW(ScreenRow, Screen)
QV_PRODUCT_ROW(OverlayRow, Overlay)
QV_PRODUCT_ROW(HardLightRow, HardLight)

// Dodge and burn divide; the compiler's vector form of that widens every
// byte by unpacking and packs it back, so each route has a row of its own
// (see QuotientRowsBody.h).
#if QV_X86_ROUTES
#define QV_QUOTIENT_ROW(NAME)                                                   \
  void NAME(std::uint8_t *target, const std::uint8_t *x, const std::uint8_t *y, \
            std::size_t bytes) {                                                \
    const ChannelRowFn row = !Avx2Route()    ? NAME##Sse2                       \
                             : Avx512Route() ? NAME##Avx512                     \
                                             : NAME##Avx2;                      \
    row(target, x, y, bytes);                                                   \
  }
QV_QUOTIENT_ROW(DodgeRow)
QV_QUOTIENT_ROW(BurnRow)
#else
QV_CHANNEL_ROW(DodgeRow, Dodge)
QV_CHANNEL_ROW(BurnRow, Burn)
#endif

}  // namespace qv
