// The engine's messages shown in the user's language: each template looked
// up on its own, the arguments put in where the translation puts them,
// verbatim words (file names, numbers, a library's text) left as they are,
// and the English wherever a catalog has nothing.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QHash>
#include <QTranslator>

#include "gfx/Error.h"
#include "session/EngineText.h"

namespace qv {
namespace {

// A catalog written down here rather than compiled.
class Catalog : public QTranslator {
 public:
  explicit Catalog(QHash<QString, QString> texts) : texts_(std::move(texts)) {}
  bool isEmpty() const override { return false; }
  QString translate(const char *context, const char *source, const char *, int) const override {
    return QLatin1String(context) == QLatin1String(kEngineContext)
               ? texts_.value(QString::fromUtf8(source))
               : QString();
  }

 private:
  QHash<QString, QString> texts_;
};

TEST(EngineText, EachTemplateIsTranslatedAndVerbatimWordsStay) {
  const QHash<QString, QString> german{
      {"Cannot open file %1: %2", "Die Datei %1 lässt sich nicht öffnen: %2"},
      {"%1 image is not valid: %2", "%2 (%1-Bild ungültig)"},
      {"the file ends before its pixels do", "die Datei endet vor ihren Pixeln"},
      {"its %1 is damaged", "%1 ist beschädigt"},
      {"%1 (item %2)", "%1 (Objekt %2)"},
      {"grid", "Raster"},
  };
  struct Case {
    const char *name;
    Text text;
    const char *english, *translated;
  };
  const Case cases[] = {
      {"a path holding %1 is no placeholder",
       Say(QV_TEXT("Cannot open file %1: %2"), "/tmp/100%1 sure.jpg", "No such file or directory"),
       "Cannot open file /tmp/100%1 sure.jpg: No such file or directory",
       "Die Datei /tmp/100%1 sure.jpg lässt sich nicht öffnen: No such file or directory"},
      {"the translation reorders, the reason is translated too",
       Say(QV_TEXT("%1 image is not valid: %2"), "JPEG",
           QV_TEXT("the file ends before its pixels do")),
       "JPEG image is not valid: the file ends before its pixels do",
       "die Datei endet vor ihren Pixeln (JPEG-Bild ungültig)"},
      {"three deep, with a number",
       Say(QV_TEXT("%1 image is not valid: %2"), "HEIF",
           Say(QV_TEXT("its %1 is damaged"), Say(QV_TEXT("%1 (item %2)"), QV_TEXT("grid"), 7))),
       "HEIF image is not valid: its grid (item 7) is damaged",
       "Raster (Objekt 7) ist beschädigt (HEIF-Bild ungültig)"},
      {"a library's words stay English",
       Say(QV_TEXT("%1 image is not valid: %2"), "PNG", Text::Verbatim("IHDR: CRC error")),
       "PNG image is not valid: IHDR: CRC error", "IHDR: CRC error (PNG-Bild ungültig)"},
      {"a text the catalog lacks stays English",
       Say(QV_TEXT("File %1 is too large to be a picture"), "big.bmp"),
       "File big.bmp is too large to be a picture", "File big.bmp is too large to be a picture"},
      {"nothing to say", Text(), "", ""},
  };
  Catalog catalog(german);
  for (const Case &c : cases) {
    EXPECT_EQ(c.text.English(), c.english) << c.name;
    EXPECT_EQ(Translated(c.text).toStdString(), c.english) << c.name << " (no catalog)";
    QCoreApplication::installTranslator(&catalog);
    EXPECT_EQ(Translated(c.text).toStdString(), c.translated) << c.name;
    EXPECT_EQ(Translated(Error(c.text).Message()).toStdString(), c.translated) << c.name;
    QCoreApplication::removeTranslator(&catalog);
  }
}

}  // namespace
}  // namespace qv
