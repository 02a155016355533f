#include "AssetFixture.h"

#include <stdlib.h>

#include <filesystem>
#include <stdexcept>

#include "kernels/AssetStore.h"

namespace qv::test {

namespace fs = std::filesystem;

AssetRoot::AssetRoot() {
  std::string pattern = (fs::temp_directory_path() / "qv-assets-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary folder");
  dir_ = pattern + "/";
}

AssetRoot::~AssetRoot() {
  std::error_code ignored;
  fs::remove_all(dir_, ignored);
}

std::string AssetRoot::WriteBytes(std::string_view folder, std::string_view name,
                                  const Bytes &bytes) {
  const fs::path folderPath = fs::path(dir_) / "pic" / folder;
  fs::create_directories(folderPath);
  const std::string path = (folderPath / (std::string(name) + ".ssl")).string();
  WriteFileBytes(path, bytes);
  return path;
}

void AssetRoot::WriteCompleteSet() {
  int seed = 0;
  for (const AssetFolder &folder : AssetFolders())
    for (int n = 1; n <= folder.Files; ++n)
      Write(folder.Name, std::to_string(n), Varied(24 + n, 16 + 2 * n, seed += 29));
}

Bitmap Uniform(int width, int height, TColor color) {
  Bitmap bitmap(width, height);
  bitmap.SetBrushColor(color);
  bitmap.Fill();
  bitmap.SetBrushColor(clWhite);
  return bitmap;
}

Bitmap Varied(int width, int height, int seed) {
  Bitmap bitmap(width, height);
  for (int r = 0; r < height; ++r)
    for (std::size_t i = 0; i < bitmap.RowBytes(); ++i)
      bitmap.ScanLine(r)[i] = std::uint8_t((int(i) * 7 + r * 13 + seed) & 255);
  return bitmap;
}

Bitmap SplitBlackWhite(int width, int height, int splitX) {
  Bitmap bitmap = Uniform(width, height, clWhite);
  bitmap.SetBrushColor(clBlack);
  bitmap.FillRect({0, 0, splitX, height});
  bitmap.SetBrushColor(clWhite);
  return bitmap;
}

Bitmap AllByteValues() {
  Bitmap bitmap(86, 1);
  for (std::size_t i = 0; i < bitmap.RowBytes(); ++i) bitmap.ScanLine(0)[i] = std::uint8_t(i);
  return bitmap;
}

::testing::AssertionResult AllPixels(const Bitmap &bitmap, TColor color) {
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x)
      if (bitmap.Pixel(x, y) != color)
        return ::testing::AssertionFailure()
               << "pixel (" << x << ", " << y << ") is 0x" << std::hex << bitmap.Pixel(x, y);
  return ::testing::AssertionSuccess();
}

}  // namespace qv::test
