#include "kernels/AssetMatte.h"

#include <utility>

#include "kernels/AssetStore.h"
#include "kernels/ColorMatte.h"

namespace qv {

namespace {

class AssetMatteStep : public RowStep {
 public:
  AssetMatteStep(Bitmap asset, int width, int height, TColor color)
      : asset_(std::move(asset)), map_(asset_, width, height), fill_(ColorRow(color, width)) {}

  void Run(PictureRows in, PictureRows out, int first, int last,
           RowScratch &scratch) const override {
    StretchedRow map(map_, scratch.Row(0));
    for (int y = first; y < last; ++y) MatteRow(out[y], in[y], fill_, map.At(y), scratch);
  }

 private:
  const Bitmap asset_;
  const StretchMap map_;
  const std::vector<std::uint8_t> fill_;
};

void AssetMatte(const Bitmap &source, Bitmap &dest, std::string_view folder, std::string_view name,
                TColor defaultColor, const KernelEnv &env) {
  if (&source == &dest) {  // the fill would wipe the picture before it is read
    const Bitmap picture(source);
    AssetMatte(picture, dest, folder, name, defaultColor, env);
    return;
  }
  TColor brush = dest.BrushColor();
  const auto step =
      AssetMatteRows(source.Width(), source.Height(), folder, name, defaultColor, env, brush);
  dest.Recreate(source.Width(), source.Height());
  dest.SetBrushColor(brush);
  RunRowStep(*step, source, dest);
}

}  // namespace

std::unique_ptr<RowStep> AssetMatteRows(int width, int height, std::string_view folder,
                                        std::string_view name, TColor defaultColor,
                                        const KernelEnv &env, TColor &brush) {
  Bitmap asset = LoadAsset(env, folder, name);
  const TColor color = MatteColor(defaultColor, env, brush);
  return std::make_unique<AssetMatteStep>(std::move(asset), width, height, color);
}

void AssetMatteWhite(const Bitmap &source, Bitmap &dest, std::string_view folder,
                     std::string_view name, const KernelEnv &env) {
  AssetMatte(source, dest, folder, name, clWhite, env);
}

void AssetMatteYellow(const Bitmap &source, Bitmap &dest, std::string_view folder,
                      std::string_view name, const KernelEnv &env) {
  AssetMatte(source, dest, folder, name, clYellow, env);
}

}  // namespace qv
