#include "bench/BenchMain.h"

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "bench/TimingReporter.h"

namespace qv::bench {

Bitmap NoisePicture(int width, int height, unsigned seed) {
  Bitmap b(width, height);
  std::uint32_t s = seed * 2654435761u + 1;
  for (int y = 0; y < height; ++y) {
    std::uint8_t *row = b.ScanLine(y);
    for (std::size_t i = 0; i < b.RowBytes(); ++i) {
      s ^= s << 13;
      s ^= s >> 17;
      s ^= s << 5;
      row[i] = std::uint8_t(s >> 24);
    }
  }
  return b;
}

namespace {

void BM_Memcpy(benchmark::State &state) {
  const Bitmap source = NoisePicture(kWidth, kHeight, 1);
  Bitmap target(kWidth, kHeight);
  for (auto _ : state) {
    std::memcpy(target.Bits(), source.Bits(), source.ByteCount());
    benchmark::DoNotOptimize(target.Bits());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(source.ByteCount()));
}
BENCHMARK(BM_Memcpy)->Unit(benchmark::kMillisecond)->UseRealTime();

// Remembers each case's real time so that the ratios can be printed after
// the usual table.
class RatioReporter : public TimingReporter {
 public:
  void PrintRatios() const {
    const auto copy = times_.find("BM_Memcpy/real_time");
    if (copy == times_.end()) return;
    std::printf("\n%-50s %12s\n", "case (time relative to memcpy of the same bytes)", "ratio");
    // The mask cases work on 24 MP pictures and have a table of their own.
    for (const auto &[name, time] : times_)
      if (name.rfind("BM_DecodeAssets/", 0) != 0 && name.rfind("BM_Thumbnails/", 0) != 0 &&
          !IsMaskCase(name) && name.rfind("BM_Strip/", 0) != 0)
        std::printf("%-50s %12.2f\n", name.c_str(), time / copy->second);
    // Thumbnails against the decoding of the asset files they read.
    bool heading = false;
    for (const auto &[name, time] : times_) {
      if (name.rfind("BM_Thumbnails/", 0) != 0) continue;
      const std::string category = name.substr(14);
      const auto decode = times_.find("BM_DecodeAssets/" + category);
      if (decode == times_.end()) continue;
      if (!heading)
        std::printf("\n%-50s %12s\n", "ten thumbnails, relative to decoding their assets", "ratio");
      heading = true;
      std::printf("%-50s %12.2f\n", category.c_str(), time / decode->second);
    }
    PrintStripRatios();
    // The mixes through a mask against the strength mix of the same pictures.
    const auto strength = times_.find("BM_StrengthMix24MP/real_time");
    if (strength == times_.end()) return;
    std::printf("\n%-50s %12s\n", "24 MP, relative to the strength mix", "ratio");
    for (const auto &[name, time] : times_)
      if (name.rfind("BM_MaskedMix", 0) == 0)
        std::printf("%-50s %12.2f\n", name.c_str(), time / strength->second);
  }

 private:
  // The fitted strip against the classic one of the same category.
  void PrintStripRatios() const {
    bool heading = false;
    for (const auto &[name, time] : times_) {
      if (name.rfind("BM_Strip/", 0) != 0) continue;
      const std::size_t last = name.rfind('/', name.size() - std::string("/real_time").size() - 1);
      const auto classic = times_.find(name.substr(0, last) + "/classic/real_time");
      if (classic == times_.end() || classic->first == name) continue;
      if (!heading)
        std::printf("\n%-50s %12s\n", "24 MP strip, relative to the classic strip", "ratio");
      heading = true;
      std::printf("%-50s %12.2f\n", name.c_str(), time / classic->second);
    }
  }

  static bool IsMaskCase(const std::string &name) {
    return name.find("24MP") != std::string::npos || name.rfind("BM_Dab", 0) == 0;
  }
};

}  // namespace
}  // namespace qv::bench

int main(int argc, char **argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  qv::bench::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios();
  benchmark::Shutdown();
  return 0;
}
