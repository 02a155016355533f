#include "kernels/StreamedRender.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <memory>
#include <optional>

#include "codecs/FileWriter.h"
#include "codecs/JpegReader.h"
#include "codecs/JpegWriter.h"
#include "codecs/Metadata.h"
#include "gfx/BandPipeline.h"
#include "gfx/LargeMemory.h"
#include "kernels/RecipeRows.h"
#include "kernels/Recipes.h"

namespace qv {

namespace {

// A band is one row of JPEG blocks at the usual 2x2 subsampling, which is
// what libjpeg decodes at a time; the decoder may run up to this much ahead
// of the encoder, enough to cover the loading of the artwork.
constexpr int kBandRows = 16;
constexpr std::size_t kAheadBytes = std::size_t(4) << 20;
constexpr int kQuality = 90;
// What decoding and encoding cost per pixel, in blur passes of a colour
// picture: the share of an art effect's passes each thread takes on.
constexpr double kDecodeWork = 8.5, kEncodeWork = 9.5;
// The decoder renders a band itself once the encoder is this many bands
// behind it.
constexpr int kBehindToHelp = 2;

}  // namespace

bool RenderStreamed(int categoryId, int n, std::span<const std::uint8_t> input,
                    const std::string &outputPath, const KernelEnv &env,
                    const WriteOptions &options,
                    const std::function<void(const std::vector<Text> &)> &warn) {
  const Recipe &recipe = RecipeFor(categoryId, n);
  if (!RendersInBands(recipe) || SniffFormat(input) != PictureFormat::Jpeg ||
      FormatFromExtension(outputPath) != PictureFormat::Jpeg)
    return false;
  JpegReader reader(input, true);
  reader.ReadMetadata();
  if (reader.Orientation() != 1) return false;
  const std::size_t segmentsAtStart = reader.MetadataSegmentCount();

  const RunScope run(env.Control);
  const int width = reader.Width(), height = reader.Height();
  const std::size_t rowBytes = std::size_t(width) * 3, bandBytes = rowBytes * kBandRows;
  const int bands = (height + kBandRows - 1) / kBandRows;
  const int slots = int(std::clamp<std::size_t>(kAheadBytes / bandBytes, 2, 64));
  // Bands are fully written before they are read, so nothing fills them first.
  const LargeBlock ring = MakeLargeBlock(bandBytes * std::size_t(slots));
  const LargeBlock renderedRing = MakeLargeBlock(bandBytes * std::size_t(slots));
  const RowRing source{ring.get(), rowBytes, kBandRows * slots};
  const RowRing rendered{renderedRing.get(), rowBytes, kBandRows * slots};

  // An art effect's passes are shared between the two threads, so the
  // steps are made ready before the decoding starts; without one the
  // artwork loads while the first bands are decoded.
  std::optional<RecipeRows> steps;
  auto prepare = [&] {
    steps.emplace(recipe.Steps, width, height, env, RenderSize::FullSize, clWhite,
                  ArtThreads{kDecodeWork, kEncodeWork, kBandRows * slots});
  };
  if (!WorksByRows(recipe.Steps.front())) {
    prepare();
    // The whole-picture path reports the failure after the picture's damage.
    if (steps->Failure()) return false;
  }
  const bool inOrder = steps && steps->InOrder();
  // Result band b is made once source band b + behind is in.
  const int lag = steps ? steps->Lag() : 0, behind = (lag + kBandRows - 1) / kBandRows;

  FileWriter file(outputPath, options.ReplaceReadOnly);
  std::optional<JpegWriter> writer;
  bool readWhole = false;
  // Row steps make any band on either thread. The encoding thread renders
  // a band unless the decoding one did, which it does while the other has
  // fallen behind, so that neither core waits while the other one works.
  std::atomic<bool> prepared{false};
  std::atomic<int> encoded{0};
  std::vector<int> renderedAhead(std::size_t(slots),
                                 -1);  // the band each slot holds, by the decoder
  auto render = [&](int band) {
    const int first = band * kBandRows, last = std::min(first + kBandRows, height);
    steps->Run(source.From(first), rendered.From(first), first, last);
  };
  BandPipelineStages stages;
  stages.Held = behind;
  stages.Make = [&](int band, int slot) {
    const int first = band * kBandRows, count = std::min(kBandRows, height - first);
    std::uint8_t *pointers[kBandRows];
    for (int i = 0; i < count; ++i) pointers[i] = source[first + i];
    reader.ReadRows(pointers, count);
    if (reader.NextRow() < first + count || band + 1 == bands) {
      reader.Finish();  // too few rows is an error; the last band ends the decode
      readWhole = true;
    }
    if (inOrder) {
      steps->Advance(source, first + count);
    } else if (band - encoded.load(std::memory_order_relaxed) >= kBehindToHelp &&
               prepared.load(std::memory_order_acquire)) {
      render(band);
      renderedAhead[std::size_t(slot)] = band;
    }
  };
  stages.Start = [&] {
    if (!steps) {
      prepare();
      if (steps->Failure()) std::rethrow_exception(steps->Failure());
    }
    prepared.store(true, std::memory_order_release);
    const Metadata written = options.StripMetadata || reader.Meta().Empty()
                                 ? Metadata()
                                 : MetadataForOutput(reader.Meta(), width, height);
    writer.emplace(width, height, options.Quality ? options.Quality : kQuality, written, file);
  };
  auto encode = [&](int band) {
    if (inOrder || renderedAhead[std::size_t(band % slots)] != band) render(band);
    const int first = band * kBandRows, last = std::min(first + kBandRows, height);
    const std::uint8_t *pointers[kBandRows];
    for (int y = first; y < last; ++y) pointers[y - first] = rendered[y];
    writer->WriteRows(pointers, last - first);
    encoded.store(band + 1, std::memory_order_relaxed);
  };
  stages.Take = [&](int band, int) {
    // The last source band lets the result bands still behind it out.
    const int through = band + 1 == bands ? bands : band + 1 - behind;
    for (int made = std::max(band - behind, 0); made < through; ++made) encode(made);
  };
  stages.Finish = [&] { writer->Finish(); };
  try {
    RunBandPipeline(bands, slots, stages);
  } catch (...) {
    // A picture read whole is reported before what went wrong after it.
    if (readWhole) warn(reader.Warnings());
    throw;
  }
  if (reader.MetadataSegmentCount() != segmentsAtStart) return false;
  warn(reader.Warnings());
  file.Commit();
  return true;
}

}  // namespace qv
