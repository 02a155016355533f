#include "kernels/AssetStore.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "codecs/Codecs.h"
#include "gfx/Text.h"

namespace qv {

namespace {

namespace fs = std::filesystem;

// The entry of dir spelled like part up to case, or part itself.
std::string MatchEntry(const fs::path &dir, std::string_view part) {
  std::error_code error;
  if (fs::exists(dir / part, error)) return std::string(part);
  std::string best;
  for (fs::directory_iterator it(dir, error), end; !error && it != end; it.increment(error)) {
    const std::string name = it->path().filename().string();
    if (EqualCaseBlind(name, part) && (best.empty() || name < best)) best = name;
  }
  return best.empty() ? std::string(part) : best;
}

// The fixed head goes over the first bytes in place; data shorter than the
// head grows to its length.
Bitmap DecodeAssetBytes(std::span<std::uint8_t> data) {
  if (data.size() < kAssetHead.size()) {
    Bytes grown(data.begin(), data.end());
    grown.resize(kAssetHead.size());
    return DecodeAssetBytes(grown);
  }
  std::copy(kAssetHead.begin(), kAssetHead.end(), data.begin());
  return DecodeJpeg(data);
}

}  // namespace

std::string FindCaseBlind(const std::string &base, std::initializer_list<std::string_view> parts) {
  fs::path path(base);
  for (std::string_view part : parts) path /= MatchEntry(path, part);
  return path.string();
}

std::string AssetPath(const KernelEnv &env, std::string_view folder, std::string_view name) {
  const std::string file = std::string(name) + ".ssl";
  return FindCaseBlind(env.AppDir, {"pic", folder, file});
}

Bitmap DecodeAsset(std::span<const std::uint8_t> file) {
  Bytes copy(file.begin(), file.end());
  return DecodeAssetBytes(copy);
}

void LoadAsset(const std::string &fileName, Bitmap &bitmap) {
  FileContents file = ReadFileContents(fileName);
  bitmap = DecodeAssetBytes({file.data(), file.size()});
}

Bitmap LoadAsset(const KernelEnv &env, std::string_view folder, std::string_view name) {
  Bitmap asset;
  LoadAsset(AssetPath(env, folder, name), asset);
  return asset;
}

}  // namespace qv
