#include "app/BatchJob.h"

#include <QMetaObject>
#include <QPointer>

namespace qv {

namespace {

// Hands each event to the job on the GUI thread.
class Forward : public BatchObserver {
 public:
  explicit Forward(BatchJob *job) : job_(job) {}
  void Started(int index, const BatchItem &item) override {
    const QString input = QString::fromStdString(item.Input);
    QMetaObject::invokeMethod(
        job_, [job = job_, index, input] { emit job->ItemStarted(index, input); },
        Qt::QueuedConnection);
  }
  void Finished(int index, const BatchResult &result) override {
    QMetaObject::invokeMethod(
        job_, [job = job_, index, result] { emit job->ItemFinished(index, result); },
        Qt::QueuedConnection);
  }

 private:
  BatchJob *job_;
};

}  // namespace

BatchJob::BatchJob(QObject *parent) : QObject(parent) {}

BatchJob::~BatchJob() {
  Cancel();
  Join();
}

void BatchJob::Join() {
  if (thread_.joinable()) thread_.join();
}

void BatchJob::Start(std::vector<BatchItem> plan, PictureRecipe recipe) {
  if (running_) return;
  Join();
  running_ = true;
  results_.clear();
  token_ = std::make_unique<CancelToken>();
  thread_ =
      std::thread([this, plan = std::move(plan), recipe = std::move(recipe), token = token_.get()] {
        Forward forward(this);
        std::vector<BatchResult> results = RunBatch(plan, recipe, token, forward);
        // Queued after every picture's own event, so Ended comes last.
        QMetaObject::invokeMethod(
            this,
            [this, results = std::move(results)]() mutable {
              Join();
              results_ = std::move(results);
              running_ = false;
              emit Ended();
            },
            Qt::QueuedConnection);
      });
}

void BatchJob::Cancel() {
  if (token_) token_->Cancel();
}

}  // namespace qv
