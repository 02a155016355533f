#pragma once

// Shared pieces of the engine benchmarks: the standard 4000 x 3000 test
// pictures and a main that prints each case's time as a ratio to a plain
// memcpy of the same picture bytes, measured in the same run.

#include <benchmark/benchmark.h>

#include "gfx/Bitmap.h"

namespace qv::bench {

inline constexpr int kWidth = 4000;
inline constexpr int kHeight = 3000;

// A deterministic picture with varied bytes (no flat areas that would flatter
// a branchy kernel).
Bitmap NoisePicture(int width, int height, unsigned seed);

// Times an in-place kernel on a fresh copy of the standard picture each
// iteration; the copy itself is not timed.
template <class Kernel>
void TimeOnFreshCopy(benchmark::State &state, Kernel kernel) {
  const Bitmap picture = NoisePicture(kWidth, kHeight, 1);
  Bitmap work(kWidth, kHeight);
  for (auto _ : state) {
    state.PauseTiming();
    work = picture;
    state.ResumeTiming();
    kernel(work);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(work.ByteCount()));
}

}  // namespace qv::bench
