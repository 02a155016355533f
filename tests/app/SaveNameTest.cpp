// Which file Save writes and in which format: every extension a format can
// be written with, in either case, under every entry of the type list; then
// names without one, with a format that is only read, or with an extension
// inside them; and the name the dialog shows when another entry is picked.

#include <QtTest>

#include "TestHome.h"
#include "app/PictureTypes.h"
#include "app/SaveName.h"

using namespace qv;

namespace {

// The save dialog's entries, 1-based, as the filter lists them.
int EntryCount() {
  return int(SaveFilter().split(QLatin1Char('|')).size() / 2);
}

}  // namespace

class SaveNameTest : public QObject {
  Q_OBJECT

 private slots:
  void aTypedExtensionDecides_data() {
    QTest::addColumn<QString>("entered");
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("written");
    QTest::addColumn<int>("format");
    for (const PictureCodec &codec : PictureCodecs()) {
      if (!codec.Encode) continue;
      for (const char *extension : codec.Extensions)
        for (const QString &typed :
             {QString::fromLatin1(extension), QString::fromLatin1(extension).toUpper()})
          for (int entry = 1; entry <= EntryCount(); ++entry) {
            const QString name = "/pictures/photo." + typed;
            QTest::addRow("%s under %s", qPrintable(typed), qPrintable(SavedExtension(entry)))
                << name << entry << name << int(codec.Format);
          }
    }
  }
  void aTypedExtensionDecides() { Check(); }

  void otherNamesGoByTheEntry_data() {
    QTest::addColumn<QString>("entered");
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("written");
    QTest::addColumn<int>("format");
    for (int entry = 1; entry <= EntryCount(); ++entry) {
      const QString added = SavedExtension(entry);
      const int format = int(SaveFormat(entry));
      QTest::addRow("none %s", qPrintable(added)) << "photo" << entry << "photo" + added << format;
      QTest::addRow("read only %s", qPrintable(added))
          << "photo.heic" << entry << "photo.heic" + added << format;
      QTest::addRow("unknown %s", qPrintable(added))
          << "photo.v2" << entry << "photo.v2" + added << format;
      QTest::addRow("dotted folder %s", qPrintable(added))
          << "/my.v1/photo" << entry << "/my.v1/photo" + added << format;
      // Holding the entry's extension somewhere keeps the name, as always.
      QTest::addRow("inside %s", qPrintable(added))
          << "photo" + added + ".old" << entry << "photo" + added + ".old" << format;
    }
    // ...letter case counting there.
    QTest::newRow("inside, upper case")
        << "photo.JPG.old" << 1 << "photo.JPG.old.jpg" << int(PictureFormat::Jpeg);
    QTest::newRow("inside, another entry's")
        << "photo.png.old" << 1 << "photo.png.old.jpg" << int(PictureFormat::Jpeg);
  }
  void otherNamesGoByTheEntry() { Check(); }

  void anotherEntryRenamesTheTypedName_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("shown");
    QTest::newRow("jpg to bmp") << "photo.jpg" << 2 << "photo.bmp";
    QTest::newRow("JPEG to png") << "photo.JPEG" << 3 << "photo.png";
    QTest::newRow("tiff to webp") << "scan.final.tiff" << 4 << "scan.final.webp";
    QTest::newRow("in a folder") << "work/photo.png" << 5 << "work/photo.tif";
    QTest::newRow("none stays") << "photo" << 2 << "photo";
    QTest::newRow("read only stays") << "photo.heic" << 2 << "photo.heic";
  }
  void anotherEntryRenamesTheTypedName() {
    QFETCH(QString, name);
    QFETCH(int, entry);
    QFETCH(QString, shown);
    QCOMPARE(NameForEntry(name, entry), shown);
  }

 private:
  static void Check() {
    QFETCH(QString, entered);
    QFETCH(int, entry);
    QFETCH(QString, written);
    QFETCH(int, format);
    const SaveTarget target = SaveTargetFor(entered, entry);
    QCOMPARE(target.Path, written);
    QCOMPARE(int(target.Format), format);
  }
};

QV_TEST_MAIN(SaveNameTest)
#include "SaveNameTest.moc"
