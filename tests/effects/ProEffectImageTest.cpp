#include <QMetaObject>
#include <QRegularExpression>
#include <QtTest>
#include <iterator>
#include <string>
#include <vector>

#include "effects/FilterTable.h"
#include "effects/Filters.h"
#include "effects/control/ProEffectImage.h"
#include "gfx/Error.h"

using qv::Bitmap;
using qv::TPicture;
using qv::TProEffectImage;

namespace {

Bitmap Varied(int width, int height) {
  Bitmap bmp(width, height);
  for (int y = 0; y < height; ++y)
    for (std::size_t i = 0; i < bmp.RowBytes(); ++i)
      bmp.ScanLine(y)[i] = std::uint8_t((i * 37 + std::size_t(y) * 101) * 2654435761u >> 24);
  return bmp;
}

class CountingImage : public TProEffectImage {
 public:
  int paints = 0;

 protected:
  void paintEvent(QPaintEvent *event) override {
    ++paints;
    TProEffectImage::paintEvent(event);
  }
};

template <class F>
std::string ErrorOf(F f) {
  try {
    f();
  } catch (const qv::Error &e) {
    return e.what();
  }
  return "no error";
}

}  // namespace

class ProEffectImageTest : public QObject {
  Q_OBJECT

 private slots:
  // Each envelope hands the kernel the picture and keeps what it made; each
  // effect starts from the picture the previous one left.
  void EnvelopesCarryTheKernels() {
    const Bitmap picture = Varied(21, 17);
    TProEffectImage image;
    image.Picture().Assign(picture);
    Bitmap expected(picture);
    qv::ApplyInvert(expected);
    image.Effect_Invert();  // in place
    QVERIFY(image.Picture().Bitmap().SamePixels(expected));
    image.Effect_Solorize(-1);  // two copies, S read, D written
    QVERIFY(image.Picture().Bitmap().SamePixels(picture));
    image.Effect_GaussianBlur(1);  // one copy
    expected = picture;
    qv::ApplyGaussianBlur(expected, 1);
    QVERIFY(image.Picture().Bitmap().SamePixels(expected));

    image.Picture().Assign(picture);  // two copies, D alone
    image.Effect_SpotLight(0, qv::Rect{0, 0, 21, 17});
    QCOMPARE(image.Picture().Bitmap().Pixel(0, 0), qv::clBlack);
    QCOMPARE(image.Picture().Bitmap().Pixel(10, 8), picture.Pixel(10, 8));
  }

  void FailingKernelLeavesThePicture() {
    const Bitmap picture = Varied(12, 3);
    TProEffectImage image;
    image.Picture().Assign(picture);
    const std::string division = "Floating point division by zero";
    QCOMPARE(ErrorOf([&] { image.Effect_Posterize(0); }), division);
    QCOMPARE(ErrorOf([&] { image.Effect_FishEye(0); }), division);
    QCOMPARE(ErrorOf([&] { image.Effect_Twist(0); }), division);
    QCOMPARE(ErrorOf([&] { image.Effect_GaussianBlur(0); }),
             std::string("Scan line index out of range"));
    QVERIFY(image.Picture().Bitmap().SamePixels(picture));
  }

  // Another kind of graphic gives way to an empty bitmap at the first
  // effect; the mosaic then fails on the empty picture.
  void OtherGraphicBecomesAnEmptyBitmap() {
    QImage jpeg(8, 8, QImage::Format_RGB32);
    jpeg.fill(Qt::red);
    TProEffectImage image;
    image.Picture().SetGraphic(jpeg, "JPEG");
    QCOMPARE(image.Picture().Content(), TPicture::Holds::OtherGraphic);
    image.Effect_Contrast(100);
    QCOMPARE(image.Picture().Content(), TPicture::Holds::Bitmap);
    QVERIFY(image.Picture().Graphic().isNull());
    QVERIFY(image.Picture().Bitmap().Empty());

    image.Picture().SetGraphic(jpeg, "Icon");
    QCOMPARE(ErrorOf([&] { image.Effect_Mosaic(4); }), std::string("Scan line index out of range"));
    QCOMPARE(image.Picture().Content(), TPicture::Holds::Bitmap);
    QVERIFY(image.Picture().Bitmap().Empty());
  }

