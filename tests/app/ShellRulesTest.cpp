// The window's arithmetic and naming rules, without a window.

#include <QtTest>

#include "TestHome.h"
#include "app/PictureTypes.h"
#include "app/QtDialogs.h"
#include "app/ScreenLayout.h"
#include "app/Unit1.h"
#include "session/WhitenIfUniform.h"
#include "widgets/DesignFont.h"

using namespace qv;

Q_DECLARE_METATYPE(qv::Bounds)

namespace QTest {
template <>
char *toString(const qv::Bounds &b) {
  return qstrdup(QByteArray::number(b.Left) + ", " + QByteArray::number(b.Top) + ", " +
                 QByteArray::number(b.Width) + " x " + QByteArray::number(b.Height));
}
}  // namespace QTest

namespace {

Bitmap Filled(int w, int h, TColor color) {
  Bitmap b(w, h);
  b.SetBrushColor(color);
  b.Fill();
  return b;
}

bool AllWhite(const Bitmap &b) {
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x)
      if (b.Pixel(x, y) != clWhite) return false;
  return true;
}

}  // namespace

class ShellRulesTest : public QObject {
  Q_OBJECT
 private slots:
  void layoutForScreen_data() {
    QTest::addColumn<int>("sw");
    QTest::addColumn<int>("sh");
    QTest::addColumn<Bounds>("window");
    QTest::addColumn<Bounds>("panel4");
    QTest::addColumn<Bounds>("panel1");
    QTest::addColumn<Bounds>("panel2");
    QTest::addColumn<Bounds>("panel3");
    QTest::newRow("1280x1024") << 1280 << 1024 << Bounds{128, 133, 1004, 718}
                               << Bounds{0, 0, 126, 678} << Bounds{125, 0, 862, 678}
                               << Bounds{125, 399, 862, 279} << Bounds{112, 0, 750, 399};
    QTest::newRow("1024x768") << 1024 << 768 << Bounds{0, 5, 1004, 718} << Bounds{0, 0, 126, 678}
                              << Bounds{125, 0, 862, 678} << Bounds{125, 399, 862, 279}
                              << Bounds{112, 0, 750, 399};
    // Above the top edge of the screen.
    QTest::newRow("1024x600") << 1024 << 600 << Bounds{0, -79, 1004, 718} << Bounds{0, 0, 126, 678}
                              << Bounds{125, 0, 862, 678} << Bounds{125, 399, 862, 279}
                              << Bounds{112, 0, 750, 399};
    // (801 - 1004) / 2 truncates toward zero: -101, then -10.
    QTest::newRow("801x600") << 801 << 600 << Bounds{-111, -79, 1004, 718} << Bounds{0, 0, 126, 678}
                             << Bounds{125, 0, 862, 678} << Bounds{125, 399, 862, 279}
                             << Bounds{112, 0, 750, 399};
    QTest::newRow("800x600") << 800 << 600 << Bounds{0, 0, 780, 560} << Bounds{0, 0, 126, 520}
                             << Bounds{125, 0, 638, 520} << Bounds{125, 241, 638, 279}
                             << Bounds{112, 0, 526, 241};
  }
  void layoutForScreen() {
    QFETCH(int, sw);
    QFETCH(int, sh);
    QFETCH(Bounds, window);
    QFETCH(Bounds, panel4);
    QFETCH(Bounds, panel1);
    QFETCH(Bounds, panel2);
    QFETCH(Bounds, panel3);
    const MainLayout l = LayoutForScreen(sw, sh);
    QCOMPARE(l.Window, window);
    QCOMPARE(l.FlatPanel4, panel4);
    QCOMPARE(l.FlatPanel1, panel1);
    QCOMPARE(l.FlatPanel2, panel2);
    QCOMPARE(l.FlatPanel3, panel3);
    // The client area the panels fill: FlatPanel4 reaches its bottom. A
    // window resized to that client area gets the same panels.
    QCOMPARE(l.ClientHeight, l.FlatPanel4.Height);
    const MainLayout resized = LayoutForClient(l.ClientWidth, l.ClientHeight);
    QCOMPARE(resized.FlatPanel1, panel1);
    QCOMPARE(resized.FlatPanel2, panel2);
    QCOMPARE(resized.FlatPanel3, panel3);
  }

  void fitDisplay() {
    // Aspect kept, full height less 3, centred.
    QCOMPARE(FitDisplayBounds(750, 399, 400, 300), (Bounds{111, 1, 528, 396}));
    // A very wide picture overflows on both sides instead of shrinking.
    const Bounds wide = FitDisplayBounds(750, 399, 4000, 300);
    QCOMPARE(wide.Width, 5280);
    QCOMPARE(wide.Left, (750 - 5280) / 2);
    QVERIFY(wide.Left < 0);
    // The product of the widest picture and the height passes 32 bits.
    QCOMPARE(FitDisplayBounds(750, 1000, 65535, 1).Width, 65535 * 997);
  }

