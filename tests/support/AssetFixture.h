#pragma once

// Test helpers: a throw-away asset root (pic/<folder>/<name>.ssl written at
// run time with the program's own JPEG encoder), test pictures and checks.

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "codecs/Codecs.h"
#include "gfx/Bitmap.h"
#include "kernels/KernelEnv.h"

namespace qv::test {

class AssetRoot {
 public:
  AssetRoot();
  ~AssetRoot();
  AssetRoot(const AssetRoot &) = delete;
  AssetRoot &operator=(const AssetRoot &) = delete;

  const std::string &Dir() const { return dir_; }
  std::string WriteBytes(std::string_view folder, std::string_view name, const Bytes &bytes);
  std::string Write(std::string_view folder, std::string_view name, const Bitmap &picture) {
    return WriteBytes(folder, name, EncodeJpeg(picture));
  }
  // Every folder the artwork ships, each file a different pattern.
  void WriteCompleteSet();
  KernelEnv Env(ColorPrompt *prompt = nullptr) const { return KernelEnv{dir_, prompt}; }

 private:
  std::string dir_;
};

Bitmap Uniform(int width, int height, TColor color);  // brush left white
// Byte i of row r is (7 i + 13 r + seed) & 255.
Bitmap Varied(int width, int height, int seed = 0);
// Black left of splitX, white from it on; a multiple of 16 keeps the edge
// exact through JPEG.
Bitmap SplitBlackWhite(int width, int height, int splitX);
// One row holding every byte value.
Bitmap AllByteValues();

::testing::AssertionResult AllPixels(const Bitmap &bitmap, TColor color);

// Every byte of out is f(byte of in, channel 0 blue .. 2 red).
template <class F>
::testing::AssertionResult EachByte(const Bitmap &in, const Bitmap &out, F f) {
  if (in.Width() != out.Width() || in.Height() != out.Height())
    return ::testing::AssertionFailure() << "sizes differ";
  for (int y = 0; y < in.Height(); ++y)
    for (std::size_t i = 0; i < in.RowBytes(); ++i)
      if (out.ScanLine(y)[i] != f(in.ScanLine(y)[i], int(i % 3)))
        return ::testing::AssertionFailure()
               << "row " << y << " byte " << i << " is " << int(out.ScanLine(y)[i]);
  return ::testing::AssertionSuccess();
}

}  // namespace qv::test
