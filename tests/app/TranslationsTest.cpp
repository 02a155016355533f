// The translations that ship: every .ts file complete (no text unfinished or
// empty, the English placeholders and a shortcut letter kept), none missing
// a text of today's sources (lupdate finds nothing new), each language's
// help page with every section; the files chosen by the desktop's
// languages, and reaching the window, the strip and the preview.

#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

#include "EditorFixture.h"
#include "TestHome.h"
#include "app/Translations.h"
#include "preview/UnitPreview.h"
#include "widgets/Image.h"

using namespace qv;
using namespace qv::test;

namespace {

QString Beside(const QString &name) {
  return QCoreApplication::applicationDirPath() + "/" + name;
}

QStringList Matches(const QString &pattern, const QString &text) {
  QStringList found;
  for (const auto &match : QRegularExpression(pattern).globalMatch(text))
    found << match.captured(match.lastCapturedIndex());
  return found;
}

// "context | source: fault" for each message of the file that is not ready.
QStringList Faults(const QString &path) {
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
    const QString where = context + " | " + source + ": ";
    if (!xml.attributes().value("type").isEmpty())
      faults << where + xml.attributes().value("type").toString();
    const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
    if (text.trimmed().isEmpty()) faults << where + "empty";
    QStringList wanted = Matches("%\\d", source), given = Matches("%\\d", text);
    wanted.sort();
    given.sort();
    if (wanted != given) faults << where + "placeholders differ in " + text;
    if (source.contains('&') && !text.contains('&')) faults << where + "no shortcut letter";
  }
  if (xml.hasError()) faults << path + ": " + xml.errorString();
  return faults;
}

