// The bad-file catalogue through the editor window, offscreen with scripted
// dialogs: a refused picture or save shows one message and changes nothing,
// neither the pictures in the window nor any file on disk.

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "BadFiles.h"
#include "EditorFixture.h"
#include "ScriptedDialogs.h"
#include "TestHome.h"
#include "app/Unit1.h"
#include "fuzz/SampleFiles.h"
#include "widgets/Image.h"
#include "widgets/ImgBtn.h"

using namespace qv;
using hostile::BadFile;
using hostile::Verdict;

Q_DECLARE_METATYPE(BadFile)

namespace {

QString Native(const std::string &path) {
  return QFile::decodeName(path.c_str());
}

QByteArray ReadAll(const QString &path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool WriteAll(const QString &path, const QByteArray &data) {
  QFile f(path);
  return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
}

}  // namespace

class HostileEditorTest : public QObject {
  Q_OBJECT
  QTemporaryDir appDir_, work_;
  ScriptedDialogs dialogs_;
  std::unique_ptr<TFormMain> form_;

  QString Work(const QString &name) const { return work_.filePath(name); }

  // A window after one Apply, with its strip shown: every piece of state a
  // failed command could disturb is set.
  TFormMain &Start() {
    WriteFileBytes(appDir_.filePath("pic/sample.jpg").toStdString(),
                   EncodeJpeg(samples::Gradient(120, 90)));
    form_ = std::make_unique<TFormMain>(dialogs_, appDir_.path() + "/", QSize(1280, 1024));
    TFormMain &f = *form_;
    f.show();
    // Art needs no artwork, so this window's asset folder may stay empty.
    [&f] { QVERIFY(test::ApplyEffect(f, 15, 1)); }();
    return f;
  }

  struct Snapshot {
    Bitmap Work, Undo, Display;
    QRect Bounds;
    bool UndoEnabled;
  };
  static Snapshot Take(TFormMain &f) {
    return {*f.Session().WorkBitmap(), *f.Session().UndoBitmap(), f.ImgEffect->Picture(),
            f.ImgEffect->geometry(), f.BtnUndo->isEnabled()};
  }
  static bool Unchanged(TFormMain &f, const Snapshot &s) {
    return f.Session().WorkBitmap()->SamePixels(s.Work) &&
           f.Session().UndoBitmap()->SamePixels(s.Undo) &&
           f.ImgEffect->Picture().SamePixels(s.Display) && f.ImgEffect->geometry() == s.Bounds &&
           f.BtnUndo->isEnabled() == s.UndoEnabled;
  }

  // Exactly one message, of one line, starting with start.
  bool OneMessage(const QString &start) const {
    return dialogs_.Messages.size() == 1 && dialogs_.Messages[0].startsWith(start) &&
           !dialogs_.Messages[0].contains('\n');
  }
  QString Messages() const { return dialogs_.Messages.join(" | "); }

 private slots:
  void init() {
    QVERIFY(QDir(appDir_.path()).mkpath("pic"));
    dialogs_ = ScriptedDialogs();
  }
  void cleanup() {
    form_.reset();
    for (const QTemporaryDir *dir : {&appDir_, &work_}) {
      QDir(dir->path()).removeRecursively();
      QDir().mkpath(dir->path());
    }
  }

  void badPicturesAreRefusedWithoutChangingTheWindow_data() {
    QTest::addColumn<BadFile>("bad");
    for (const BadFile &bad : hostile::BadPictures()) QTest::newRow(bad.FileName.c_str()) << bad;
  }
  void badPicturesAreRefusedWithoutChangingTheWindow() {
    QFETCH(BadFile, bad);
    const QString path = Work(Native(bad.FileName));
    WriteFileBytes(path.toStdString(), bad.Content);
    TFormMain &f = Start();
    const Snapshot before = Take(f);
    dialogs_.SaveChangesAnswers.push_back(SaveChoice::Discard);  // the Apply of Start()
    dialogs_.OpenAnswers.push_back(path);
    QTest::mouseClick(f.BtnOpen, Qt::LeftButton);
    if (bad.Expect == Verdict::Refused) {
      QVERIFY2(OneMessage(Native(bad.Message)), qPrintable(Messages()));
      QVERIFY(Unchanged(f, before));
    } else {
      QVERIFY2(dialogs_.Messages.isEmpty(), qPrintable(Messages()));
      QVERIFY(f.ImgEffect->Picture().SamePixels(ReadPicture(path.toStdString())));
      QVERIFY(!f.Session().UndoBitmap());  // a new history
      // Damage is told once, naming the file; a sound file says nothing.
      const bool damaged = bad.Expect == Verdict::Damaged;
      QCOMPARE(dialogs_.Warnings.size(), damaged ? 1 : 0);
      if (damaged)
        QVERIFY2(dialogs_.Warnings[0].startsWith(Native(bad.FileName) + ": "),
                 qPrintable(dialogs_.Warnings[0]));
    }
  }

