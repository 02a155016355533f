#include "kernels/LightMap.h"

#include <string>

#include "gfx/Bands.h"
#include "gfx/Text.h"
#include "kernels/AssetStore.h"
#include "kernels/ChannelPass.h"
#include "kernels/ColorPass.h"
#include "kernels/Greyscale.h"

namespace qv {

bool IsOverlayFolder(std::string_view folder) {
  return EqualCaseBlind(folder, "gradient") || EqualCaseBlind(folder, "texture");
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
  const bool overlay = IsOverlayFolder(folder);
  if (env.PickColorFlag()) {
    dest.StretchDraw({0, 0, width, height}, asset);
    OverlayPickedColor(dest, env);
    if (overlay)
      ChannelPass<Overlay>(dest, source, dest, dest);
    else
      ChannelPass<Screen>(dest, source, dest, dest);
    return;
  }
  // The map is stretched a band at a time and blended while the band is
  // still in the cache, instead of being written out whole and read back.
  const ChannelRowFn blend = overlay ? RowOf<Overlay>::Run : RowOf<Screen>::Run;
  const std::size_t bytes = dest.RowBytes();
  ForEachBand(height, 16, WorthSharing(std::size_t(height) * bytes), [&](int first, int last) {
    dest.StretchDrawRows({0, 0, width, height}, asset, first, last);
    for (int r = first; r < last; ++r)
      blend(dest.ScanLine(r), source.ScanLine(r), dest.ScanLine(r), bytes);
  });
}

}  // namespace qv
