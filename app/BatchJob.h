#pragma once

#include <atomic>
#include <memory>
#include <thread>
#include <vector>

#include <QObject>
#include <QString>

#include "batch/BatchRun.h"

namespace qv {

// A batch run off the GUI thread, through the same runner as quorvane-fx
// (two pictures at a time), telling the window of each picture as it
// starts and ends. Cancel stops the pictures being made at their next band
// of rows; no part of a file is left.
class BatchJob : public QObject {
  Q_OBJECT
 public:
  explicit BatchJob(QObject *parent = nullptr);
  // Cancels a run and waits for it.
  ~BatchJob() override;

  void Start(std::vector<BatchItem> plan, PictureRecipe recipe);
  void Cancel();
  bool Running() const { return running_; }
  bool Cancelled() const { return token_ && token_->IsCancelled(); }
  // The results of the last run that ended, in the plan's order.
  const std::vector<BatchResult> &Results() const { return results_; }

 signals:
  void ItemStarted(int index, const QString &input);
  void ItemFinished(int index, const qv::BatchResult &result);
  // Every picture has ended (or was cancelled); Results() holds them.
  void Ended();

 private:
  void Join();

  std::unique_ptr<CancelToken> token_;
  std::thread thread_;
  bool running_ = false;
  std::vector<BatchResult> results_;
};

}  // namespace qv
