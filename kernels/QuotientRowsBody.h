#pragma once

// The row loop of QuotientRows.h over a vector type V, included by one file
// per instruction set, each compiled for its own set. V gives Vec (integer
// lanes), kBytes, Load, Store, And, Or, Xor, ShiftLeft32<n>, ShiftRight32<n>,
// Set32, AtLeast (255 in the bytes where the first is at least the second),
// Quotient32 (the truncated single precision quotient of two 32-bit lanes)
// and PackBytes (four vectors of 32-bit lanes packed into the bytes of one
// with unsigned saturation, lane j of vector k into byte 4 j + k). Nothing
// here may be an inline function that other files also define: it would be
// compiled for this file's instruction set.
//
// Dodge and burn are one clamped quotient of bytes x and d:
//   Quotient(x, d) = 255 where x >= d (this covers d = 0), else 256 x div d,
// Dodge(a, b) = Quotient(a, 255 - b) and Burn(a, b) = 255 - Quotient(255 - a,
// b). The division is made in single precision, as in Dodge::Lane and
// Burn::Lane, whose quotients truncate exactly (see Blend.h).
//
// No byte is widened by unpacking: the four bytes of each 32-bit lane are
// masked out where they stand, so byte k of every lane is a multiple of
// 256^k. The numerator's mask sits one byte above the denominator's, which
// makes the factor 256.

#include <cstring>

#include "kernels/QuotientRows.h"

namespace qv::quotient {

template <class V>
[[gnu::always_inline]] inline typename V::Vec Quotient(typename V::Vec x, typename V::Vec d) {
  using Vec = typename V::Vec;
  const Vec byte0 = V::Set32(0xFF), byte1 = V::Set32(0xFF00), byte2 = V::Set32(0xFF0000);
  const Vec xUp = V::template ShiftLeft32<8>(x), dDown = V::template ShiftRight32<8>(d);
  // Numerator and denominator of byte k, as (256 x 256^j, d 256^j).
  const Vec n[4] = {V::And(xUp, byte1), V::And(x, byte1), V::And(x, byte2),
                    V::And(V::template ShiftRight32<16>(x), byte1)};
  const Vec m[4] = {V::And(d, byte0), V::And(dDown, byte0), V::And(dDown, byte1),
                    V::template ShiftRight32<16>(dDown)};
  // Where x >= d the quotient is 256 or more, infinite or NaN, and its
  // byte is anything; those bytes become 255.
  const Vec q = V::PackBytes(V::Quotient32(n[0], m[0]), V::Quotient32(n[1], m[1]),
                             V::Quotient32(n[2], m[2]), V::Quotient32(n[3], m[3]));
  return V::Or(q, V::AtLeast(x, d));
}

template <class V, bool kBurn>
[[gnu::always_inline]] inline typename V::Vec Blend(typename V::Vec a, typename V::Vec b) {
  const typename V::Vec ones = V::Set32(-1);
  if constexpr (kBurn) return V::Xor(Quotient<V>(V::Xor(a, ones), b), ones);
  return Quotient<V>(a, V::Xor(b, ones));
}

// Each block is loaded before it is stored, so the target may be either
// input; the tail goes through a block on the stack, so nothing past the
// row's end is read or written.
template <class V, bool kBurn>
[[gnu::always_inline]] inline void Row(std::uint8_t *target, const std::uint8_t *x,
                                       const std::uint8_t *y, std::size_t bytes) {
  std::size_t i = 0;
  for (; i + V::kBytes <= bytes; i += V::kBytes)
    V::Store(target + i, Blend<V, kBurn>(V::Load(x + i), V::Load(y + i)));
  if (i == bytes) return;
  alignas(64) std::uint8_t a[V::kBytes] = {}, b[V::kBytes] = {}, out[V::kBytes];
  std::memcpy(a, x + i, bytes - i);
  std::memcpy(b, y + i, bytes - i);
  V::Store(out, Blend<V, kBurn>(V::Load(a), V::Load(b)));
  std::memcpy(target + i, out, bytes - i);
}

}  // namespace qv::quotient
