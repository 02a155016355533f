#include "app/ProgressJob.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QProgressDialog>
#include <QTimer>
#include <atomic>
#include <exception>
#include <thread>

#include "gfx/RunControl.h"

namespace qv {

namespace {

constexpr int kShowAfterMs = 500;
constexpr int kSteps = 1000;

class StoredProgress : public ProgressSink {
 public:
  void Report(double fraction) override { value_.store(fraction, std::memory_order_relaxed); }
  int Steps() const { return int(value_.load(std::memory_order_relaxed) * kSteps); }

 private:
  std::atomic<double> value_{0};
};

}  // namespace

bool RunWithProgress(QWidget *parent, const QString &label, const std::function<void()> &work) {
  CancelToken cancel;
  StoredProgress progress;
  std::exception_ptr error;
  bool done = false;  // read and written on this thread only
  QEventLoop *waiting = nullptr;
  QObject notifier;
  std::thread thread([&] {
    try {
      const RunScope scope({&cancel, &progress});
      work();
    } catch (...) {
      error = std::current_exception();
    }
    QMetaObject::invokeMethod(
        &notifier,
        [&] {
          done = true;
          if (waiting) waiting->quit();
        },
        Qt::QueuedConnection);
  });

  // First a short wait that lets nothing but painting and timers through,
  // so that a quick read shows no dialog and takes no stray click.
  {
    QEventLoop loop;
    waiting = &loop;
    QTimer::singleShot(kShowAfterMs, &loop, &QEventLoop::quit);
    if (!done) loop.exec(QEventLoop::ExcludeUserInputEvents);
    waiting = nullptr;
  }
  if (!done) {
    QProgressDialog dialog(label, QCoreApplication::translate("ProgressJob", "Cancel"), 0, kSteps,
                           parent);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setMinimumDuration(0);
    dialog.setAutoClose(false);
    dialog.setAutoReset(false);
    // The dialog stays up until the work has stopped, so that nothing else
    // is started meanwhile (a HEIF decode stops only at its end).
    QObject::disconnect(&dialog, &QProgressDialog::canceled, &dialog, &QProgressDialog::cancel);
    QObject::connect(&dialog, &QProgressDialog::canceled, [&] {
      cancel.Cancel();
      dialog.setLabelText(QCoreApplication::translate("ProgressJob", "Cancelling..."));
    });
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] { dialog.setValue(progress.Steps()); });
    poll.start(50);
    dialog.show();
    QEventLoop loop;
    waiting = &loop;
    if (!done) loop.exec();
    waiting = nullptr;
  }
  // The application may be quitting with the work still running.
  if (!done) cancel.Cancel();
  thread.join();
  QCoreApplication::removePostedEvents(&notifier);
  if (cancel.IsCancelled()) return false;
  if (error) std::rethrow_exception(error);
  return true;
}

}  // namespace qv
