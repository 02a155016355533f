// The Batch window over a real editor: the preview's effect on a tree of
// photos gives the command line's bytes, the failure is listed with its
// reason, no original is written over, Cancel leaves no part of a file,
// and the settings come back in the next window.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QtTest>
#include <filesystem>
#include <map>

#include "CodecTestUtil.h"
#include "EditorFixture.h"
#include "RunFx.h"
#include "TestHome.h"
#include "app/BatchWindow.h"
#include "preview/UnitPreview.h"

using namespace qv;
using namespace qv::test;
namespace fs = std::filesystem;

namespace {

std::map<std::string, Bytes> Files(const std::string &folder) {
  std::map<std::string, Bytes> files;
  for (const auto &entry : fs::recursive_directory_iterator(folder))
    if (entry.is_regular_file())
      files[fs::relative(entry.path(), folder).string()] = ReadFileBytes(entry.path());
  return files;
}

bool WaitForEnd(BatchWindow &window) {
  QSignalSpy ended(&window.Job(), &BatchJob::Ended);
  return !window.Job().Running() || ended.wait(60000);
}

}  // namespace

class BatchWindowTest : public QObject {
  Q_OBJECT
  QTemporaryDir work_;
  std::string Work(const std::string &name) const {
    return work_.filePath(QString::fromStdString(name)).toStdString();
  }

 private slots:
  void thePreviewsEffectGivesTheCommandLinesBytes() {
    const std::string tree = Work("tree/");
    fs::create_directories(tree + "sub");
    WriteFileBytes(tree + "a.jpg", EncodeJpeg(Varied(70, 50, 1)));
    WritePicture(tree + "sub/b.bmp", Varied(40, 64, 2));
    WriteFileBytes(tree + "sub/bad.png", Bytes{'n', 'o'});
    const std::map<std::string, Bytes> originals = Files(tree);

    Editor e;
    e->ActBatch->trigger();  // Ctrl+B
    BatchWindow &window = *e->FormBatch;
    QVERIFY(window.isVisible());
    QVERIFY(!window.RadioPreview->isEnabled());  // no preview yet
    e->CategoryClick(1);
    QVERIFY(e.Settle());
    e->ImgViewNClick(3);
    QVERIFY(e.Settle());
    e->FormPreview->SliderStrength->setValue(60);
    QVERIFY(window.RadioPreview->isEnabled());

    window.AddInputs({QString::fromStdString(tree)});
    window.CheckSubfolders->setChecked(true);
    window.CheckKeepFolders->setChecked(true);
    window.RadioPreview->setChecked(true);
    window.EditFolder->setText(QString::fromStdString(Work("out")));
    window.ComboExisting->setCurrentIndex(2);
    QVERIFY(window.LabelPolicy->text().contains("originals are never written over"));
    QVERIFY(window.LabelPolicy->text().contains("gets a number"));
    window.StartBatch();
    QVERIFY(window.Job().Running());
    QVERIFY(WaitForEnd(window));
    QCOMPARE(window.Progress->value(), 3);
    QCOMPARE(window.LabelSummary->text(),
             QString("2 of 3 pictures written, 1 failed (listed below)."));
    QCOMPARE(window.ListFailures->count(), 1);
    QVERIFY(window.ListFailures->item(0)->text().startsWith("bad.png: PNG image is not valid"));

    const Outcome cli = RunFx("render light-a 3 '" + tree + "' --recursive --strength 60 --out '" +
                              Work("cli") + "' --format jpg --assets '" + e.assets.Dir() + "'");
    QCOMPARE(cli.status, 1);
    const auto written = Files(Work("out")), expected = Files(Work("cli"));
    QCOMPARE(written.size(), std::size_t(2));
    QVERIFY(written == expected);

    // Into the pictures' own folder: every original stays, the results get numbers.
    window.EditFolder->setText(QString::fromStdString(tree));
    window.StartBatch();
    QVERIFY(WaitForEnd(window));
    const auto after = Files(tree);
    for (const auto &[name, bytes] : originals) QVERIFY2(after.at(name) == bytes, name.c_str());
    QVERIFY(after.count("a (2).jpg") && after.count("sub/b.jpg"));

    window.ShowInFolder();
    QCOMPARE(e.dialogs.OpenedDocuments.back(), QString::fromStdString(tree));
  }

  void cancelStopsAndLeavesNoPartOfAFile() {
    const std::string big = Work("big/");
    fs::create_directories(big);
    WriteFileBytes(big + "0.jpg", EncodeJpeg(Gradient(2400, 1600)));
    for (int i = 1; i < 10; ++i) fs::copy_file(big + "0.jpg", big + std::to_string(i) + ".jpg");
    Editor e;
    QVERIFY(ApplyEffect(*e, 1, 2));
    QVERIFY(ApplyEffect(*e, 8, 4));
    BatchWindow &window = *e->FormBatch;
    window.AddInputs({QString::fromStdString(big)});
    window.RadioSteps->setChecked(true);
    window.EditFolder->setText(QString::fromStdString(Work("cancelled")));
    QSignalSpy started(&window.Job(), &BatchJob::ItemStarted);
    window.StartBatch();
    QVERIFY(started.wait(30000));
    window.CancelBatch();
    QVERIFY(WaitForEnd(window));
    QVERIFY(window.Job().Cancelled());
    QVERIFY(window.LabelProgress->text().startsWith("Cancelled"));
    const auto left = Files(Work("cancelled"));
    QVERIFY(left.size() < 10);
    for (const auto &[name, bytes] : left) {
      QVERIFY2(name.find(".tmp-") == std::string::npos, name.c_str());
      QVERIFY(DecodePicture(bytes, name).Warnings.empty());
    }
    // The editor went on working meanwhile, and does after.
    QVERIFY(ApplyEffect(*e, 1, 5));
  }

  void theSettingsComeBack() {
    {
      Editor e;
      BatchWindow &window = *e->FormBatch;
      window.ListInputs->clear();
      window.AddInputs({QString::fromStdString(Work("x.jpg"))});
      window.EditFolder->setText("/somewhere/web");
      window.EditPattern->setText("{n:3}-{name}");
      window.ComboFormat->setCurrentIndex(2);
      window.SpinQuality->setValue(77);
      window.CheckLongEdge->setChecked(true);
      window.SpinLongEdge->setValue(1600);
      window.CheckMetadata->setChecked(false);
      window.ComboExisting->setCurrentIndex(1);
      window.close();
    }
    Editor e;
    BatchWindow &window = *e->FormBatch;
    QCOMPARE(window.ListInputs->count(), 1);
    QCOMPARE(window.EditFolder->text(), QString("/somewhere/web"));
    QCOMPARE(window.EditPattern->text(), QString("{n:3}-{name}"));
    QCOMPARE(window.ComboFormat->currentIndex(), 2);
    QCOMPARE(window.SpinQuality->value(), 77);
    QVERIFY(window.CheckLongEdge->isChecked() && !window.CheckMetadata->isChecked());
    QCOMPARE(window.SpinLongEdge->value(), 1600);
    QCOMPARE(window.ComboExisting->currentIndex(), 1);
    QVERIFY(window.LabelPolicy->text().contains("skipped"));
  }
};

QV_TEST_MAIN(BatchWindowTest)
#include "BatchWindowTest.moc"
