// The editor after it ended without closing: the question, the work it
// brings back, and what is left once it closes normally; and the windows'
// places kept between runs.

#include <QSettings>
#include <QSlider>
#include <QtTest>

#include "EditorFixture.h"
#include "TestHome.h"
#include "preview/UnitPreview.h"
#include "widgets/EditorSettings.h"

using namespace qv;
using namespace qv::test;

namespace {

QByteArray ReadAll(const QString &path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

class RecoveryFlowTest : public QObject {
  Q_OBJECT
  QTemporaryDir work_;
  QString Work(const QString &name) const { return work_.filePath(name); }
  const std::string record_ = RecoveryPath();

  // A window as main() makes it: the record offered, then kept.
  static void StartUp(Editor &e, bool restore) {
    const auto left = ReadRecovery(RecoveryPath());
    e->KeepRecoveryAt(RecoveryPath());
    e.dialogs.RestoreAnswers = {restore};
    if (left) e->OfferRestore(*left);
  }

  // Saves as BMP through the Save dialog.
  static void SaveBmp(Editor &e, const QString &path) {
    e.dialogs.SaveAnswers.push_back(ScriptedDialogs::SaveAnswer{path, 2});
    e.dialogs.ReplaceAnswers.push_back(true);
    QVERIFY(e->BtnSaveClick() && e->FinishSave());
  }

 private slots:
  void cleanup() { RemoveRecovery(record_); }

  // Three effects (one with a colour answered, one at strength 60), a save,
  // one more effect, then the program dies: started again, the question
  // names the picture, Restore brings the work back, and one Undo stands at
  // the picture saved, to the byte.
  void unsavedWorkComesBackAfterACrash() {
    const QString photo = Work("trip.bmp");
    WriteFileBytes(photo.toStdString(), EncodeBmp(Varied(80, 60, 3)));
    {
      Editor e;
      StartUp(e, true);
      e->OpenFile(photo);
      QVERIFY(ApplyEffect(*e, 1, 3));
      e->ImgViewNClick(4);
      QVERIFY(e.Settle());
      e.dialogs.ColorAnswers = {RGBColor(255, 128, 0)};
      e->FormPreview->BtnColorClick();
      QVERIFY(e.Settle());
      e->FormPreview->BtnApplyClick();
      QVERIFY(ApplyEffect(*e, 8, 2, 60));
      SaveBmp(e, Work("first.bmp"));
      QVERIFY(!ReadRecovery(record_));  // every change saved
      QVERIFY(ApplyEffect(*e, 10, 5));
      QVERIFY(ReadRecovery(record_));
      e.form.reset();  // no close: as if killed
    }
    QVERIFY(ReadRecovery(record_));
    {
      Editor e;
      StartUp(e, true);
      QCOMPARE(e.dialogs.RestoreQuestions.size(), 1);
      QVERIFY2(e.dialogs.RestoreQuestions[0].startsWith("first.bmp|"),
               qPrintable(e.dialogs.RestoreQuestions[0]));
      QVERIFY(e.dialogs.Messages.isEmpty());
      QCOMPARE(e->Session().Steps().Count(), std::size_t(5));
      QVERIFY(e->isWindowModified());
      QCOMPARE(e->windowTitle(), QString("first.bmp[*] \u2013 Quorvane"));
      e->BtnUndoClick();
      QVERIFY(!e->isWindowModified());
      SaveBmp(e, Work("second.bmp"));
      QCOMPARE(ReadAll(Work("second.bmp")), ReadAll(Work("first.bmp")));
      QVERIFY(ApplyEffect(*e, 2, 2));
      e.dialogs.SaveChangesAnswers = {SaveChoice::Discard};
      e->show();
      e->close();  // a normal close: nothing is left to restore
    }
    QVERIFY(!ReadRecovery(record_));
    Editor e;
    StartUp(e, true);
    QVERIFY(e.dialogs.RestoreQuestions.isEmpty());
  }

  // Discard at the question, or a picture that changed since: nothing is
  // replayed, the record goes, and a changed picture is said plainly.
  void declinedOrStaleWorkIsNotReplayed_data() {
    QTest::addColumn<bool>("restore");
    QTest::addColumn<bool>("changed");
    QTest::newRow("Discard") << false << false;
    QTest::newRow("picture changed") << true << true;
  }
  void declinedOrStaleWorkIsNotReplayed() {
    QFETCH(bool, restore);
    QFETCH(bool, changed);
    const QString photo = Work("home.bmp");
    WriteFileBytes(photo.toStdString(), EncodeBmp(Varied(50, 40, 1)));
    {
      Editor e;
      StartUp(e, true);
      e->OpenFile(photo);
      QVERIFY(ApplyEffect(*e, 1, 1));
      e.form.reset();
    }
    if (changed) WriteFileBytes(photo.toStdString(), EncodeBmp(Varied(50, 40, 2)));
    Editor e;
    StartUp(e, restore);
    QCOMPARE(e.dialogs.RestoreQuestions.size(), 1);
    QCOMPARE(e.dialogs.Messages.size(), changed ? 1 : 0);
    if (changed) QVERIFY(e.dialogs.Messages[0].contains("has changed since"));
    QVERIFY(!e->Session().CanUndo());
    QVERIFY(!ReadRecovery(record_));
  }

  // The end of a desktop session or a polite kill closes without asking and
  // keeps the record.
  void endingForTheDesktopKeepsTheWork() {
    Editor e;
    StartUp(e, true);
    e->show();
    QVERIFY(ApplyEffect(*e, 1, 2));
    e->EndKeepingWork();
    QVERIFY(!e->isVisible());
    QVERIFY(e.dialogs.SaveChangesQuestions.isEmpty());
    QVERIFY(ReadRecovery(record_));
  }

  void theWindowsComeBackWhereTheyWere() {
    QRect main, preview;
    {
      Editor e;
      e->show();
      e->setGeometry(60, 50, 900, 640);
      QVERIFY(ApplyEffect(*e, 1, 1));
      e->ImgViewNClick(2);
      QVERIFY(e.Settle());
      e->FormPreview->setGeometry(300, 200, 520, 400);
      main = e->geometry();
      preview = e->FormPreview->geometry();
      e.dialogs.SaveChangesAnswers = {SaveChoice::Discard};
      e->close();
    }
    Editor e;
    e->show();
    QCOMPARE(e->geometry().size(), main.size());
    e->CategoryClick(2);
    QVERIFY(e.Settle());
    e->ImgViewNClick(1);
    QVERIFY(e.Settle());
    QCOMPARE(e->FormPreview->geometry().size(), preview.size());
    EditorSettings().clear();
  }
};

QV_TEST_MAIN(RecoveryFlowTest)
#include "RecoveryFlowTest.moc"
