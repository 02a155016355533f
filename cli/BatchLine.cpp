#include "cli/BatchLine.h"

#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "batch/Manifest.h"
#include "cli/PictureFiles.h"
#include "gfx/Error.h"

namespace qv::cli {

namespace {

CancelToken stopAsked;
volatile sig_atomic_t stopSignal = 0;

void AskStop(int signal) {
  stopSignal = signal;
  stopAsked.Cancel();  // a lock-free atomic store
}

// The first SIGINT or SIGTERM cancels; a second one ends the program at once.
void CatchStopSignals() {
  struct sigaction action {};
  action.sa_handler = AskStop;
  action.sa_flags = SA_RESETHAND;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
}

int CancelledStatus() {
  return 128 + (stopSignal ? int(stopSignal) : SIGINT);
}

std::string Clock(double seconds) {
  const long whole = long(seconds + 0.5);
  char text[32];
  if (whole >= 3600)
    std::snprintf(text, sizeof text, "%ld:%02ld:%02ld", whole / 3600, whole / 60 % 60, whole % 60);
  else
    std::snprintf(text, sizeof text, "%ld:%02ld", whole / 60, whole % 60);
  return text;
}

// Reports each picture as it ends: failures and warnings as lines, the
// manifest's line, and on a terminal a progress line kept at the bottom.
class LineReport : public BatchObserver {
 public:
  LineReport(int total, ManifestFile *manifest)
      : total_(total), manifest_(manifest), terminal_(::isatty(STDERR_FILENO) != 0) {}

  void Started(int, const BatchItem &item) override {
    current_ = std::filesystem::path(item.Input).filename().string();
    Progress();
  }

  void Finished(int, const BatchResult &result) override {
    ++finished_;
    if (terminal_) std::fputs("\r\033[K", stderr);
    if (result.Status == BatchStatus::Failed) {
      ++failed_;
      std::fprintf(stderr, "quorvane-fx: %s: %s\n", result.Input.c_str(),
                   result.Message.English().c_str());
    } else if (result.Status == BatchStatus::Written && !result.Message.Empty()) {
      std::fprintf(stderr, "quorvane-fx: warning: %s: %s\n", result.Input.c_str(),
                   result.Message.English().c_str());
    }
    if (manifest_ && !manifest_->Add(result) && !manifestFailed_) {
      manifestFailed_ = true;
      std::fprintf(stderr, "quorvane-fx: the manifest could not be written\n");
    }
    Progress();
  }

  void End() const {
    if (terminal_ && finished_ > 0) std::fputs("\r\033[K", stderr);
  }
  int Failed() const { return failed_; }
  bool ManifestFailed() const { return manifestFailed_; }

 private:
  void Progress() {
    if (!terminal_) return;
    std::string line =
        std::to_string(finished_) + " of " + std::to_string(total_) + "  " + current_;
    const double elapsed =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    if (finished_ > 0 && finished_ < total_)
      line += "  " + Clock(elapsed / finished_ * (total_ - finished_)) + " left";
    std::fprintf(stderr, "\r\033[K%s", line.c_str());
    std::fflush(stderr);
  }

  const int total_;
  ManifestFile *manifest_;
  const bool terminal_;
  const std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
  int finished_ = 0, failed_ = 0;
  bool manifestFailed_ = false;
  std::string current_;
};

}  // namespace

int RunBatchLine(const PictureRecipe &recipe, const Args &inputs, const BatchLine &line) {
  std::vector<Text> problems;
  const std::vector<BatchInput> found =
      CollectInputs(inputs, line.Recursive, line.Output.Folder, problems);
  for (const Text &problem : problems)
    std::fprintf(stderr, "quorvane-fx: %s\n", problem.English().c_str());
  if (found.empty() && problems.empty()) {
    std::fprintf(stderr, "quorvane-fx: there are no pictures in the files and folders given\n");
    return 1;
  }
  std::error_code made;
  std::filesystem::create_directories(line.Output.Folder, made);
  if (made) {
    std::fprintf(stderr, "quorvane-fx: cannot make the folder %s: %s\n", line.Output.Folder.c_str(),
                 made.message().c_str());
    return 1;
  }
  std::unique_ptr<ManifestFile> manifest;
  if (!line.Manifest.empty()) manifest = std::make_unique<ManifestFile>(line.Manifest);

  const std::vector<BatchItem> plan = PlanBatch(found, line.Look, line.Output);
  CatchStopSignals();
  LineReport report(int(plan.size()), manifest.get());
  const std::vector<BatchResult> results = RunBatch(plan, recipe, &stopAsked, report);
  report.End();
  if (stopAsked.IsCancelled()) {
    int written = 0;
    for (const BatchResult &result : results) written += result.Status == BatchStatus::Written;
    std::fprintf(stderr, "quorvane-fx: cancelled; %d of %zu pictures written\n", written,
                 results.size());
    return CancelledStatus();
  }
  const int failed = report.Failed() + int(problems.size());
  if (failed > 0)
    std::fprintf(stderr, "quorvane-fx: %d of %zu pictures failed\n", failed,
                 results.size() + problems.size());
  return failed > 0 || report.ManifestFailed() ? 1 : 0;
}

int RenderOneLine(const PictureRecipe &recipe, const std::string &in, const std::string &out) {
  CatchStopSignals();
  try {
    WarnAbout(in, RenderPicture(recipe, in, out, &stopAsked));
  } catch (const Cancelled &) {
    std::fprintf(stderr, "quorvane-fx: cancelled\n");
    return CancelledStatus();
  }
  return 0;
}

}  // namespace qv::cli
