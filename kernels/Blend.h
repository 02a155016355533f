#pragma once

// The per-channel blend catalogue. Each blend takes two channel values
// 0..255 (A first, B second; the order matters) and returns 0..255. The
// shifts of 7 and 8 and the factor 256 are part of the program's look and
// are kept exactly: BlendScreen(0, 0) is 1, BlendDodge(255, 0) clamps 256.

#include <cstddef>
#include <cstdint>

namespace qv {

constexpr int BlendDodge(int a, int b) {
  if (b == 255) return 255;
  const int q = (a * 256) / (255 - b);
  return q <= 255 ? q : 255;
}

constexpr int BlendScreen(int a, int b) {
  return 255 - (((255 - a) * (255 - b)) >> 8);
}

constexpr int BlendLighten(int a, int b) {
  return b >= a ? b : a;
}

constexpr int BlendDarken(int a, int b) {
  return b <= a ? b : a;
}

constexpr int BlendHardLight(int a, int b) {
  return b < 128 ? (a * b) >> 7 : 255 - (((255 - b) * (255 - a)) >> 7);
}

constexpr int BlendBurn(int a, int b) {
  if (b == 0) return 0;
  const int q = 255 - ((255 - a) * 256) / b;
  return q >= 0 ? q : 0;
}

constexpr int BlendOverlay(int a, int b) {
  return a < 128 ? (a * b) >> 7 : 255 - (((255 - a) * (255 - b)) >> 7);
}

// Blends as template arguments, so a pass is compiled once per blend with
// the blend inlined into its inner loop. Lane() is the same function written
// in forms the vectoriser can use (16-bit products, float division); a test
// checks it against Apply() for all 65536 pairs.
// Dodge and burn divide an integer below 2^16 by one of 1..255. The single
// precision quotient truncates to the integer quotient wherever that is
// below 256 (a quotient just under an integer n < 256 sits at least
// 1 / (255 n) below it, far more than float's rounding), and above 255 it
// only needs to stay above 255; the pair test proves both for every input.
struct Dodge {
  static constexpr int Apply(int a, int b) { return BlendDodge(a, b); }
  static std::uint8_t Lane(std::uint8_t a, std::uint8_t b) {
    const int d = b == 255 ? 1 : 255 - b;
    const int q = int(float(a * 256) / float(d));
    const int clamped = q < 255 ? q : 255;
    return std::uint8_t(b == 255 ? 255 : clamped);
  }
};
struct Screen {
  static constexpr int Apply(int a, int b) { return BlendScreen(a, b); }
  static std::uint8_t Lane(std::uint8_t a, std::uint8_t b) {
    return std::uint8_t(255 - (std::uint16_t((255 - a) * (255 - b)) >> 8));
  }
};
struct Lighten {
  static constexpr int Apply(int a, int b) { return BlendLighten(a, b); }
  static std::uint8_t Lane(std::uint8_t a, std::uint8_t b) { return b >= a ? b : a; }
};
struct Darken {
  static constexpr int Apply(int a, int b) { return BlendDarken(a, b); }
  static std::uint8_t Lane(std::uint8_t a, std::uint8_t b) { return b <= a ? b : a; }
};
// Overlay's two halves are one product: for a >= 128, flipping a, b and the
// result (x ^ 255 = 255 - x) turns the upper half into the lower, whose
// product (at most 127 x 255 >> 7 = 252) stays within a byte. So no lane
// computes both halves and picks one.
struct Overlay {
  static constexpr int Apply(int a, int b) { return BlendOverlay(a, b); }
  static std::uint8_t Lane(std::uint8_t a, std::uint8_t b) {
    const auto flip = std::uint8_t(std::int8_t(a) >> 7);
    const auto product = std::uint16_t(std::uint8_t(a ^ flip) * std::uint8_t(b ^ flip));
    return std::uint8_t(std::uint8_t(product >> 7) ^ flip);
  }
};
struct HardLight {
  static constexpr int Apply(int a, int b) { return BlendHardLight(a, b); }
  static std::uint8_t Lane(std::uint8_t a, std::uint8_t b) { return Overlay::Lane(b, a); }
};
struct Burn {
  static constexpr int Apply(int a, int b) { return BlendBurn(a, b); }
  static std::uint8_t Lane(std::uint8_t a, std::uint8_t b) {
    const int d = b == 0 ? 1 : b;
    const int q = 255 - int(float((255 - a) * 256) / float(d));
    const int clamped = q > 0 ? q : 0;
    return std::uint8_t(b == 0 ? 0 : clamped);
  }
};

}  // namespace qv
