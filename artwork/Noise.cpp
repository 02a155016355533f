#include "artwork/Noise.h"

#include <cmath>

#include "artwork/Random.h"

namespace qv::art {

namespace {

float Lattice(int x, int y, std::uint32_t seed, int px, int py) {
  if (px > 0) x = ((x % px) + px) % px;
  if (py > 0) y = ((y % py) + py) % py;
  return float(Hash(std::uint32_t(x), std::uint32_t(y), seed) >> 8) * (1.0f / 16777216.0f);
}

float Fade(float t) {
  return t * t * (3.0f - 2.0f * t);
}

}  // namespace

float ValueNoise(float x, float y, std::uint32_t seed, int periodX, int periodY) {
  const float fx = std::floor(x), fy = std::floor(y);
  const int ix = int(fx), iy = int(fy);
  const float tx = Fade(x - fx), ty = Fade(y - fy);
  const float a = Lattice(ix, iy, seed, periodX, periodY);
  const float b = Lattice(ix + 1, iy, seed, periodX, periodY);
  const float c = Lattice(ix, iy + 1, seed, periodX, periodY);
  const float d = Lattice(ix + 1, iy + 1, seed, periodX, periodY);
  const float top = a + (b - a) * tx, bottom = c + (d - c) * tx;
  return top + (bottom - top) * ty;
}

float Fbm(float x, float y, std::uint32_t seed, int octaves, float gain, int periodX, int periodY) {
  float sum = 0, amplitude = 1, total = 0;
  for (int o = 0; o < octaves; ++o) {
    sum += amplitude * ValueNoise(x, y, seed + std::uint32_t(o) * 1013u, periodX, periodY);
    total += amplitude;
    amplitude *= gain;
    x *= 2;
    y *= 2;
    periodX *= 2;
    periodY *= 2;
  }
  return sum / total;
}

CellDistances Cells(float x, float y, std::uint32_t seed) {
  const int cx = int(std::floor(x)), cy = int(std::floor(y));
  float f1 = 1e9f, f2 = 1e9f;
  for (int j = -1; j <= 1; ++j) {
    for (int i = -1; i <= 1; ++i) {
      const std::uint32_t h = Hash(std::uint32_t(cx + i), std::uint32_t(cy + j), seed);
      const float px = float(cx + i) + float(h & 0xFFFF) / 65536.0f;
      const float py = float(cy + j) + float(h >> 16) / 65536.0f;
      const float d = std::hypot(px - x, py - y);
      if (d < f1) {
        f2 = f1;
        f1 = d;
      } else if (d < f2) {
        f2 = d;
      }
    }
  }
  return {f1, f2};
}

}  // namespace qv::art
