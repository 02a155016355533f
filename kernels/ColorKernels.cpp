#include "kernels/ColorKernels.h"

#include <cstddef>

#include "gfx/Bands.h"
#include "kernels/AssetStore.h"
#include "kernels/BlendByLuminance.h"
#include "kernels/ChannelPass.h"
#include "kernels/ColorPass.h"
#include "kernels/Greyscale.h"
#include "kernels/Stretch.h"

namespace qv {

namespace {

constexpr TColor kQuadTopLeft = 0x00FF00;      // green
constexpr TColor kQuadTopRight = 0xFF00FF;     // magenta
constexpr TColor kQuadBottomLeft = 0x00FFFF;   // yellow
constexpr TColor kQuadBottomRight = 0x0080FF;  // orange

}  // namespace

void BurnWithColor(Bitmap &bmp, TColor color, const KernelEnv &env) {
  if (env.PickColorFlag())
    if (const auto picked = env.AskColor()) color = *picked;
  ColorPass<Burn>(bmp, color);
}

void FourColorOverlay(Bitmap &bmp) {
  Greyscale(bmp);
  const int width = bmp.Width(), height = bmp.Height();
  const std::size_t bytes = bmp.RowBytes();
  if (bytes == 0 || height == 0) return;
  const int halfWidth = width / 2, halfHeight = height / 2;
  // Every row of the quadrant picture is one of two rows: the top one or
  // the bottom one.
  Bitmap quad(width, 2);
  const TColor colors[4] = {kQuadTopLeft, kQuadTopRight, kQuadBottomLeft, kQuadBottomRight};
  const Rect rects[4] = {{0, 0, halfWidth, 1},
                         {halfWidth, 0, width, 1},
                         {0, 1, halfWidth, 2},
                         {halfWidth, 1, width, 2}};
  for (int k = 0; k < 4; ++k) {
    quad.SetBrushColor(colors[k]);
    quad.FillRect(rects[k]);
  }
  ForEachBand(height, 32, WorthSharing(std::size_t(height) * bytes), [&](int first, int last) {
    for (int r = first; r < last; ++r) {
      std::uint8_t *row = bmp.ScanLine(r);
      ChannelPassRow<Overlay>(row, row, quad.ScanLine(r < halfHeight ? 0 : 1), bytes);
    }
  });
}

void ColorToneByAsset(Bitmap &bmp, int mode, TColor color, const KernelEnv &env) {
  Bitmap other = LoadAsset(env, "color", "1");
  const Bitmap map = StretchedTo(other, bmp.Width(), bmp.Height());
  if (mode == 1) {
    other = bmp;
    Greyscale(bmp);
    BurnWithColor(bmp, color, env);
  } else {
    Greyscale(bmp);
    other = bmp;
    BurnWithColor(other, color, env);
  }
  BlendByLuminance(bmp, other, map);
}

void ColorWashByAsset(const Bitmap &source, Bitmap &dest, TColor color, const KernelEnv &env) {
  if (&source == &dest) {  // the wash map is drawn into dest before the picture is read
    const Bitmap picture(source);
    ColorWashByAsset(picture, dest, color, env);
    return;
  }
  const Bitmap asset = LoadAsset(env, "color", "2");
  const int width = source.Width(), height = source.Height();
  dest.Recreate(width, height);
  dest.StretchDraw({0, 0, width, height}, asset);
  if (env.PickColorFlag())
    if (const auto picked = env.AskColor()) color = *picked;
  Bitmap fill;
  fill.Recreate(width, height);
  fill.SetBrushColor(color);
  fill.Fill();
  BlendByLuminance(fill, source, dest);
  ChannelPass<Overlay>(dest, fill, dest, fill);
}

}  // namespace qv
