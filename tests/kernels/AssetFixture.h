#pragma once

// A throw-away asset root for tests: pic/<folder>/<name>.ssl files written
// at run time with the program's own JPEG encoder.

#include <string>
#include <string_view>

#include "codecs/Codecs.h"
#include "gfx/Bitmap.h"
#include "gfx/Color.h"
#include "kernels/KernelEnv.h"

namespace qv::test {

class AssetRoot {
 public:
  AssetRoot();
  ~AssetRoot();
  AssetRoot(const AssetRoot &) = delete;
  AssetRoot &operator=(const AssetRoot &) = delete;

  const std::string &Dir() const { return dir_; }
  // Writes the JPEG of picture as pic/folder/name.ssl; returns the path.
  std::string Write(std::string_view folder, std::string_view name, const Bitmap &picture);
  std::string WriteBytes(std::string_view folder, std::string_view name, const Bytes &bytes);
  // Every folder the artwork ships, each file a different pattern.
  void WriteCompleteSet();
  KernelEnv Env(ColorPrompt *prompt = nullptr) const { return KernelEnv{dir_, prompt}; }

 private:
  std::string dir_;
};

Bitmap Uniform(int width, int height, TColor color);
// Every byte different from its neighbours: byte i of row r is
// (i * 7 + r * 13 + seed) & 255.
Bitmap Varied(int width, int height, int seed = 0);
// Black columns left of splitX, white from it on (keep splitX a multiple of
// 16 and the edge stays sharp through JPEG).
Bitmap SplitBlackWhite(int width, int height, int splitX);

}  // namespace qv::test
