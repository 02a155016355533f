#pragma once

// The twenty-one filter kernels of the effect component, as free functions
// on 24-bit bitmaps, and the helpers they share. One file per kernel.
//
// Arithmetic is fixed to the byte: integers are 32-bit with division
// truncating toward zero, floating point is 80-bit extended (long double)
// unless a kernel stores an intermediate as float, and rounding to an
// integer takes halves to even.
//
// One-bitmap kernels work in place. Two-bitmap kernels read s and write d,
// giving d the size of s; s and d may be the same bitmap. A kernel that fails
// throws qv::Error (see FilterErrors.h) before it writes any pixel.

#include <cstdint>

#include "effects/ClampToByte.h"
#include "effects/Random.h"
#include "gfx/Bitmap.h"

namespace qv {

// Point filters.
void ApplyInvert(Bitmap &bmp);
void ApplyGrayScale(Bitmap &bmp);
void ApplyLightness(Bitmap &bmp, int amount);
void ApplyDarkness(Bitmap &bmp, int amount);
void ApplyContrast(Bitmap &bmp, int amount);
void ApplySaturation(Bitmap &bmp, int amount);
// The noise draws from `random` in pixel order, blue, green, red.
void ApplyColorNoise(Bitmap &bmp, int amount, RandomGenerator &random);
void ApplyMonoNoise(Bitmap &bmp, int amount, RandomGenerator &random);
void ApplySolorize(const Bitmap &s, Bitmap &d, int threshold);
void ApplyPosterize(const Bitmap &s, Bitmap &d, int level);

// Area filters. All of them overwrite the bitmap in a fixed order, and later
// pixels read what earlier ones wrote.
void ApplySplitBlur(Bitmap &bmp, int amount);
// One row of the split blur at distance a > 0, from its upper and lower
// sample rows, pixels of `channels` bytes (3, or 1 for a grey plane). row
// may be one of the sample rows (in place at the top and bottom edges); its
// pixels are then read as far as they are already written.
void SplitBlurRow(std::uint8_t *row, const std::uint8_t *upper, const std::uint8_t *lower,
                  int width, int a, int channels);
void ApplyGaussianBlur(Bitmap &bmp, int amount);
void ApplyMosaic(Bitmap &bmp, int size);
void SmoothArea(Bitmap &bmp, int x1, int y1, int x2, int y2);
void ApplyAntiAlias(Bitmap &bmp);
void ApplyEmboss(Bitmap &bmp);
void ApplyTrace(Bitmap &bmp, int amount);

// Geometric and lighting filters.
void ApplyFishEye(const Bitmap &s, Bitmap &d, int amount);
void ApplyTwist(const Bitmap &s, Bitmap &d, int amount);
void ApplyTile(const Bitmap &s, Bitmap &d, int count);
void ApplySpotLight(Bitmap &d, int amount, Rect spot);
void ApplySplitlight(Bitmap &bmp, int amount);

// Angle of the vector (x, y) in radians, in (-pi/2, 3pi/2); -pi/2 for (0, 0).
float PolarAngle(float x, float y);
// Bilinear sample of s at (sx, sy), wrapping around the edges; writes blue,
// green and red to out[0..2]. s must not be empty.
void SampleWrapped(const Bitmap &s, float sx, float sy, std::uint8_t *out);
// Resizes s into the size t already has, with 15-bit fixed-point weights.
void ShrinkBilinear(const Bitmap &s, Bitmap &t);
// The sine tone curve of the split light, 0..255 onto 0..255.
int SineLift(int v);

}  // namespace qv
