#include "kernels/LightMap.h"

#include <optional>
#include <string>
#include <utility>

#include "kernels/AssetStore.h"
#include "kernels/Categories.h"
#include "kernels/ChannelPass.h"
#include "kernels/ColorPass.h"
#include "kernels/Greyscale.h"

namespace qv {

namespace {

class LightMapStep : public RowStep {
 public:
  LightMapStep(Bitmap asset, int width, int height, bool overlay, std::optional<TColor> tint)
      : asset_(std::move(asset)),
        map_(asset_, width, height),
        blend_(overlay ? RowOf<Overlay>::Run : RowOf<Screen>::Run),
        width_(width),
        tinted_(tint.has_value()),
        tint_(ColorRow(tint.value_or(0), width)) {}

  // The map row is stretched once per source row it shows (and recoloured
  // while a colour is picked), then blended with the picture's row.
  void Run(PictureRows in, PictureRows out, int first, int last,
           RowScratch &scratch) const override {
    const std::size_t bytes = std::size_t(width_) * 3;
    StretchedRow map(map_, scratch.Row(0));
    auto recolour = [&](std::uint8_t *row) {
      if (!tinted_) return;
      GreyscaleRow(row, std::size_t(width_));
      OverlayRow(row, row, tint_.data(), bytes);
    };
    for (int y = first; y < last; ++y) blend_(out[y], in[y], map.At(y, recolour), bytes);
  }

 private:
  const Bitmap asset_;
  const StretchMap map_;
  const ChannelRowFn blend_;
  const int width_;
  const bool tinted_;
  const std::vector<std::uint8_t> tint_;
};

}  // namespace

bool IsOverlayFolder(std::string_view folder) {
  return BlendOfFolder(folder) == MapBlend::Overlay;
}

void OverlayPickedColor(Bitmap &bmp, const KernelEnv &env) {
  const auto picked = env.AskColor();
  if (!picked) return;
  Greyscale(bmp);
  ColorPass<Overlay>(bmp, *picked);
}

std::unique_ptr<RowStep> LightMapRows(int width, int height, std::string_view folder,
                                      std::string_view name, const KernelEnv &env) {
  Bitmap asset = LoadAsset(env, folder, name);
  const std::optional<TColor> tint = env.PickColorFlag() ? env.AskColor() : std::nullopt;
  return std::make_unique<LightMapStep>(std::move(asset), width, height, IsOverlayFolder(folder),
                                        tint);
}

void ApplyLightMap(const Bitmap &source, Bitmap &dest, std::string_view folder,
                   std::string_view name, const KernelEnv &env) {
  if (&source == &dest) {  // the map is drawn into dest before the picture is read
    const Bitmap picture(source);
    ApplyLightMap(picture, dest, folder, name, env);
    return;
  }
  const auto step = LightMapRows(source.Width(), source.Height(), folder, name, env);
  dest.Recreate(source.Width(), source.Height());
  RunRowStep(*step, source, dest);
}

}  // namespace qv
