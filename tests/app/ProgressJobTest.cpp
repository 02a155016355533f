// A long read run beside the window: a quick one shows no dialog, a slow
// one shows its progress and stops when Cancel is pressed, and an error of
// the work reaches the caller.

#include <QProgressDialog>
#include <QPushButton>
#include <QtTest>
#include <chrono>
#include <thread>

#include "app/ProgressJob.h"
#include "gfx/Error.h"
#include "gfx/RunControl.h"

using namespace qv;

namespace {

// Work that tells 30 % and runs until it is cancelled.
void UntilCancelled() {
  const RunProgress progress;
  progress.Report(0.3);
  while (!progress.Cancelled()) std::this_thread::sleep_for(std::chrono::milliseconds(2));
  throw Cancelled();
}

QProgressDialog *ShownDialog() {
  for (QWidget *w : QApplication::topLevelWidgets())
    if (auto *dialog = qobject_cast<QProgressDialog *>(w); dialog && dialog->isVisible())
      return dialog;
  return nullptr;
}

}  // namespace

class ProgressJobTest : public QObject {
  Q_OBJECT

 private slots:
  void aQuickReadShowsNothingAndAnErrorReachesTheCaller() {
    QWidget window;
    bool ran = false, dialogSeen = false;
    QTimer watch;
    connect(&watch, &QTimer::timeout, [&] { dialogSeen |= ShownDialog() != nullptr; });
    watch.start(1);
    QVERIFY(RunWithProgress(&window, "Opening", [&] { ran = true; }));
    QVERIFY(ran);
    QVERIFY(!dialogSeen);
    QVERIFY_THROWS_EXCEPTION(Error, RunWithProgress(&window, "Opening", [] {
                               throw Error(QV_TEXT("Bitmap image is not valid"));
                             }));
  }

  void aSlowReadShowsItsProgressAndStopsOnCancel() {
    QWidget window;
    int shownValue = -1;
    QTimer press;
    connect(&press, &QTimer::timeout, [&] {
      QProgressDialog *dialog = ShownDialog();
      if (!dialog || dialog->value() <= 0) return;
      shownValue = dialog->value() * 100 / dialog->maximum();
      QPushButton *cancel = dialog->findChild<QPushButton *>();
      QVERIFY(cancel);
      QTest::mouseClick(cancel, Qt::LeftButton);
      press.stop();
    });
    press.start(10);
    QVERIFY(!RunWithProgress(&window, "Opening big.heic", UntilCancelled));
    QCOMPARE(shownValue, 30);
    QVERIFY(!ShownDialog());
  }
};

QTEST_MAIN(ProgressJobTest)
#include "ProgressJobTest.moc"
