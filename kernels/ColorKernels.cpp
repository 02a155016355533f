#include "kernels/ColorKernels.h"

#include <cstddef>
#include <cstring>
#include <utility>

#include "kernels/AssetStore.h"
#include "kernels/BlendByLuminance.h"
#include "kernels/ChannelPass.h"
#include "kernels/Greyscale.h"

namespace qv {

namespace {

constexpr TColor kQuadTopLeft = 0x00FF00;      // green
constexpr TColor kQuadTopRight = 0xFF00FF;     // magenta
constexpr TColor kQuadBottomLeft = 0x00FFFF;   // yellow
constexpr TColor kQuadBottomRight = 0x0080FF;  // orange

// The caller's colour, or while one may be picked the answer (a cancelled
// answer keeps the caller's).
TColor AskedColor(TColor color, const KernelEnv &env) {
  if (env.PickColorFlag())
    if (const auto picked = env.AskColor()) return *picked;
  return color;
}

class BurnStep : public RowStep {
 public:
  BurnStep(TColor color, int width) : color_(ColorRow(color, width)) {}
  void Run(PictureRows, PictureRows out, int first, int last, RowScratch &) const override {
    for (int y = first; y < last; ++y) BurnRow(out[y], out[y], color_.data(), color_.size());
  }

 private:
  const std::vector<std::uint8_t> color_;
};

// Every row of the quadrant picture is one of two rows: the top one or the
// bottom one.
class FourColorStep : public RowStep {
 public:
  FourColorStep(int width, int height)
      : width_(width), halfHeight_(height / 2), quad_(width, width > 0 ? 2 : 0) {
    const int halfWidth = width / 2;
    const TColor colors[4] = {kQuadTopLeft, kQuadTopRight, kQuadBottomLeft, kQuadBottomRight};
    const Rect rects[4] = {{0, 0, halfWidth, 1},
                           {halfWidth, 0, width, 1},
                           {0, 1, halfWidth, 2},
                           {halfWidth, 1, width, 2}};
    for (int k = 0; k < 4; ++k) {
      quad_.SetBrushColor(colors[k]);
      quad_.FillRect(rects[k]);
    }
  }
  void Run(PictureRows, PictureRows out, int first, int last, RowScratch &) const override {
    for (int y = first; y < last; ++y) {
      GreyscaleRow(out[y], std::size_t(width_));
      OverlayRow(out[y], out[y], quad_.ScanLine(y < halfHeight_ ? 0 : 1), quad_.RowBytes());
    }
  }

 private:
  const int width_, halfHeight_;
  Bitmap quad_;
};

// The tone map is stretched from colour asset 1; "other" is the untouched
// row (mode 1) or the burned grey one (other modes).
class ColorToneStep : public RowStep {
 public:
  ColorToneStep(Bitmap asset, int width, int height, int mode, TColor color)
      : asset_(std::move(asset)),
        map_(asset_, width, height),
        mode_(mode),
        width_(width),
        color_(ColorRow(color, width)) {}

  void Run(PictureRows, PictureRows out, int first, int last, RowScratch &scratch) const override {
    const std::size_t bytes = color_.size(), pixels = std::size_t(width_);
    StretchedRow map(map_, scratch.Row(0));
    std::uint8_t *other = scratch.Row(1);
    for (int y = first; y < last; ++y) {
      std::uint8_t *row = out[y];
      if (mode_ == 1) {
        std::memcpy(other, row, bytes);
        GreyscaleRow(row, pixels);
        BurnRow(row, row, color_.data(), bytes);
      } else {
        GreyscaleRow(row, pixels);
        std::memcpy(other, row, bytes);
        BurnRow(other, other, color_.data(), bytes);
      }
      LuminanceMixRow(row, row, other, map.At(y), pixels, scratch.Mix());
    }
  }

 private:
  const Bitmap asset_;
  const StretchMap map_;
  const int mode_, width_;
  const std::vector<std::uint8_t> color_;
};

// The wash map is stretched from colour asset 2; the picture is mixed with
// the flat colour by it, then overlaid with it.
class ColorWashStep : public RowStep {
 public:
  ColorWashStep(Bitmap asset, int width, int height, TColor color)
      : asset_(std::move(asset)), map_(asset_, width, height), fill_(ColorRow(color, width)) {}

  void Run(PictureRows in, PictureRows out, int first, int last,
           RowScratch &scratch) const override {
    const std::size_t bytes = fill_.size();
    StretchedRow map(map_, scratch.Row(0));
    std::uint8_t *mixed = scratch.Row(1);
    for (int y = first; y < last; ++y) {
      const std::uint8_t *wash = map.At(y);
      LuminanceMixRow(mixed, fill_.data(), in[y], wash, bytes / 3, scratch.Mix());
      OverlayRow(out[y], mixed, wash, bytes);
    }
  }

 private:
  const Bitmap asset_;
  const StretchMap map_;
  const std::vector<std::uint8_t> fill_;
};

}  // namespace

std::unique_ptr<RowStep> BurnWithColorRows(int width, TColor color, const KernelEnv &env) {
  return std::make_unique<BurnStep>(AskedColor(color, env), width);
}

std::unique_ptr<RowStep> FourColorOverlayRows(int width, int height) {
  return std::make_unique<FourColorStep>(width, height);
}

std::unique_ptr<RowStep> ColorToneByAssetRows(int width, int height, int mode, TColor color,
                                              const KernelEnv &env) {
  Bitmap asset = LoadAsset(env, "color", "1");
  return std::make_unique<ColorToneStep>(std::move(asset), width, height, mode,
                                         AskedColor(color, env));
}

std::unique_ptr<RowStep> ColorWashByAssetRows(int width, int height, TColor color,
                                              const KernelEnv &env) {
  Bitmap asset = LoadAsset(env, "color", "2");
  return std::make_unique<ColorWashStep>(std::move(asset), width, height, AskedColor(color, env));
}

void BurnWithColor(Bitmap &bmp, TColor color, const KernelEnv &env) {
  RunRowStep(*BurnWithColorRows(bmp.Width(), color, env), bmp, bmp);
}

void FourColorOverlay(Bitmap &bmp) {
  RunRowStep(*FourColorOverlayRows(bmp.Width(), bmp.Height()), bmp, bmp);
}

void ColorToneByAsset(Bitmap &bmp, int mode, TColor color, const KernelEnv &env) {
  RunRowStep(*ColorToneByAssetRows(bmp.Width(), bmp.Height(), mode, color, env), bmp, bmp);
}

void ColorWashByAsset(const Bitmap &source, Bitmap &dest, TColor color, const KernelEnv &env) {
  if (&source == &dest) {  // the result rows are written before the picture's are read
    const Bitmap picture(source);
    ColorWashByAsset(picture, dest, color, env);
    return;
  }
  const auto step = ColorWashByAssetRows(source.Width(), source.Height(), color, env);
  dest.Recreate(source.Width(), source.Height());
  RunRowStep(*step, source, dest);
}

}  // namespace qv
