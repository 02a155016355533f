#include "kernels/AssetMatte.h"

#include "kernels/AssetStore.h"
#include "kernels/ColorMatte.h"
#include "kernels/Stretch.h"

namespace qv {

namespace {

void AssetMatte(const Bitmap &source, Bitmap &dest, std::string_view folder, std::string_view name,
                TColor defaultColor, const KernelEnv &env) {
  const Bitmap asset = LoadAsset(env, folder, name);
  const Bitmap map = StretchedTo(asset, source.Width(), source.Height());
  ColorMatte(source, dest, map, defaultColor, env);
}

}  // namespace

void AssetMatteWhite(const Bitmap &source, Bitmap &dest, std::string_view folder,
                     std::string_view name, const KernelEnv &env) {
  AssetMatte(source, dest, folder, name, clWhite, env);
}

void AssetMatteYellow(const Bitmap &source, Bitmap &dest, std::string_view folder,
                      std::string_view name, const KernelEnv &env) {
  AssetMatte(source, dest, folder, name, clYellow, env);
}

}  // namespace qv