  void saveFileNames() {
    QCOMPARE(SaveFileName("out", 1), QString("out.jpg"));
    QCOMPARE(SaveFileName("out.JPG", 1), QString("out.JPG.jpg"));
    QCOMPARE(SaveFileName("a.jpg.old", 1), QString("a.jpg.old"));
    QCOMPARE(SaveFileName("out.jpg", 2), QString("out.jpg.bmp"));
    QCOMPARE(SaveFileName("out.bmp", 2), QString("out.bmp"));
    QCOMPARE(SaveFileName("out.BMP", 2), QString("out.BMP.bmp"));
    // The new entries follow the same rule; ".tif" is inside ".tiff".
    QCOMPARE(SaveFileName("out", 3), QString("out.png"));
    QCOMPARE(SaveFileName("out.webp", 4), QString("out.webp"));
    QCOMPARE(SaveFileName("scan.tiff", 5), QString("scan.tiff"));
    QCOMPARE(SaveFileName("scan.png", 5), QString("scan.png.tif"));
    // What the dialog proposes for the picture's own name: one the rule
    // above keeps as it is.
    QCOMPARE(ProposedSaveName("/p/a.jpg", 1), QString("a.jpg"));
    QCOMPARE(ProposedSaveName("/p/a.jpg", 2), QString("a.bmp"));
    QCOMPARE(ProposedSaveName("/p/my.photo.jpeg", 1), QString("my.photo.jpg"));
    QCOMPARE(ProposedSaveName("/p/a.JPG", 1), QString("a.jpg"));
    QCOMPARE(ProposedSaveName("/p/a.jpg.bmp", 1), QString("a.jpg.bmp"));
    QCOMPARE(ProposedSaveName("/p/noext", 2), QString("noext.bmp"));
    QCOMPARE(ProposedSaveName("/p/IMG_0001.heic", 1), QString("IMG_0001.jpg"));
    QCOMPARE(ProposedSaveName("/p/scan.tiff", 5), QString("scan.tiff"));
  }

  void commandLineFiles() {
    QCOMPARE(CommandLineFile("file:///tmp/a%20b.jpg"), QString("/tmp/a b.jpg"));
    QCOMPARE(CommandLineFile("/tmp/x/../y.bmp"), QString("/tmp/y.bmp"));
    QCOMPARE(CommandLineFile("rel.jpg"), QDir::current().absoluteFilePath("rel.jpg"));
    QCOMPARE(CommandLineFile("#1.jpg"), QDir::current().absoluteFilePath("#1.jpg"));
  }

  void whitenIfUniform() {
    // Every draw samples inside the bitmap but never its last column or row.
    QList<int> bounds;
    auto corner = [&bounds](int bound) {
      bounds << bound;
      return bound > 0 ? bound - 1 : 0;
    };
    Bitmap uniform = Filled(20, 12, 0x336699);
    uniform.SetPixel(19, 11, clBlack);  // last column and row: never looked at
    WhitenIfUniform(uniform, corner);
    QVERIFY(AllWhite(uniform));
    QCOMPARE(bounds.size(), 22);
    QCOMPARE(bounds[0], 19);
    QCOMPARE(bounds[1], 11);

    // One differing sample stops it, whichever draw finds it.
    Bitmap spotted = Filled(20, 12, 0x336699);
    spotted.SetPixel(7, 3, clBlack);
    int draw = 0;
    WhitenIfUniform(spotted, [&draw](int) { return ++draw > 20 ? (draw == 21 ? 7 : 3) : 0; });
    QCOMPARE(spotted.Pixel(0, 0), TColor(0x336699));

    // Without the reference pixel (4, 8) nothing is whitened.
    Bitmap narrow = Filled(4, 20, 0x336699), low = Filled(20, 8, 0x336699);
    RandomGenerator random;
    random.SeedFromClock();
    WhitenIfUniform(narrow, random);
    WhitenIfUniform(low, random);
    QCOMPARE(narrow.Pixel(0, 0), TColor(0x336699));
    QCOMPARE(low.Pixel(0, 0), TColor(0x336699));

    // A clock-seeded generator whitens a single-colour picture, always.
    Bitmap plain = Filled(5, 9, clRed);
    WhitenIfUniform(plain, random);
    QVERIFY(AllWhite(plain));
    Bitmap empty;
    WhitenIfUniform(empty, random);
    QVERIFY(empty.Empty());
  }

  void dialogFiltersAndFont() {
    const QStringList open = NameFilters(OpenFilter());
    QCOMPARE(open.first(),
             QString("All pictures (*.jpg *.jpeg *.jpe *.jfif *.bmp *.png *.webp *.tif *.tiff "
                     "*.heic *.heif *.avif)"));
    QCOMPARE(
        open.mid(1),
        (QStringList{"JPEG picture (*.jpg *.jpeg *.jpe *.jfif)", "BMP picture (*.bmp)",
                     "PNG picture (*.png)", "WebP picture (*.webp)", "TIFF picture (*.tif *.tiff)",
                     "HEIC picture (*.heic *.heif)", "AVIF picture (*.avif)", "All files (*)"}));
    QCOMPARE(NameFilters(SaveFilter()),
             (QStringList{"JPEG picture (*.jpg)", "BMP picture (*.bmp)", "PNG picture (*.png)",
                          "WebP picture (*.webp)", "TIFF picture (*.tif *.tiff)"}));
    const PictureFormat saved[] = {PictureFormat::Jpeg, PictureFormat::Bmp,  PictureFormat::Png,
                                   PictureFormat::Webp, PictureFormat::Tiff, PictureFormat::Jpeg};
    for (int entry = 1; entry <= 6; ++entry) QCOMPARE(SaveFormat(entry), saved[entry - 1]);
    const QFont font = DesignFont("MS Sans Serif", -11);
    QCOMPARE(font.pixelSize(), 11);
    QVERIFY(font.family() != "MS Sans Serif");
  }
};

QV_TEST_MAIN(ShellRulesTest)
#include "ShellRulesTest.moc"
