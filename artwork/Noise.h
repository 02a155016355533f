#pragma once

#include <cstdint>

namespace qv::art {

// Smooth value noise on an integer lattice, 0 to 1. A period of 0 means the
// lattice never repeats; a positive period wraps the lattice so the noise
// tiles every `period` units.
float ValueNoise(float x, float y, std::uint32_t seed, int periodX = 0, int periodY = 0);

// Fractal sum of value noise octaves (each twice the frequency, `gain` the
// amplitude), normalised to 0..1. Periods double with the octaves, so a
// periodic fbm tiles as well.
float Fbm(float x, float y, std::uint32_t seed, int octaves, float gain = 0.5f, int periodX = 0,
          int periodY = 0);

// Distances to the nearest and second nearest of one jittered point per
// lattice cell (Worley noise): F2 - F1 is small on cell borders, which draws
// cracks, cells and pebbles.
struct CellDistances {
  float f1, f2;
};
CellDistances Cells(float x, float y, std::uint32_t seed);

}  // namespace qv::art