  void badAssetsAreReportedWithoutChangingThePicture_data() {
    QTest::addColumn<BadFile>("bad");
    for (const BadFile &bad : hostile::BadAssets()) QTest::newRow(bad.FileName.c_str()) << bad;
    // Not files at all: no content is written, the path is shaped instead.
    QTest::newRow("missing") << BadFile{"missing", {}, Verdict::Refused, "Cannot open file "};
    QTest::newRow("a folder") << BadFile{"a folder", {}, Verdict::Refused, "Cannot open file "};
    QTest::newRow("folder is a file")
        << BadFile{"folder is a file", {}, Verdict::Refused, "Cannot open file "};
  }
  void badAssetsAreReportedWithoutChangingThePicture() {
    QFETCH(BadFile, bad);
    const QString folder = appDir_.filePath("pic/lightA");
    QVERIFY(QDir().mkpath(folder));
    for (int n = 1; n <= TFormMain::kThumbCount; ++n)
      WriteFileBytes(QString("%1/%2.ssl").arg(folder).arg(n).toStdString(),
                     EncodeJpeg(samples::Gradient(8 + n, 8)));
    const QString asset = folder + "/1.ssl";
    QFile::remove(asset);
    if (bad.FileName == "a folder") {
      QVERIFY(QDir().mkpath(asset));
    } else if (bad.FileName == "folder is a file") {
      QVERIFY(QDir(folder).removeRecursively());
      QVERIFY(WriteAll(folder, "old"));
    } else if (bad.FileName != "missing") {
      WriteFileBytes(asset.toStdString(), bad.Content);
    }

    TFormMain &f = Start();
    const Snapshot before = Take(f);
    QTest::mouseClick(f.BtnCategory[1], Qt::LeftButton);  // Light A
    QVERIFY(test::Settle(f));
    if (bad.Expect == Verdict::Refused) {
      QVERIFY2(OneMessage(Native(bad.Message)), qPrintable(Messages()));
      if (bad.Message.rfind("Cannot open", 0) == 0)
        QVERIFY2(dialogs_.Messages[0].contains("pic/lightA/1.ssl: "), qPrintable(Messages()));
    } else {
      QVERIFY2(dialogs_.Messages.isEmpty(), qPrintable(Messages()));
    }
    QVERIFY(Unchanged(f, before));
  }

  // The working picture, the history, the result and the display share one
  // bitmap; at the pixel limit the screen copies come on top.
  void aPictureAtTheLimitOpens() {
    const QString path = Work("limit.jpg");
    WriteFileBytes(path.toStdString(), hostile::ProgressiveDeclaring(12000, 10000));
    TFormMain &f = Start();
    dialogs_.SaveChangesAnswers.push_back(SaveChoice::Discard);  // the Apply of Start()
    dialogs_.OpenAnswers.push_back(path);
    QTest::mouseClick(f.BtnOpen, Qt::LeftButton);
    QVERIFY2(dialogs_.Messages.isEmpty(), qPrintable(Messages()));
    QCOMPARE(f.Session().WorkBitmap()->Width(), 12000);
    QCOMPARE(f.ImgEffect->Picture().Height(), 10000);
    QVERIFY(f.grab().width() > 0);  // the display paints
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const long long peak = static_cast<long long>(usage.ru_maxrss) * 1024;
    qInfo("peak memory with the picture open: %lld MB", peak >> 20);
    QVERIFY(peak < 8 * 12000LL * 10000 * 3);
  }

  void unwritableSaveTargetsKeepEverything_data() {
    QTest::addColumn<QString>("target");  // relative to the work folder, or absolute
    QTest::addColumn<int>("filter");
    QTest::newRow("read-only folder") << "locked/out.bmp" << 2;
    QTest::newRow("missing folder") << "missing/out.jpg" << 1;
    QTest::newRow("name of a folder") << "folder.bmp" << 2;
    QTest::newRow("parent is a file") << "plain/out.bmp" << 2;
    QTest::newRow("full device behind a link") << "full.bmp" << 2;
  }
  void unwritableSaveTargetsKeepEverything() {
    QFETCH(QString, target);
    QFETCH(int, filter);
    QVERIFY(QDir(work_.path()).mkpath("locked"));
    QVERIFY(QDir(work_.path()).mkpath("folder.bmp"));
    QVERIFY(WriteAll(Work("plain"), "old"));
    if (::geteuid() == 0) {
      // Permission bits do not stop root; /proc takes no new files.
      if (target.startsWith("locked/")) target = "/proc/qv-hostile-out.bmp";
      // A full device of our own, so that nothing outside the test folder
      // can be harmed if the save goes wrong.
      if (::mknod(Work("fulldev").toLocal8Bit().constData(), S_IFCHR | 0666, makedev(1, 7)) != 0)
        QSKIP("cannot make a device node here");
    } else {
      QVERIFY(QFile::link("/dev/full", Work("fulldev")));
      QVERIFY(QFile::setPermissions(Work("locked"), QFile::ReadOwner | QFile::ExeOwner));
    }
    QVERIFY(QFile::link(Work("fulldev"), Work("full.bmp")));
    const QString path = QDir::isAbsolutePath(target) ? target : Work(target);
    const QStringList filesBefore = QDir(work_.path()).entryList(QDir::AllEntries | QDir::Hidden);

    TFormMain &f = Start();
    const Snapshot before = Take(f);
    dialogs_.SaveAnswers.push_back(ScriptedDialogs::SaveAnswer{path, filter});
    dialogs_.ReplaceAnswers.push_back(true);
    QTest::mouseClick(f.BtnSave, Qt::LeftButton);
    f.FinishSave();
    QFile::setPermissions(Work("locked"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QVERIFY2(dialogs_.Messages.size() == 1 && dialogs_.Messages[0].contains(path) &&
                 !dialogs_.Messages[0].contains('\n'),
             qPrintable(Messages()));
    QVERIFY(Unchanged(f, before));
    QCOMPARE(QDir(work_.path()).entryList(QDir::AllEntries | QDir::Hidden), filesBefore);
    QCOMPARE(ReadAll(Work("plain")), QByteArray("old"));
    QVERIFY(QFileInfo(Work("folder.bmp")).isDir());
    struct stat device {};
    QCOMPARE(::stat(Work("fulldev").toLocal8Bit().constData(), &device), 0);
    QVERIFY2(S_ISCHR(device.st_mode), "the device behind the link was replaced by a file");
  }
};

QV_TEST_MAIN(HostileEditorTest)
#include "EditorTest.moc"
