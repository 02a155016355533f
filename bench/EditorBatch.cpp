// The editor's Batch window run as a user runs it, under Qt's offscreen
// platform: a saved look on a folder of photos, timed from Start to the
// summary; then the same batch again into another folder, cancelled once
// the first picture has ended, timed from Cancel to the window's end.
//
//   qv_editor_batch LOOK IN OUT
//
// The look is put into a library of this run's own (XDG_DATA_HOME in a
// temporary folder); the results are JPEG at quality 90, as quorvane-fx
// apply writes them, so that the two can be compared byte for byte.

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>

#include "ScriptedDialogs.h"
#include "app/BatchWindow.h"
#include "app/Unit1.h"
#include "kernels/KernelEnv.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since) {
  return std::chrono::duration<double>(Clock::now() - since).count();
}

}  // namespace

int main(int argc, char **argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: qv_editor_batch LOOK IN OUT\n");
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir home;
  qputenv("XDG_DATA_HOME", QFile::encodeName(home.path()));
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
  QDir().mkpath(home.filePath(QStringLiteral("quorvane/looks")));
  QFile::copy(QString::fromLocal8Bit(argv[1]),
              home.filePath(QStringLiteral("quorvane/looks/bench.qvlook")));
  QApplication app(argc, argv);
  qv::ScriptedDialogs dialogs;
  qv::TFormMain form(dialogs, QString::fromStdString(qv::ProgramDataDir()), QSize(1920, 1080));
  form.show();
  form.ActBatch->trigger();
  qv::BatchWindow &window = *form.FormBatch;
  window.ListInputs->clear();
  window.AddInputs({QString::fromLocal8Bit(argv[2])});
  window.RadioLook->setChecked(true);
  window.ComboLook->setCurrentIndex(0);
  window.ComboFormat->setCurrentIndex(0);  // JPEG, quality 90
  window.SpinQuality->setValue(90);
  window.ComboExisting->setCurrentIndex(0);

  QEventLoop loop;
  QObject::connect(&window.Job(), &qv::BatchJob::Ended, &loop, &QEventLoop::quit);
  window.EditFolder->setText(QString::fromLocal8Bit(argv[3]));
  const auto start = Clock::now();
  window.StartBatch();
  loop.exec();
  const double whole = Seconds(start);
  int failed = 0;
  for (const qv::BatchResult &result : window.Job().Results())
    failed += result.Status != qv::BatchStatus::Written;
  std::printf("editor batch: %zu pictures in %.3f s, %d not written\n",
              window.Job().Results().size(), whole, failed);

  // Cancel once the first picture has ended.
  Clock::time_point cancelled;
  QObject::connect(&window.Job(), &qv::BatchJob::ItemFinished, &window, [&] {
    if (!window.Job().Cancelled()) {
      cancelled = Clock::now();
      window.CancelBatch();
    }
  });
  window.EditFolder->setText(QString::fromLocal8Bit(argv[3]) + QStringLiteral("-cancelled"));
  window.StartBatch();
  loop.exec();
  std::printf("cancel: %.0f ms from Cancel to the end of the batch\n", Seconds(cancelled) * 1000);
  return failed ? 1 : 0;
}
