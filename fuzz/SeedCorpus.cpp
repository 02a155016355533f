// qv-fuzz-seeds DIR: writes the seed corpora of the fuzzers, DIR/jpeg,
// DIR/bmp, DIR/asset, DIR/png, DIR/webp, DIR/tiff and DIR/heif, from
// pictures built in code.

#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

#include "fuzz/FormatSamples.h"
#include "fuzz/SampleFiles.h"

int main(int argc, char **argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: qv-fuzz-seeds DIR\n");
    return 2;
  }
  namespace fs = std::filesystem;
  try {
    const std::pair<const char *, qv::samples::NamedFiles> corpora[] = {
        {"jpeg", qv::samples::JpegSeeds()},   {"bmp", qv::samples::BmpSeeds()},
        {"asset", qv::samples::AssetSeeds()}, {"png", qv::samples::PngSeeds()},
        {"webp", qv::samples::WebpSeeds()},   {"tiff", qv::samples::TiffSeeds()},
        {"heif", qv::samples::HeifSeeds()},
    };
    for (const auto &[folder, files] : corpora) {
      const fs::path dir = fs::path(argv[1]) / folder;
      fs::create_directories(dir);
      for (const auto &[name, bytes] : files) qv::WriteFileBytes((dir / name).string(), bytes);
    }
  } catch (const std::exception &e) {
    std::fprintf(stderr, "qv-fuzz-seeds: %s\n", e.what());
    return 1;
  }
  return 0;
}
