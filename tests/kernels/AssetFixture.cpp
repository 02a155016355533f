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

std::string AssetRoot::Write(std::string_view folder, std::string_view name,
                             const Bitmap &picture) {
  return WriteBytes(folder, name, EncodeJpeg(picture));
}

void AssetRoot::WriteCompleteSet() {
  int seed = 0;
  for (const AssetFolder &folder : kAssetFolders)
    for (int n = 1; n <= folder.Files; ++n)
      Write(folder.Name, std::to_string(n), Varied(24 + n, 16 + 2 * n, seed += 29));
}

Bitmap Uniform(int width, int height, TColor color) {
  Bitmap bitmap(width, height);
  bitmap.SetBrushColor(color);
  bitmap.Fill();
  bitmap.SetBrushColor(clWhite);  // a fresh bitmap's brush
  return bitmap;
}

Bitmap Varied(int width, int height, int seed) {
  Bitmap bitmap(width, height);
  for (int r = 0; r < height; ++r) {
    std::uint8_t *row = bitmap.ScanLine(r);
    for (std::size_t i = 0; i < bitmap.RowBytes(); ++i)
      row[i] = std::uint8_t((int(i) * 7 + r * 13 + seed) & 255);
  }
  return bitmap;
}

Bitmap SplitBlackWhite(int width, int height, int splitX) {
  Bitmap bitmap = Uniform(width, height, clWhite);
  bitmap.SetBrushColor(clBlack);
  bitmap.FillRect({0, 0, splitX, height});
  bitmap.SetBrushColor(clWhite);
  return bitmap;
}

}  // namespace qv::test
