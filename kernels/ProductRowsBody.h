#pragma once

// The row loop of ProductRows.h over a vector type V, included by one file
// per instruction set, each compiled for its own set. V gives Vec, kBytes,
// Load, Store, And, Or, Xor, Negative (255 in the bytes whose top bit is
// set), MulLow16, MulHigh16, ShiftRight16<n>, ShiftLeft16<n> and Set16.
// Nothing here may be an inline function that other files also define: it
// would be compiled for this file's instruction set.

#include <cstring>

#include "kernels/ProductRows.h"

namespace qv::product {

template <class V, ProductBlend kBlend>
[[gnu::always_inline]] inline typename V::Vec Blend(typename V::Vec a, typename V::Vec b) {
  using Vec = typename V::Vec;
  constexpr int kShift = kBlend == ProductBlend::Screen ? 8 : 7;
  const Vec lowBytes = V::Set16(0x00FF), highBytes = V::Set16(std::int16_t(0xFF00));
  Vec flip;
  if constexpr (kBlend == ProductBlend::Screen)
    flip = V::Set16(-1);
  else if constexpr (kBlend == ProductBlend::Overlay)
    flip = V::Negative(a);
  else
    flip = V::Negative(b);
  a = V::Xor(a, flip);
  b = V::Xor(b, flip);
  // Even bytes: the product of the low bytes, shifted down into the low
  // byte (at most 254, so the high byte stays clear).
  const Vec even =
      V::template ShiftRight16<kShift>(V::MulLow16(V::And(a, lowBytes), V::And(b, lowBytes)));
  // Odd bytes: the high multiply of the high bytes is their plain product,
  // which is moved up into the high byte.
  Vec odd = V::MulHigh16(V::And(a, highBytes), V::And(b, highBytes));
  if constexpr (kShift == 7) odd = V::template ShiftLeft16<1>(odd);
  return V::Xor(V::Or(even, V::And(odd, highBytes)), flip);
}

// Each block is loaded before it is stored, so the target may be either
// input; the tail goes through a block on the stack, so nothing past the
// row's end is read or written.
template <class V, ProductBlend kBlend>
[[gnu::always_inline]] inline void Row(std::uint8_t *target, const std::uint8_t *x,
                                       const std::uint8_t *y, std::size_t bytes) {
  std::size_t i = 0;
  for (; i + V::kBytes <= bytes; i += V::kBytes)
    V::Store(target + i, Blend<V, kBlend>(V::Load(x + i), V::Load(y + i)));
  if (i == bytes) return;
  alignas(64) std::uint8_t a[V::kBytes] = {}, b[V::kBytes] = {}, out[V::kBytes];
  std::memcpy(a, x + i, bytes - i);
  std::memcpy(b, y + i, bytes - i);
  V::Store(out, Blend<V, kBlend>(V::Load(a), V::Load(b)));
  std::memcpy(target + i, out, bytes - i);
}

template <class V>
[[gnu::always_inline]] inline void AnyRow(ProductBlend blend, std::uint8_t *target,
                                          const std::uint8_t *x, const std::uint8_t *y,
                                          std::size_t bytes) {
  switch (blend) {
    case ProductBlend::Screen:
      return Row<V, ProductBlend::Screen>(target, x, y, bytes);
    case ProductBlend::Overlay:
      return Row<V, ProductBlend::Overlay>(target, x, y, bytes);
    case ProductBlend::HardLight:
      return Row<V, ProductBlend::HardLight>(target, x, y, bytes);
  }
}

}  // namespace qv::product
