#include "batch/BatchRun.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <mutex>
#include <new>

#include <nettle/sha2.h>

#include "gfx/Bands.h"
#include "gfx/Error.h"
#include "gfx/LongEdge.h"
#include "kernels/ScriptedColorPrompt.h"
#include "kernels/StreamedRender.h"

namespace qv {

std::vector<Text> RenderPicture(const PictureRecipe &recipe, const std::string &input,
                                const std::string &output, const CancelToken *cancel) {
  const RunScope run({.Cancel = cancel});
  KernelEnv env(recipe.AppDir);
  env.Control.Cancel = cancel;
  const FileContents bytes = ReadFileContents(input);
  const Step &first = recipe.Steps.front();
  std::vector<Text> warnings;
  // One effect at full size and strength streams from JPEG to JPEG.
  if (recipe.Steps.size() == 1 && recipe.LongEdge == 0 && !first.IsLook() &&
      !first.AsksWhenApplied() && first.Strength == kFullStrength && !first.Mask.Any()) {
    ScriptedColorPrompt answers(first.Colors);
    env.Prompt = first.PickedColors ? &answers : nullptr;
    const auto warn = [&](const std::vector<Text> &found) { warnings = found; };
    if (RenderStreamed(first.Category, first.Number, bytes, output, env, recipe.Writing, warn))
      return warnings;
  }
  DecodedPicture picture = DecodePicture(bytes, input);
  if (recipe.CheckPicture) recipe.CheckPicture(picture.Pixels, input);
  ScriptedColorPrompt asked(recipe.Answers);
  env.Prompt = recipe.Answered ? &asked : nullptr;
  PictureRef made = Share(std::move(picture.Pixels));
  for (const Step &step : recipe.Steps) made = ApplyStep(step, made, env);
  if (recipe.LongEdge > 0) {
    CheckCancelled();
    made = Share(ReduceToLongEdge(*made, recipe.LongEdge));
  }
  CheckCancelled();
  WritePictureFile(output, *made, picture.Meta, recipe.Writing);
  return std::move(picture.Warnings);
}

const char *StatusWord(BatchStatus status) {
  switch (status) {
    case BatchStatus::Written:
      return "ok";
    case BatchStatus::Skipped:
      return "skipped";
    case BatchStatus::Failed:
      return "failed";
    case BatchStatus::Cancelled:
      return "cancelled";
  }
  return "failed";
}

namespace {

// The message of the exception being handled.
Text CurrentErrorText() {
  try {
    throw;
  } catch (const std::bad_alloc &) {
    return QV_TEXT("out of memory");
  } catch (const Error &e) {
    return e.Message();
  } catch (const std::exception &e) {
    return Text::Verbatim(e.what());
  } catch (...) {
    return QV_TEXT("unknown failure");
  }
}

// SHA-256 of the file's bytes in lower-case hex, as sha256sum prints it;
// empty when it cannot be read.
std::string Sha256OfFile(const std::string &path) {
  try {
    const FileContents bytes = ReadFileContents(path);
    sha256_ctx context;
    sha256_init(&context);
    sha256_update(&context, bytes.size(), bytes.data());
    std::uint8_t digest[SHA256_DIGEST_SIZE];
    sha256_digest(&context, sizeof digest, digest);
    static const char kHex[] = "0123456789abcdef";
    std::string text;
    for (const std::uint8_t byte : digest) text += {kHex[byte >> 4], kHex[byte & 15]};
    return text;
  } catch (...) {
    return {};
  }
}

BatchResult RunItem(const BatchItem &item, const PictureRecipe &recipe, const CancelToken *cancel) {
  BatchResult result;
  result.Input = item.Input;
  result.Output = item.Output;
  const auto start = std::chrono::steady_clock::now();
  if (cancel && cancel->IsCancelled()) {
    result.Status = BatchStatus::Cancelled;
  } else if (!item.Failure.Empty()) {
    result.Message = item.Failure;
  } else if (item.Skip) {
    result.Status = BatchStatus::Skipped;
    result.Message = QV_TEXT("the result exists");
  } else {
    try {
      const std::filesystem::path folder = std::filesystem::path(item.Output).parent_path();
      std::error_code made;
      if (!folder.empty()) std::filesystem::create_directories(folder, made);
      if (made)
        throw Error(Say(QV_TEXT("Cannot make the folder %1: %2"), folder.string(), made.message()));
      result.Message = JoinedWarnings(RenderPicture(recipe, item.Input, item.Output, cancel));
      result.Status = BatchStatus::Written;
    } catch (const Cancelled &) {
      result.Status = BatchStatus::Cancelled;
    } catch (...) {
      result.Message = CurrentErrorText();
    }
  }
  if (result.Status == BatchStatus::Cancelled) result.Message = QV_TEXT("cancelled");
  if (result.Status == BatchStatus::Written || result.Status == BatchStatus::Skipped)
    result.Sha256 = Sha256OfFile(item.Output);
  result.Milliseconds = std::chrono::duration_cast<std::chrono::milliseconds>(
                            std::chrono::steady_clock::now() - start)
                            .count();
  return result;
}

}  // namespace

std::vector<BatchResult> RunBatch(const std::vector<BatchItem> &plan, const PictureRecipe &recipe,
                                  const CancelToken *cancel, BatchObserver &observer) {
  std::vector<BatchResult> results(plan.size());
  std::mutex telling;
  const int total = int(plan.size());
  // One picture per band: its own passes stay on the band's core.
  ForEachBand(total, 1, total > 1, [&](int i, int) {
    const BatchItem &item = plan[std::size_t(i)];
    {
      const std::lock_guard<std::mutex> lock(telling);
      observer.Started(i, item);
    }
    BatchResult result = RunItem(item, recipe, cancel);
    const std::lock_guard<std::mutex> lock(telling);
    observer.Finished(i, result);
    results[std::size_t(i)] = std::move(result);
  });
  return results;
}

}  // namespace qv
