#include "kernels/RecipeRows.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "gfx/Bands.h"
#include "gfx/Error.h"
#include "kernels/AssetMatte.h"
#include "kernels/ColorKernels.h"
#include "kernels/Greyscale.h"
#include "kernels/LightMap.h"
#include "kernels/LinePattern.h"

namespace qv {

namespace {

class CopyStep : public RowStep {
 public:
  explicit CopyStep(int width) : bytes_(std::size_t(width) * 3) {}
  void Run(PictureRows in, PictureRows out, int first, int last, RowScratch &) const override {
    for (int y = first; y < last; ++y) std::memcpy(out[y], in[y], bytes_);
  }

 private:
  std::size_t bytes_;
};

class GreyscaleStep : public RowStep {
 public:
  explicit GreyscaleStep(int width) : width_(width) {}
  void Run(PictureRows, PictureRows out, int first, int last, RowScratch &) const override {
    for (int y = first; y < last; ++y) GreyscaleRow(out[y], std::size_t(width_));
  }

 private:
  int width_;
};

std::unique_ptr<RowStep> Prepare(const RecipeStep &step, int width, int height,
                                 const KernelEnv &env, RenderSize size, TColor &brush) {
  const std::string file = std::to_string(step.Number);
  switch (step.Kind) {
    case StepKind::LightMap:
      return LightMapRows(width, height, step.FolderFor(size), file, env);
    case StepKind::MatteWhite:
      return AssetMatteRows(width, height, step.FolderFor(size), file, clWhite, env, brush);
    case StepKind::MatteYellow:
      return AssetMatteRows(width, height, step.FolderFor(size), file, clYellow, env, brush);
    case StepKind::ColorWash:
      return ColorWashByAssetRows(width, height, step.Color, env);
    case StepKind::LinePattern:
      return LinePatternRows(width, height, step.Number, env, brush);
    case StepKind::CopySource:
      return std::make_unique<CopyStep>(width);
    case StepKind::Greyscale:
      return std::make_unique<GreyscaleStep>(width);
    case StepKind::Burn:
      return BurnWithColorRows(width, step.Color, env);
    case StepKind::FourColor:
      return FourColorOverlayRows(width, height);
    case StepKind::ColorTone:
      return ColorToneByAssetRows(width, height, step.Number, step.Color, env);
    case StepKind::StageResult:
      return nullptr;
    case StepKind::ArtEffect:
      break;
  }
  throw Error("An art effect needs the whole picture");
}

}  // namespace

bool WorksByRows(const RecipeStep &step) {
  return step.Kind != StepKind::ArtEffect;
}

bool RendersByRows(const Recipe &recipe) {
  return std::all_of(recipe.Steps.begin(), recipe.Steps.end(), WorksByRows);
}

RecipeRows::RecipeRows(std::span<const RecipeStep> steps, int width, int height,
                       const KernelEnv &env, RenderSize size, TColor brush)
    : width_(width), height_(height), brush_(brush) {
  try {
    for (const RecipeStep &step : steps)
      entries_.push_back({&step, Prepare(step, width, height, env, size, brush_)});
  } catch (...) {
    failure_ = std::current_exception();
  }
}

RecipeRows::~RecipeRows() = default;

void RecipeRows::Run(PictureRows source, PictureRows result, int first, int last,
                     PictureRows stage) const {
  if (first >= last || width_ == 0) return;
  RowScratch scratch(width_);
  // Staging keeps the band's result rows while later steps read them.
  std::vector<std::uint8_t> held;
  const std::size_t bytes = std::size_t(width_) * 3;
  for (const Entry &entry : entries_) {
    if (!entry.Rows) {
      held.resize(bytes * std::size_t(last - first));
      stage = {held.data(), bytes, first};
      for (int y = first; y < last; ++y) std::memcpy(stage[y], result[y], bytes);
      continue;
    }
    const PictureRows from = entry.Step->From == StepInput::Stage ? stage : source;
    entry.Rows->Run(from, result, first, last, scratch);
  }
}

void RecipeRows::RunWhole(const Bitmap &source, Bitmap &result, const Bitmap &stage) const {
  const PictureRows from = RowsOf(source), to = RowsOf(result), staged = RowsOf(stage);
  ForEachBand(height_, 16, WorthSharing(std::size_t(height_) * std::size_t(width_) * 3),
              [&](int first, int last) { Run(from, to, first, last, staged); });
}

}  // namespace qv
