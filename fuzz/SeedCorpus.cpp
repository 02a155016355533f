// qv-fuzz-seeds DIR: writes the seed corpora of the fuzzers, DIR/jpeg,
// DIR/bmp, DIR/asset, DIR/png, DIR/webp, DIR/tiff and DIR/heif, from
// pictures built in code, and DIR/look, from look files written out here.

#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>
#include <string_view>

#include "fuzz/FormatSamples.h"
#include "fuzz/SampleFiles.h"

namespace {

qv::Bytes Text(std::string_view text) {
  return qv::Bytes(text.begin(), text.end());
}

// Looks as a person's files hold them: one of each kind of step, a look of
// a newer minor version with keys this one does not know, and JSON nested
// far deeper than any look, which must be refused without exhausting the
// stack.
qv::samples::NamedFiles LookSeeds() {
  const std::string head = R"({"format": "quorvane-look", "version": )";
  qv::samples::NamedFiles seeds = {
      {"one-step.qvlook", Text(head + R"("1.0", "name": "Warm", "steps": [)"
                                      R"({"effect": "light-a", "number": 3, "strength": 90}]})")},
      {"colours-and-masks.qvlook",
       Text(head +
            R"("1.0", "name": "Frames", "steps": [)"
            R"({"effect": "edge-a", "number": 2, "colors": ["FF8000", null], "brush": "FFFFFF"},)"
            R"({"effect": "preset", "number": 5, "colors": []},)"
            R"({"effect": "art", "number": 1, "mask": {"linear": [0, 0, 1, 0.5], "invert": true}},)"
            R"({"effect": "light-b", "number": 7, "mask": {"radial": [0.5, 0.5, 0.4, 0.3],)"
            R"( "feather": 0.25}}]})")},
      {"newer-minor.qvlook",
       Text(head + R"("1.9", "name": "Later", "made-by": "x",)"
                   R"( "steps": [{"effect": "star", "number": 4, "note": {}}]})")},
  };
  seeds.push_back({"deep.json", Text(std::string(100000, '[') + std::string(100000, ']'))});
  return seeds;
}

}  // namespace

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
        {"heif", qv::samples::HeifSeeds()},   {"look", LookSeeds()},
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
