// The translations that ship: every .ts file complete (no text unfinished or
// left empty, the same placeholders and a shortcut letter where the English
// has them), none missing a text of today's sources (lupdate finds nothing
// new), and the compiled files really change the window, the strip and the
// preview, and are chosen by the desktop's language.

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

#include "EditorFixture.h"
#include "TestHome.h"
#include "app/Translations.h"
#include "browser/CategoryColumn.h"
#include "preview/UnitPreview.h"
#include "widgets/Image.h"

using namespace qv;
using namespace qv::test;

namespace {

const QStringList kLanguages{"de", "fr", "es", "it", "pt_BR", "zh_CN", "ja"};

QString TsFile(const QString &language) {
  return QStringLiteral(QV_SOURCE_DIR "/translations/quorvane_%1.ts").arg(language);
}

QString QmFolder() {
  return QCoreApplication::applicationDirPath() + "/translations";
}

QStringList Placeholders(const QString &text) {
  QStringList found;
  for (const auto &match : QRegularExpression("%\\d").globalMatch(text)) found << match.captured();
  found.sort();
  return found;
}

// "context | source: fault" for every message of the file that is not ready.
QStringList Faults(const QString &path, int &messages) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {path + " cannot be read"};
  QXmlStreamReader xml(&file);
  QStringList faults;
  QString context, source;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (xml.name() == u"name") context = xml.readElementText();
    if (xml.name() == u"source") source = xml.readElementText();
    if (xml.name() != u"translation") continue;
    ++messages;
    const QString where = context + " | " + source + ": ";
    if (!xml.attributes().value("type").isEmpty())
      faults << where + xml.attributes().value("type").toString();
    QStringList forms;
    const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
    forms << text;
    for (const QString &form : forms) {
      if (form.trimmed().isEmpty()) faults << where + "empty";
      if (!source.contains("%n") && Placeholders(form) != Placeholders(source))
        faults << where + "placeholders differ in " + form;
      if (source.contains('&') && !form.contains('&')) faults << where + "no shortcut letter";
    }
  }
  if (xml.hasError()) faults << path + ": " + xml.errorString();
  return faults;
}

}  // namespace

class TranslationsTest : public QObject {
  Q_OBJECT

 private slots:
  void everyLanguageIsComplete_data() {
    QTest::addColumn<QString>("language");
    for (const QString &language : kLanguages) QTest::newRow(qPrintable(language)) << language;
  }
  void everyLanguageIsComplete() {
    QFETCH(QString, language);
    int messages = 0;
    const QStringList faults = Faults(TsFile(language), messages);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    QVERIFY(messages > 150);
    // Nothing in the sources that the file lacks: lupdate brings no text
    // new to a copy of it.
    QTemporaryDir dir;
    const QString copy = dir.filePath("copy_" + language + ".ts");
    QVERIFY(QFile::copy(TsFile(language), copy));
    QStringList arguments{"-I", QV_SOURCE_DIR, "-no-obsolete", "-locations", "none"};
    for (const char *folder : {"app", "browser", "preview", "widgets", "session"})
      arguments << QStringLiteral(QV_SOURCE_DIR "/") + folder;
    arguments << "-ts" << copy;
    QProcess lupdate;
    lupdate.start(QV_LUPDATE, arguments);
    QVERIFY(lupdate.waitForFinished(60000));
    const QString said = lupdate.readAllStandardOutput();
    QVERIFY2(said.contains(" (0 new and "), qPrintable(said));
    messages = 0;
    const QStringList after = Faults(copy, messages);
    QVERIFY2(after.isEmpty(), qPrintable(after.join('\n')));
  }

  // The languages the desktop names, in its order: English first is
  // English; a region the program has no file for falls back on the
  // language; Chinese in its script is found.
  void theDesktopsLanguageChoosesTheFile_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("file");
    QTest::newRow("German") << "de_DE"
                            << "quorvane_de.qm";
    QTest::newRow("Austrian German") << "de_AT"
                                     << "quorvane_de.qm";
    QTest::newRow("Brazilian") << "pt_BR"
                               << "quorvane_pt_BR.qm";
    QTest::newRow("Portugal") << "pt_PT"
                              << "";
    QTest::newRow("Chinese") << "zh_CN"
                             << "quorvane_zh_CN.qm";
    QTest::newRow("Japanese") << "ja_JP"
                              << "quorvane_ja.qm";
    QTest::newRow("English") << "en_US"
                             << "";
    QTest::newRow("Dutch") << "nl_NL"
                           << "";
  }
  void theDesktopsLanguageChoosesTheFile() {
    QFETCH(QString, locale);
    QFETCH(QString, file);
    const QString found = TranslationFile(QLocale(locale), QmFolder());
    QCOMPARE(QFileInfo(found).fileName(), file);
  }

  // The compiled file reaches every layer's texts (the contexts match).
  void theWindowSpeaksTheLanguage_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("texts");  // Open, Light A, thumbnail 3, Apply, its step
    QTest::newRow("de") << "de"
                        << QStringList{"Öffnen", "Licht A", "Licht A 3", "Anwenden", "Licht A 3"};
    QTest::newRow("ja") << "ja"
                        << QStringList{"開く", "ライト A", "ライト A 3", "適用", "ライト A 3"};
  }
  void theWindowSpeaksTheLanguage() {
    QFETCH(QString, language);
    QFETCH(QStringList, texts);
    QTranslator translator;
    QVERIFY(translator.load(TranslationFile(QLocale(language), QmFolder())));
    QCoreApplication::installTranslator(&translator);
    {
      Editor e;
      QCOMPARE(e->BtnOpen->text(), texts[0]);
      QCOMPARE(e->BtnCategory[1]->text(), texts[1]);
      e.Choose(1);
      QVERIFY(e.Settle());
      QCOMPARE(e->ImgView[3]->toolTip(), texts[2]);
      QCOMPARE(e->FormPreview->BtnApply->text(), texts[3]);
      QVERIFY(ApplyEffect(*e, 1, 3));
      QVERIFY(e.Settle());
      QCOMPARE(e->Session().UndoStepName(), texts[4]);
    }
    QCoreApplication::removeTranslator(&translator);
  }
};

QV_TEST_MAIN(TranslationsTest)
#include "TranslationsTest.moc"
