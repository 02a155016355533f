// Runs a fuzz target's entry point once over each file named, or over
// every file of each folder named, in name order: the fixed inputs of the
// seed and regression corpora, replayed in any build (the sanitizers' one
// catches what a fuzzing run would). A fault ends the process as it would
// end the fuzzer's; a path that is missing is an error, so a moved corpus
// cannot pass unseen.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> InputsOf(const fs::path &path) {
  if (!fs::is_directory(path)) return {path};
  std::vector<fs::path> files;
  for (const auto &entry : fs::directory_iterator(path))
    if (entry.is_regular_file()) files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  return files;
}

}  // namespace

int main(int argc, char **argv) {
  int replayed = 0;
  for (int i = 1; i < argc; ++i) {
    if (!fs::exists(argv[i])) {
      std::fprintf(stderr, "replay: %s does not exist\n", argv[i]);
      return 2;
    }
    for (const fs::path &file : InputsOf(argv[i])) {
      std::ifstream in(file, std::ios::binary);
      const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
      std::printf("replay: %s (%zu bytes)\n", file.c_str(), bytes.size());
      std::fflush(stdout);  // the last line names the input if it crashes
      LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
      ++replayed;
    }
  }
  if (replayed == 0) {
    std::fprintf(stderr, "replay: no inputs\n");
    return 2;
  }
  std::printf("replay: %d inputs ran clean\n", replayed);
  return 0;
}