  // The spare bitmaps and the twenty-one methods are found by name, the
  // methods in their declared order, and can be called that way.
  void PublishedByName() {
    TProEffectImage image;
    QCOMPARE(image.property("BMP").value<qv::Bitmap *>(), image.BMP());
    QCOMPARE(image.property("Mask").value<qv::Bitmap *>(), image.Mask());
    QVERIFY(image.BMP() && image.Mask() && image.BMP() != image.Mask());

    const char *const signatures[] = {
        "Effect_Invert()",
        "Effect_AddColorNoise(int)",
        "Effect_AddMonoNoise(int)",
        "Effect_AntiAlias()",
        "Effect_Contrast(int)",
        "Effect_FishEye(int)",
        "Effect_GrayScale()",
        "Effect_Lightness(int)",
        "Effect_Darkness(int)",
        "Effect_Saturation(int)",
        "Effect_SplitBlur(int)",
        "Effect_GaussianBlur(int)",
        "Effect_Mosaic(int)",
        "Effect_Twist(int)",
        "Effect_Splitlight(int)",
        "Effect_Tile(int)",
        "Effect_SpotLight(int,qv::Rect)",
        "Effect_Trace(int)",
        "Effect_Emboss()",
        "Effect_Solorize(int)",
        "Effect_Posterize(int)",
    };
    int previous = -1;
    QCOMPARE(std::size(signatures), qv::Filters().size());
    for (std::size_t i = 0; i < qv::Filters().size(); ++i) {
      const char *signature = signatures[i];
      const int index = TProEffectImage::staticMetaObject.indexOfMethod(signature);
      QVERIFY2(index > previous, signature);
      previous = index;
      // The filter table lists the same methods in the same order.
      QVERIFY2(QByteArray(signature).startsWith(QByteArray(qv::Filters()[i].method) + '('),
               signature);
    }

    Bitmap picture(2, 1);
    picture.SetPixel(0, 0, qv::RGBColor(32, 96, 160));
    picture.SetPixel(1, 0, qv::RGBColor(223, 224, 255));
    image.Picture().Assign(picture);
    QVERIFY(QMetaObject::invokeMethod(&image, "Effect_Posterize", Q_ARG(int, 64)));
    QCOMPARE(image.Picture().Bitmap().Pixel(0, 0), qv::RGBColor(0, 128, 128));
    QCOMPARE(image.Picture().Bitmap().Pixel(1, 0), qv::RGBColor(192, 255, 255));
    QVERIFY(QMetaObject::invokeMethod(&image, "Effect_SpotLight", Q_ARG(int, 255),
                                      Q_ARG(qv::Rect, (qv::Rect{0, 0, 2, 1}))));
    QCOMPARE(image.Picture().Bitmap().Pixel(1, 0), qv::clBlack);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("No such method"));
    QVERIFY(!QMetaObject::invokeMethod(&image, "Effect_Sharpen"));
    QVERIFY(image.BMP()->Empty() && image.Mask()->Empty());
  }

  // In-place effects repaint by invalidating, copy effects through the
  // picture's change notification.
  void EffectsRepaintTheControl() {
    CountingImage image;
    image.resize(40, 30);
    image.Picture().Assign(Varied(20, 15));
    image.show();
    QVERIFY(QTest::qWaitForWindowExposed(&image));
    for (auto effect : {+[](TProEffectImage &i) { i.Effect_AntiAlias(); },
                        +[](TProEffectImage &i) { i.Effect_Lightness(10); },
                        +[](TProEffectImage &i) { i.Effect_Trace(1); }}) {
      QCoreApplication::processEvents();
      image.paints = 0;
      effect(image);
      QTRY_VERIFY(image.paints > 0);
    }
  }

  // Each method runs its entry of the filter table, with the control's own
  // generator for the noise, also with values outside the table's ranges.
  void EveryMethodRunsItsTableEntry() {
    const Bitmap original = Varied(31, 23);
    for (const qv::FilterInfo &f : qv::Filters())
      for (int shift : {0, 1000}) {
        std::vector<int> args = f.Defaults();
        if (!args.empty()) args[0] += shift;
        Bitmap expected = original;
        qv::RandomGenerator random;
        try {
          f.run(expected, args, random);
        } catch (const qv::Error &) {
          continue;  // failures have a test of their own
        }
        TProEffectImage image;
        image.Picture().Assign(original);
        bool ok = true;
        if (args.size() == 5)
          ok = QMetaObject::invokeMethod(
              &image, f.method, Q_ARG(int, args[0]),
              Q_ARG(qv::Rect, (qv::Rect{args[1], args[2], args[3], args[4]})));
        else if (args.size() == 1)
          ok = QMetaObject::invokeMethod(&image, f.method, Q_ARG(int, args[0]));
        else
          ok = QMetaObject::invokeMethod(&image, f.method);
        QVERIFY2(ok, f.method);
        QVERIFY2(image.Picture().Bitmap().SamePixels(expected), f.method);
      }
  }
};

QTEST_MAIN(ProEffectImageTest)
#include "ProEffectImageTest.moc"
