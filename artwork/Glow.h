#pragma once

#include "artwork/Canvas.h"

namespace qv::art {

// Additive light. Every helper touches only the box where its light is
// visible, so hundreds of small glows stay cheap.

// Round gaussian glow; `sigma` in pixels, `color` is the peak added.
void AddGlow(Canvas &canvas, float cx, float cy, float sigma, Rgb color);
// Elongated gaussian turned by `angle` (radians): streaks, beams, haze bands.
void AddEllipseGlow(Canvas &canvas, float cx, float cy, float sigmaAlong, float sigmaAcross,
                    float angle, Rgb color);
// Flat disc with a soft edge of `feather` pixels and an optional brighter rim:
// the out-of-focus highlight of a lens (bokeh).
void AddSoftDisc(Canvas &canvas, float cx, float cy, float radius, float feather, Rgb color,
                 float rim = 0.f);
// Gaussian ring of radius `radius` and half-width `sigma`: halos and rings.
void AddRing(Canvas &canvas, float cx, float cy, float radius, float sigma, Rgb color);
// A glint: a small core glow with `rays` thin spikes fading over `length`.
void AddSparkle(Canvas &canvas, float cx, float cy, float length, int rays, float angle, Rgb color);

}  // namespace qv::art
