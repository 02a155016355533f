// The Preferences window: what it shows and gives back, what the settings
// keep, and what the editor does with an accepted change (the strip's
// style, the history's budget; the metadata has PhotoFilesTest).

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QToolButton>
#include <QtTest>

#include "EditorFixture.h"
#include "TestHome.h"
#include "app/PreferencesDialog.h"
#include "widgets/EditorSettings.h"
#include "widgets/Image.h"
#include "widgets/TFlatPanelUnit.h"

using namespace qv;
using namespace qv::test;

Q_DECLARE_METATYPE(qv::Preferences)

namespace {

Preferences Chosen(ThumbnailStyle style, const char *language, bool keep, int history) {
  Preferences p;
  p.Thumbnails = style;
  p.Language = QString::fromLatin1(language);
  p.KeepMetadata = keep;
  p.HistoryMiB = history;
  return p;
}

}  // namespace

class PreferencesTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { Preferences().Save(); }

  void theWindowShowsAndGivesBackWhatIsKept_data() {
    QTest::addColumn<Preferences>("kept");
    QTest::newRow("the defaults") << Preferences();
    QTest::newRow("classic in German, stripped") << Chosen(ThumbnailStyle::Classic, "de", false, 0);
    QTest::newRow("Japanese, a larger history") << Chosen(ThumbnailStyle::Fitted, "ja", true, 2048);
    QTest::newRow("Brazilian Portuguese") << Chosen(ThumbnailStyle::Fitted, "pt_BR", true, 128);
  }
  void theWindowShowsAndGivesBackWhatIsKept() {
    QFETCH(Preferences, kept);
    kept.Save();
    QVERIFY(Preferences::Load() == kept);
    PreferencesDialog dialog(Preferences::Load());
    QVERIFY(dialog.Chosen() == kept);
    // The default budget is shown as a number and stays the default.
    QCOMPARE(dialog.SpinHistory->value(), kept.HistoryMiB ? kept.HistoryMiB : DefaultHistoryMiB());
    // Every choice by hand, then the defaults again.
    (kept.Thumbnails == ThumbnailStyle::Fitted ? dialog.RadioClassic : dialog.RadioFitted)
        ->setChecked(true);
    dialog.ComboLanguage->setCurrentIndex(dialog.ComboLanguage->findData("zh_CN"));
    dialog.CheckMetadata->setChecked(!kept.KeepMetadata);
    dialog.SpinHistory->setValue(1000);
    const Preferences changed = dialog.Chosen();
    QCOMPARE(changed.Thumbnails == ThumbnailStyle::Classic,
             kept.Thumbnails == ThumbnailStyle::Fitted);
    QCOMPARE(changed.Language, QString("zh_CN"));
    QCOMPARE(changed.KeepMetadata, !kept.KeepMetadata);
    QCOMPARE(changed.HistoryMiB, 1000);
    dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::RestoreDefaults)->click();
    QVERIFY(dialog.Chosen() == Preferences());
  }

  void settingsNotUnderstoodGiveTheDefaults() {
    QSettings settings = EditorSettings();
    settings.setValue("Preferences/thumbnails", "huge");
    settings.setValue("Preferences/language", "xx");
    settings.setValue("Preferences/historyMiB", -5);
    settings.sync();
    QVERIFY(Preferences::Load() == Preferences());
  }

  // Reached by the desktop's key (or Ctrl+comma), the context menu and the
  // gear; what is accepted is kept and applies at once, Cancel changes
  // nothing.
  void theEditorAppliesWhatIsAccepted() {
    Editor e(300, 200);
    QVERIFY(e->ActPreferences->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Comma)));
    QVERIFY(e->actions().contains(e->ActPreferences));
    QCOMPARE(e->contextMenuPolicy(), Qt::ActionsContextMenu);
    const QRect fittedStrip = e->FlatPanel2->geometry();
    e->BtnPreferences->click();  // cancelled
    QCOMPARE(e.dialogs.PreferencesShown.size(), 1);
    QVERIFY(e->Prefs() == Preferences());

    const Preferences classic = Chosen(ThumbnailStyle::Classic, "fr", false, 256);
    e.dialogs.PreferencesAnswers.push_back(classic);
    e->ActPreferences->trigger();
    QVERIFY(Preferences::Load() == classic);
    QVERIFY(e->Prefs() == classic);
    QVERIFY(!e->Session().KeepsMetadata());
    QCOMPARE(e->Session().Steps().Budget(), std::size_t(256) << 20);
    QCOMPARE(e->FlatPanel2->geometry(), QRect(125, 399, 862, 279));
    e.Choose(1);
    QCOMPARE(e->ImgView[1]->Picture().Width(), kThumbnailSide);

    // Back to fitted: the strip on show is made again at its cells.
    e.dialogs.PreferencesAnswers.push_back(Preferences());
    e->ActPreferences->trigger();
    QVERIFY(e.Settle());
    QCOMPARE(e->FlatPanel2->geometry(), fittedStrip);
    const PixelSize cell = e->Session().ThumbnailCell();
    QCOMPARE(PixelSize(e->ImgView[1]->Picture().Width(), e->ImgView[1]->Picture().Height()),
             FittedThumbnailSize(300, 200, cell.Width, cell.Height));
    QCOMPARE(e->Session().Steps().Budget(), History::DefaultBudget());
  }
};

QV_TEST_MAIN(PreferencesTest)
#include "PreferencesTest.moc"