// The engine's messages as the sources mark them, QV_TEXT("...") with its
// literals joined, comment lines left out (scripts/engine-texts reads them
// the same way).
QSet<QString> MarkedTexts() {
  static const QRegularExpression comment(QStringLiteral("^\\s*//.*$"),
                                          QRegularExpression::MultilineOption);
  static const QRegularExpression mark(
      QStringLiteral(R"re(QV_TEXT\(\s*((?:"(?:[^"\\\n]|\\.)*"\s*)+)\))re"));
  static const QRegularExpression literal(QStringLiteral(R"re("((?:[^"\\\n]|\\.)*)")re"));
  QSet<QString> texts;
  for (const char *folder : {"gfx", "codecs", "kernels", "effects", "batch", "worker", "session",
                             "app", "browser", "preview", "widgets", "cli"}) {
    const QDir dir(QStringLiteral(QV_SOURCE_DIR "/") + folder);
    for (const QString &name : dir.entryList({"*.cpp", "*.h"}, QDir::Files)) {
      QFile file(dir.filePath(name));
      if (!file.open(QIODevice::ReadOnly)) continue;
      const QString source = QString::fromUtf8(file.readAll()).remove(comment);
      for (const auto &found : mark.globalMatch(source)) {
        QString text;
        for (const auto &piece : literal.globalMatch(found.captured(1))) text += piece.captured(1);
        QString plain;
        for (qsizetype i = 0; i < text.size(); ++i)
          plain += text[i] == u'\\' && i + 1 < text.size() ? text[++i] : text[i];
        texts << plain;
      }
    }
  }
  return texts;
}

QSet<QString> Sources(const QString &path) {
  QFile file(path);
  QSet<QString> sources;
  if (!file.open(QIODevice::ReadOnly)) return sources;
  QXmlStreamReader xml(&file);
  while (!xml.atEnd())
    if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"source")
      sources << xml.readElementText();
  return sources;
}

}  // namespace

class TranslationsTest : public QObject {
  Q_OBJECT

 private slots:
  void everyLanguageIsComplete_data() {
    QTest::addColumn<QString>("language");
    for (const char *language : {"de", "fr", "es", "it", "pt_BR", "zh_CN", "ja"})
      QTest::newRow(language) << language;
  }
  void everyLanguageIsComplete() {
    QFETCH(QString, language);
    // lupdate, run over the sources into a copy, brings nothing new to it.
    QTemporaryDir dir;
    const QString copy = dir.filePath(language + ".ts");
    QVERIFY(QFile::copy(QStringLiteral(QV_SOURCE_DIR "/translations/quorvane_%1.ts").arg(language),
                        copy));
    QStringList arguments{"-I", QV_SOURCE_DIR, "-no-obsolete", "-locations", "none"};
    for (const char *folder : {"app", "browser", "preview", "widgets", "session"})
      arguments << QStringLiteral(QV_SOURCE_DIR "/") + folder;
    QProcess lupdate;
    lupdate.start(QV_LUPDATE, arguments << "-ts" << copy);
    QVERIFY(lupdate.waitForFinished(60000));
    const QString said = lupdate.readAllStandardOutput();
    QVERIFY2(said.contains(" (0 new and "), qPrintable(said));
    const QStringList faults = Faults(copy);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));

    // The engine's messages: every one the sources mark, and no other.
    const QString engine =
        QStringLiteral(QV_SOURCE_DIR "/translations/quorvane_engine_%1.ts").arg(language);
    const QSet<QString> marked = MarkedTexts(), held = Sources(engine);
    QVERIFY2(marked.size() > 100, qPrintable(QString::number(marked.size())));
    QStringList missing = QSet<QString>(marked).subtract(held).values(),
                stale = QSet<QString>(held).subtract(marked).values();
    QVERIFY2(missing.isEmpty(), qPrintable("run scripts/engine-texts: " + missing.join(" | ")));
    QVERIFY2(stale.isEmpty(), qPrintable("run scripts/engine-texts: " + stale.join(" | ")));
    const QStringList engineFaults = Faults(engine);
    QVERIFY2(engineFaults.isEmpty(), qPrintable(engineFaults.join('\n')));

    // The help page in the language, with the English page's sections.
    auto read = [](const QString &name) {
      QFile file(Beside(name));
      return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    };
    const QString page = read("help_" + language + ".html");
    QVERIFY(page.contains(QString("<html lang=\"%1\">").arg(QString(language).replace('_', '-'))));
    QCOMPARE(Matches("id=\"([^\"]+)\"", page), Matches("id=\"([^\"]+)\"", read("help.html")));
  }

  // The desktop's languages in their order: English first is English, a
  // region without a file of its own falls back on its language, Chinese
  // is found by its script; the help page follows.
  void theDesktopsLanguageChoosesTheFiles_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("language");  // none: English
    QTest::newRow("German") << "de_DE"
                            << "de";
    QTest::newRow("Austrian") << "de_AT"
                              << "de";
    QTest::newRow("Brazilian") << "pt_BR"
                               << "pt_BR";
    QTest::newRow("Portugal") << "pt_PT"
                              << "";
    QTest::newRow("Chinese") << "zh_CN"
                             << "zh_CN";
    QTest::newRow("English") << "en_US"
                             << "";
  }
  void theDesktopsLanguageChoosesTheFiles() {
    QFETCH(QString, locale);
    QFETCH(QString, language);
    const QString folder = QCoreApplication::applicationDirPath();
    QCOMPARE(QFileInfo(TranslationFile(QLocale(locale), folder + "/translations")).fileName(),
             language.isEmpty() ? QString() : "quorvane_" + language + ".qm");
    QCOMPARE(QFileInfo(HelpPage(QLocale(locale), folder)).fileName(),
             language.isEmpty() ? QString("help.html") : "help_" + language + ".html");
  }

  // The compiled file reaches every layer's texts (their contexts match).
  void theWindowSpeaksTheLanguage_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("texts");  // Open, Light A, its thumbnail 3, Apply
    QTest::newRow("de") << "de" << QStringList{"Öffnen", "Licht A", "Licht A 3", "Anwenden"};
    QTest::newRow("ja") << "ja" << QStringList{"開く", "ライト A", "ライト A 3", "適用"};
  }
  void theWindowSpeaksTheLanguage() {
    QFETCH(QString, language);
    QFETCH(QStringList, texts);
    QTranslator translator;
    QVERIFY(translator.load(Beside("translations/quorvane_" + language + ".qm")));
    QCoreApplication::installTranslator(&translator);
    {
      Editor e;
      QCOMPARE(e->BtnOpen->text(), texts[0]);
      QCOMPARE(e->BtnCategory[1]->text(), texts[1]);
      QVERIFY(ApplyEffect(*e, 1, 3));
      QCOMPARE(e->ImgView[3]->toolTip(), texts[2]);
      QCOMPARE(e->FormPreview->BtnApply->text(), texts[3]);
      QCOMPARE(e->Session().UndoStepName(), texts[2]);  // the history's name of the step
    }
    QCoreApplication::removeTranslator(&translator);
  }

  // The engine's refusal of a picture reaches the window whole in the
  // language: its frame and its reason, the file's name as it is.
  void theEngineSpeaksTheLanguage_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("message");  // of a BMP file cut inside its header's picture
    QTest::newRow("de") << "de"
                        << "Das Bitmap-Bild ist ungültig: die Datei endet mitten in den Pixeldaten";
    QTest::newRow("ja")
        << "ja"
        << "Bitmap 画像が正しくありません: ピクセルデータの途中でファイルが終わっています";
  }
  void theEngineSpeaksTheLanguage() {
    QFETCH(QString, language);
    QFETCH(QString, message);
    QTranslator own, engine;
    QVERIFY(own.load(Beside("translations/quorvane_" + language + ".qm")));
    QVERIFY(engine.load(Beside("translations/quorvane_engine_" + language + ".qm")));
    QCoreApplication::installTranslator(&own);
    QCoreApplication::installTranslator(&engine);
    {
      QTemporaryDir dir;
      const QString cut = dir.filePath("cut.bmp");
      const Bytes whole = EncodeBmp(Varied(8, 8, 1));
      WriteFileBytes(cut.toStdString(), Bytes(whole.begin(), whole.begin() + 60));
      Editor e;
      e.dialogs.OpenAnswers.push_back(cut);
      QTest::mouseClick(e->BtnOpen, Qt::LeftButton);
      QCOMPARE(e.dialogs.Messages, QStringList{message});
    }
    QCoreApplication::removeTranslator(&engine);
    QCoreApplication::removeTranslator(&own);
  }
};

QV_TEST_MAIN(TranslationsTest)
#include "TranslationsTest.moc"
