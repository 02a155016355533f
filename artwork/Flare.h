#pragma once

#include <cstdint>

#include "artwork/Canvas.h"

namespace qv::art {

// Composite light shapes shared by the light, star and weather families.

// A lens flare: a bright source at (sx, sy), its halo, and a chain of ghost
// discs and rings along the line through the picture's centre.
void AddLensFlare(Canvas &canvas, float sx, float sy, Rgb tint, std::uint32_t seed);

// Rays fanning out from (cx, cy) over the angles [from, to] radians, each a
// soft line fading to its tip; `count` rays of random length up to `length`.
void AddRays(Canvas &canvas, float cx, float cy, float from, float to, int count, float length,
             float width, Rgb color, std::uint32_t seed);

// A corner or edge light leak: a broad glow of `inner` colour melting into
// `outer`, made uneven by noise like light that slipped past a film door.
void AddLeak(Canvas &canvas, float cx, float cy, float radiusX, float radiusY, Rgb inner, Rgb outer,
             std::uint32_t seed);

// Scattered out-of-focus discs of the `palette` colours.
void AddBokeh(Canvas &canvas, int count, float minRadius, float maxRadius, const Rgb *palette,
              int paletteSize, float strength, std::uint32_t seed);

}  // namespace qv::art
