#pragma once

#include "artwork/Canvas.h"

namespace qv::art {

struct Point {
  float x = 0, y = 0;
};

// Adds light along a segment: full strength within `width`/2 of it, fading
// out over `soft` pixels beyond (soft >= 1 gives clean anti-aliased edges).
// `fadeEnd` scales the light at b (1 = even, 0 = fades out towards b).
void AddLine(Canvas &canvas, Point a, Point b, float width, float soft, Rgb color,
             float fadeEnd = 1.f);

// Paints an opaque anti-aliased segment of `width` with round caps.
void PaintLine(Canvas &canvas, Point a, Point b, float width, Rgb color, float opacity = 1.f);

}  // namespace qv::art
