#include "kernels/RecipeRows.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "gfx/BandPipeline.h"
#include "gfx/Bands.h"
#include "gfx/Error.h"
#include "gfx/RunControl.h"
#include "gfx/VectorState.h"
#include "kernels/AssetMatte.h"
#include "kernels/ColorKernels.h"
#include "kernels/Greyscale.h"
#include "kernels/LightMap.h"
#include "kernels/LinePattern.h"

namespace qv {

namespace {

// The whole-picture run of an art effect: bands of this many rows, the
// first passes at most this many bands ahead of the others.
constexpr int kArtBand = 16;
constexpr int kArtSlots = 4;
// The art effect's rings are made for what the run asks of them.
static_assert(ArtThreads{}.AheadRows >= kArtBand * kArtSlots);

// The steps after an art effect run with its second group of passes.
ArtThreads WithLaterSteps(ArtThreads threads, std::span<const RecipeStep> later) {
  // In the units of ArtThreads: a light map or a matte costs about a blur
  // pass, staging half of one.
  for (const RecipeStep &step : later)
    threads.Taking += step.Kind == StepKind::StageResult ? 0.5 : 1;
  return threads;
}

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
  throw Error(QV_TEXT("An art effect needs the whole picture"));
}

}  // namespace

bool WorksByRows(const RecipeStep &step) {
  return step.Kind != StepKind::ArtEffect;
}

bool RunsInBands(std::span<const RecipeStep> steps) {
  return steps.empty() || std::all_of(steps.begin() + 1, steps.end(), WorksByRows);
}

bool RendersInBands(const Recipe &recipe) {
  const std::vector<RecipeStep> &steps = recipe.Steps;
  return RunsInBands(steps) &&
         (steps.empty() || WorksByRows(steps.front()) || steps.front().From == StepInput::Source);
}

RecipeRows::RecipeRows(std::span<const RecipeStep> steps, int width, int height,
                       const KernelEnv &env, RenderSize size, TColor brush,
                       const ArtThreads &threads)
    : width_(width), height_(height), brush_(brush) {
  try {
    for (const RecipeStep &step : steps) {
      std::unique_ptr<RowStep> rows;
      if (step.Kind == StepKind::ArtEffect && entries_.empty())
        art_ = std::make_unique<ArtRows>(step.Number, width, height, env,
                                         WithLaterSteps(threads, steps.subspan(1)));
      else
        rows = Prepare(step, width, height, env, size, brush_);
      entries_.push_back({&step, std::move(rows)});
    }
  } catch (...) {
    failure_ = std::current_exception();
  }
}

RecipeRows::~RecipeRows() = default;

void RecipeRows::Advance(const RowRing &input, int ready) {
  if (art_) art_->Advance(input, ready);
}

void RecipeRows::Run(PictureRows source, PictureRows result, int first, int last,
                     PictureRows stage) {
  if (first >= last || width_ == 0) return;
  RowScratch scratch(width_);
  // Staging keeps the band's result rows while later steps read them.
  std::vector<std::uint8_t> held;
  const std::size_t bytes = std::size_t(width_) * 3;
  for (const Entry &entry : entries_) {
    const PictureRows from = entry.Step->From == StepInput::Stage ? stage : source;
    if (entry.Rows) {
      entry.Rows->Run(from, result, first, last, scratch);
    } else if (entry.Step->Kind == StepKind::ArtEffect) {
      art_->Run(from, result, first, last);
    } else {
      held.resize(bytes * std::size_t(last - first));
      stage = {held.data(), bytes, first};
      for (int y = first; y < last; ++y) std::memcpy(stage[y], result[y], bytes);
    }
  }
}

void RecipeRows::RunWhole(const Bitmap &source, Bitmap &result, const Bitmap &stage) {
  const PictureRows from = RowsOf(source), to = RowsOf(result), staged = RowsOf(stage);
  const bool shared = WorthSharing(std::size_t(height_) * std::size_t(width_) * 3);
  if (!InOrder()) {
    ForEachBand(height_, 16, shared,
                [&](int first, int last) { Run(from, to, first, last, staged); });
    return;
  }
  // The art effect's first passes on this thread, its others and the later
  // steps on a second one, each band of results once the passes before
  // have gone a lag further.
  const Bitmap &input = entries_.front().Step->From == StepInput::Stage ? stage : source;
  const RowRing rows{const_cast<std::uint8_t *>(input.Bits()), input.RowBytes(),
                     std::max(height_, 1)};
  const int bands = (height_ + kArtBand - 1) / kArtBand;
  auto make = [&](int band) {
    const ProgressSpan part(band, bands);
    art_->Advance(rows, std::min(height_, (band + 1) * kArtBand + art_->Lag()));
  };
  auto take = [&](int band) {
    const int first = band * kArtBand;
    Run(from, to, first, std::min(first + kArtBand, height_), staged);
  };
  if (!shared) {
    for (int band = 0; band < bands; ++band) make(band), take(band);
    return;
  }
  BandPipelineStages stages;
  stages.Make = [&](int band, int) { make(band); };
  stages.Start = [] { ClearUpperVectorState(); };
  stages.Take = [&](int band, int) { take(band); };
  stages.Finish = [] {};
  ClearUpperVectorState();
  RunBandPipeline(bands, kArtSlots, stages);
}

}  // namespace qv
