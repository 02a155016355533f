#pragma once

// The per-channel blend catalogue. Each blend takes two channel values
// 0..255 (A first, B second; the order matters) and returns 0..255. The
// shifts of 7 and 8 and the factor 256 are part of the program's look and
// are kept exactly: BlendScreen(0, 0) is 1, BlendDodge(255, 0) clamps 256.

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
// the blend inlined into its inner loop.
struct Dodge {
  static constexpr int Apply(int a, int b) { return BlendDodge(a, b); }
};
struct Screen {
  static constexpr int Apply(int a, int b) { return BlendScreen(a, b); }
};
struct Lighten {
  static constexpr int Apply(int a, int b) { return BlendLighten(a, b); }
};
struct Darken {
  static constexpr int Apply(int a, int b) { return BlendDarken(a, b); }
};
struct HardLight {
  static constexpr int Apply(int a, int b) { return BlendHardLight(a, b); }
};
struct Burn {
  static constexpr int Apply(int a, int b) { return BlendBurn(a, b); }
};
struct Overlay {
  static constexpr int Apply(int a, int b) { return BlendOverlay(a, b); }
};

}  // namespace qv
