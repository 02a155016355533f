#include "kernels/LightMap.h"

#include <algorithm>
#include <string>

#include "kernels/AssetStore.h"
#include "kernels/ChannelPass.h"
#include "kernels/ColorPass.h"
#include "kernels/Greyscale.h"

namespace qv {

bool IsOverlayFolder(std::string_view folder) {
  std::string lower(folder);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; });
  return lower == "gradient" || lower == "texture";
}

void OverlayPickedColor(Bitmap &bmp, const KernelEnv &env) {
  const auto picked = env.AskColor();
  if (!picked) return;
  Greyscale(bmp);
  ColorPass<Overlay>(bmp, *picked);
}

void ApplyLightMap(const Bitmap &source, Bitmap &dest, std::string_view folder,
                   std::string_view name, const KernelEnv &env) {
  if (&source == &dest) {  // the map is drawn into dest before the picture is read
    const Bitmap picture(source);
    ApplyLightMap(picture, dest, folder, name, env);
    return;
  }
  const Bitmap asset = LoadAsset(env, folder, name);
  const int width = source.Width(), height = source.Height();
  dest.Recreate(width, height);
  dest.StretchDraw({0, 0, width, height}, asset);
  if (env.PickColorFlag()) OverlayPickedColor(dest, env);
  if (IsOverlayFolder(folder))
    ChannelPass<Overlay>(dest, source, dest, dest);
  else
    ChannelPass<Screen>(dest, source, dest, dest);
}

}  // namespace qv
