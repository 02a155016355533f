#pragma once

// Running a planned batch: every picture through the same steps, two at a
// time on two cores (one picture alone keeps both for its own passes), each
// result written to a temporary beside its file and put in place only when
// whole, so that a failure or a cancel leaves no part of a file. A picture
// that fails is reported and the others go on. The command line and the
// editor's Batch window both run batches through here, so they write the
// same bytes.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "batch/BatchPlan.h"
#include "codecs/Codecs.h"
#include "gfx/Color.h"
#include "gfx/RunControl.h"
#include "kernels/KernelEnv.h"
#include "kernels/Step.h"

namespace qv {

// How each picture is made: the steps in order, the answers for a step that
// asks its colours when applied (given in order, the last one repeating),
// the artwork, how results are written and their longest side.
struct PictureRecipe {
  std::vector<Step> Steps;
  bool Answered = false;
  std::vector<std::optional<TColor>> Answers;
  std::string AppDir;  // the folder that holds pic/
  WriteOptions Writing;
  int LongEdge = 0;
  // Told of each picture once read, before any step: throws what makes it
  // unfit (the command line's mask of another size).
  std::function<void(const Bitmap &picture, const std::string &input)> CheckPicture;
};

// The steps on the picture in `input`, written to `output`; returns the
// damage worked around in reading it (as DecodedPicture::Warnings). A JPEG
// at full size and full strength streams band by band. Errors are thrown;
// Cancelled once `cancel` is set, at the next band of rows.
std::vector<Text> RenderPicture(const PictureRecipe &recipe, const std::string &input,
                                const std::string &output, const CancelToken *cancel = nullptr);

enum class BatchStatus { Written, Skipped, Failed, Cancelled };
// "ok", "skipped", "failed", "cancelled".
const char *StatusWord(BatchStatus status);

struct BatchResult {
  std::string Input, Output;
  BatchStatus Status = BatchStatus::Failed;
  Text Message;  // the failure, or the damage worked around
  long long Milliseconds = 0;
  std::string Sha256;  // of the file at Output, in hex, when there is one
};

// Told of each picture as it starts and ends, from the threads that render
// them, one call at a time.
class BatchObserver {
 public:
  virtual ~BatchObserver() = default;
  virtual void Started(int /*index*/, const BatchItem & /*item*/) {}
  virtual void Finished(int /*index*/, const BatchResult & /*result*/) {}
};

// Runs every item of the plan; the results in the plan's order. Once
// `cancel` is set the pictures being made stop at their next band and the
// rest are not started; all of them end Cancelled.
std::vector<BatchResult> RunBatch(const std::vector<BatchItem> &plan, const PictureRecipe &recipe,
                                  const CancelToken *cancel, BatchObserver &observer);

}  // namespace qv
