// The render thread on its own: what reaches the GUI thread of a job that
// ends, fails or is cancelled, and a question cut short by a cancel.

#include <QDeadlineTimer>
#include <QtTest>
#include <atomic>
#include <stdexcept>

#include "gfx/Bands.h"
#include "worker/RenderWorker.h"

using namespace qv;

namespace {

bool WaitIdle(RenderWorker &worker) {
  QDeadlineTimer deadline(10000);
  while ((worker.Busy() || worker.Working()) && !deadline.hasExpired()) {
    QCoreApplication::processEvents();
    QThread::msleep(1);
  }
  QCoreApplication::processEvents();
  return !worker.Busy() && !worker.Working();
}

}  // namespace

class WorkerTest : public QObject {
  Q_OBJECT

 private slots:
  // Only the current job's deliveries and end arrive, in order; a cancelled
  // job's never do, also when it runs on to its next band.
  void onlyTheCurrentJobArrives() {
    RenderWorker worker;
    std::atomic<bool> release{false};
    QStringList arrived;
    worker.Start(
        [&](const RunControl &control) {
          const RunScope run(control);
          worker.Deliver([&] { arrived << "old"; });
          while (!release) QThread::msleep(1);
          ForEachBandInOrder(10, 1, [](int, int) {});  // sees the cancel
        },
        [&](std::exception_ptr) { arrived << "old end"; });
    worker.Start(
        [&](const RunControl &) {
          worker.Deliver([&] { arrived << "new 1"; });
          worker.Deliver([&] { arrived << "new 2"; });
        },
        [&](std::exception_ptr error) { arrived << (error ? "failed" : "new end"); });
    release = true;
    QVERIFY(WaitIdle(worker));
    QCOMPARE(arrived, QStringList({"new 1", "new 2", "new end"}));

    // A failure arrives as the job's end; Cancel drops everything.
    worker.Start([](const RunControl &) { throw std::runtime_error("broken"); },
                 [&](std::exception_ptr error) { arrived << (error ? "failed" : "ended"); });
    QVERIFY(WaitIdle(worker));
    QCOMPARE(arrived.last(), QString("failed"));
    worker.Start([&](const RunControl &) { worker.Deliver([&] { arrived << "dropped"; }); },
                 [&](std::exception_ptr) { arrived << "dropped end"; });
    worker.Cancel();
    QVERIFY(WaitIdle(worker));
    QCOMPARE(arrived.last(), QString("failed"));
  }

  // A job waiting for the GUI thread's answer is let go by a cancel, even
  // when the GUI thread never gets to the question; the question then
  // never runs.
  void aCancelReleasesAJobWaitingForAnAnswer() {
    RenderWorker worker;
    std::atomic<bool> asking{false}, cancelled{false};
    bool questionRan = false;
    worker.Start(
        [&](const RunControl &) {
          asking = true;
          try {
            worker.Ask([&questionRan] { questionRan = true; });
          } catch (const Cancelled &) {
            cancelled = true;
            throw;
          }
        },
        [](std::exception_ptr) {});
    while (!asking) QThread::msleep(1);
    worker.CancelAndWait();  // no event loop runs here: the answer cannot come
    QVERIFY(cancelled);
    QCoreApplication::processEvents();
    QVERIFY(!questionRan);

    // Answered on the GUI thread, in order.
    QStringList asked;
    worker.Start(
        [&](const RunControl &) {
          worker.Ask([&] { asked << "first"; });
          worker.Ask([&] { asked << "second"; });
        },
        [](std::exception_ptr) {});
    QVERIFY(WaitIdle(worker));
    QCOMPARE(asked, QStringList({"first", "second"}));
  }
};

QTEST_GUILESS_MAIN(WorkerTest)
#include "WorkerTest.moc"
