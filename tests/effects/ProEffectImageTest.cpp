#include <QMetaMethod>
#include <QMetaObject>
#include <QPaintEvent>
#include <QRegularExpression>
#include <QtTest>
#include <string>

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

// Counts its repaints.
class CountingImage : public TProEffectImage {
 public:
  int paints = 0;

 protected:
  void paintEvent(QPaintEvent *event) override {
    ++paints;
    TProEffectImage::paintEvent(event);
  }
};

// Calls f, which must throw qv::Error with the given message.
template <class F>
bool ThrowsError(F f, const std::string &message) {
  try {
    f();
  } catch (const qv::Error &e) {
    return e.what() == message;
  }
  return false;
}

}  // namespace

class ProEffectImageTest : public QObject {
  Q_OBJECT

 private slots:
  // The effects match their kernels, whichever envelope carries them, and
  // each starts from the picture the previous one left.
  void EffectsRunTheirKernelsOnThePicture() {
    const Bitmap picture = Varied(21, 17);
    TProEffectImage image;
    image.Picture().Assign(picture);

    image.Effect_Invert();
    Bitmap expected(picture);
    qv::ApplyInvert(expected);
    QVERIFY(image.Picture().Bitmap().SamePixels(expected));
    image.Effect_Invert();
    QVERIFY(image.Picture().Bitmap().SamePixels(picture));

    image.Effect_GaussianBlur(1);
    expected = picture;
    qv::ApplyGaussianBlur(expected, 1);
    QVERIFY(image.Picture().Bitmap().SamePixels(expected));

    // Two copies, D processed alone: the emboss reads what it has written
    // only where the result equals working from a copy.
    image.Picture().Assign(picture);
    image.Effect_Emboss();
    expected = picture;
    qv::ApplyEmboss(expected);
    QVERIFY(image.Picture().Bitmap().SamePixels(expected));

    // Two copies, S read and D written.
    image.Picture().Assign(picture);
    image.Effect_Solorize(-1);
    QVERIFY(image.Picture().Bitmap().SamePixels([&] {
      Bitmap inverted(picture);
      qv::ApplyInvert(inverted);
      return inverted;
    }()));

    image.Picture().Assign(picture);
    image.Effect_SpotLight(0, qv::Rect{0, 0, 21, 17});
    QCOMPARE(image.Picture().Bitmap().Pixel(0, 0), qv::clBlack);
    QCOMPARE(image.Picture().Bitmap().Pixel(10, 8), picture.Pixel(10, 8));
    QCOMPARE(image.Picture().Bitmap().Width(), 21);
    QCOMPARE(image.Picture().Bitmap().Height(), 17);
  }

  // A kernel that throws leaves the picture as it was.
  void FailingKernelLeavesThePicture() {
    const Bitmap picture = Varied(12, 3);
    TProEffectImage image;
    image.Picture().Assign(picture);
    const std::string division = "Floating point division by zero";
    const std::string scanLine = "Scan line index out of range";
    QVERIFY(ThrowsError([&] { image.Effect_Posterize(0); }, division));
    QVERIFY(ThrowsError([&] { image.Effect_FishEye(0); }, division));
    QVERIFY(ThrowsError([&] { image.Effect_Twist(0); }, division));
    QVERIFY(ThrowsError([&] { image.Effect_GaussianBlur(0); }, scanLine));
    QVERIFY(image.Picture().Bitmap().SamePixels(picture));
  }

  // A picture holding another kind of graphic gives way to an empty bitmap
  // at the first effect; the mosaic then fails on the empty picture.
  void OtherGraphicBecomesAnEmptyBitmap() {
    QImage jpeg(8, 8, QImage::Format_RGB32);
    jpeg.fill(Qt::red);
    TProEffectImage image;
    image.Picture().SetGraphic(jpeg, "JPEG");
    QCOMPARE(image.Picture().Content(), TPicture::Holds::OtherGraphic);
    QCOMPARE(image.Picture().GraphicKind(), QString("JPEG"));

    image.Effect_Contrast(100);
    QCOMPARE(image.Picture().Content(), TPicture::Holds::Bitmap);
    QVERIFY(image.Picture().Graphic().isNull());
    QVERIFY(image.Picture().Bitmap().Empty());

    image.Picture().SetGraphic(jpeg, "Icon");
    image.Effect_Invert();
    QVERIFY(image.Picture().Bitmap().Empty());

    image.Picture().SetGraphic(jpeg, "JPEG");
    QVERIFY(ThrowsError([&] { image.Effect_Mosaic(4); }, "Scan line index out of range"));
    QCOMPARE(image.Picture().Content(), TPicture::Holds::Bitmap);
    QVERIFY(image.Picture().Bitmap().Empty());
  }

  // The spare bitmaps exist from construction, are reachable by name, and
  // no effect touches them.
  void SpareBitmapsByName() {
    TProEffectImage image;
    const QVariant bmp = image.property("BMP");
    const QVariant mask = image.property("Mask");
    QVERIFY(bmp.isValid() && mask.isValid());
    QCOMPARE(bmp.value<qv::Bitmap *>(), image.BMP());
    QCOMPARE(mask.value<qv::Bitmap *>(), image.Mask());
    QVERIFY(image.BMP() != image.Mask());
    QVERIFY(image.BMP()->Empty() && image.Mask()->Empty());

    *image.BMP() = Varied(4, 4);
    image.Picture().Assign(Varied(9, 9));
    image.Effect_Invert();
    image.Effect_Tile(1);
    QVERIFY(image.BMP()->SamePixels(Varied(4, 4)));
    QVERIFY(image.Mask()->Empty());
  }

  // The twenty-one methods are found by name, in their declared order, and
  // can be called through the meta-object system.
  void EffectsFoundAndCalledByName() {
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
    const QMetaObject *meta = &TProEffectImage::staticMetaObject;
    int previous = -1;
    for (const char *signature : signatures) {
      const int index = meta->indexOfMethod(QMetaObject::normalizedSignature(signature));
      QVERIFY2(index > previous, signature);
      QCOMPARE(meta->method(index).methodType(), QMetaMethod::Method);
      previous = index;
    }

    Bitmap picture(3, 1);
    picture.SetPixel(0, 0, qv::RGBColor(32, 96, 160));
    picture.SetPixel(1, 0, qv::RGBColor(223, 224, 255));
    TProEffectImage image;
    image.Picture().Assign(picture);
    QVERIFY(QMetaObject::invokeMethod(&image, "Effect_Posterize", Q_ARG(int, 64)));
    QCOMPARE(image.Picture().Bitmap().Pixel(0, 0), qv::RGBColor(0, 128, 128));
    QCOMPARE(image.Picture().Bitmap().Pixel(1, 0), qv::RGBColor(192, 255, 255));

    image.Picture().Assign(picture);
    QVERIFY(QMetaObject::invokeMethod(&image, "Effect_SpotLight", Q_ARG(int, 255),
                                      Q_ARG(qv::Rect, (qv::Rect{0, 0, 3, 1}))));
    QCOMPARE(image.Picture().Bitmap().Pixel(1, 0), qv::clBlack);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("No such method"));
    QVERIFY(!QMetaObject::invokeMethod(&image, "Effect_Sharpen"));
  }

  // In place effects repaint by invalidating; copy effects through the
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
};

QTEST_MAIN(ProEffectImageTest)
#include "ProEffectImageTest.moc"
