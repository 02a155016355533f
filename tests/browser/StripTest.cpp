// The category column and the thumbnail strip, driven through the main
// window's buttons: what each category renders, Change Color, a failing
// asset, and when the strip paints.

#include <QLabel>
#include <QtTest>

#include "EditorFixture.h"
#include "preview/UnitPreview.h"
#include "widgets/Image.h"
#include "widgets/TFlatPanelUnit.h"

using namespace qv;
using namespace qv::test;

namespace {

bool Shown(const QWidget *w) {
  return !w->isHidden();
}

bool ChangeColorOffered(Editor &e) {
  return Shown(e->FormPreview->BtnColor);
}

// Counts the paints of a widget and how many thumbnails were up at each.
class PaintWatch : public QObject {
 public:
  PaintWatch(TFormMain &form) : form_(form) { form.FlatPanel2->installEventFilter(this); }
  QList<int> VisibleAtEachPaint;

 protected:
  bool eventFilter(QObject *, QEvent *event) override {
    if (event->type() == QEvent::Paint) {
      int visible = 0;
      for (int n = 1; n <= kThumbnailCount; ++n) visible += Shown(form_.ImgView[n]);
      VisibleAtEachPaint << visible;
    }
    return false;
  }

 private:
  TFormMain &form_;
};

}  // namespace

class StripTest : public QObject {
  Q_OBJECT

 private slots:
  void everyCategoryFillsTheStrip_data() {
    QTest::addColumn<int>("id");
    for (const Category &c : Categories()) QTest::newRow(c.Caption) << c.Id;
  }
  void everyCategoryFillsTheStrip() {
    QFETCH(int, id);
    Editor e;
    e.Choose(id);

    QVERIFY2(e.dialogs.Messages.isEmpty(), qPrintable(e.dialogs.Messages.join('\n')));
    QCOMPARE(e->CurrentCategory, id);
    Bitmap squeezed(kThumbnailSide, kThumbnailSide);
    squeezed.StretchDraw({0, 0, kThumbnailSide, kThumbnailSide}, e->WorkBitmap);
    QVERIFY(e->ThumbBitmap.SamePixels(squeezed));
    for (int n = 1; n <= kThumbnailCount; ++n) {
      QVERIFY(Shown(e->ImgView[n]) && Shown(e->Label[n]));
      QCOMPARE(e->Label[n]->text(), QString::number(n));
      QVERIFY2(e->ImgView[n]->Picture().SamePixels(e.Expected(id, n, RenderSize::Thumbnail)),
               qPrintable(QStringLiteral("thumbnail %1").arg(n)));
    }
    // The last render stays in the shared result bitmap.
    QVERIFY(e->ResultBitmap.SamePixels(e->ImgView[10]->Picture()));
    QVERIFY(!e->PickColorFlag);
  }

  void choosingACategorySetsChangeColor_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<bool>("before");
    QTest::addColumn<bool>("after");
    QTest::newRow("Light A") << 1 << false << true;
    QTest::newRow("Star") << 4 << false << true;
    QTest::newRow("Weather") << 6 << false << true;
    QTest::newRow("Gradient") << 7 << true << false;
    QTest::newRow("Texture") << 9 << true << false;
    QTest::newRow("Edge A") << 10 << false << true;
    QTest::newRow("Edge B") << 11 << false << true;
    QTest::newRow("Dream A") << 12 << true << false;
    QTest::newRow("Dream B") << 13 << true << false;
    QTest::newRow("Line") << 14 << false << true;
    QTest::newRow("Preset") << 16 << true << false;
    // Color and Art leave it to the thumbnail clicked next.
    QTest::newRow("Color keeps it shown") << 8 << true << true;
    QTest::newRow("Color keeps it hidden") << 8 << false << false;
    QTest::newRow("Art keeps it shown") << 15 << true << true;
    QTest::newRow("Art keeps it hidden") << 15 << false << false;
  }
  void choosingACategorySetsChangeColor() {
    QFETCH(int, id);
    QFETCH(bool, before);
    QFETCH(bool, after);
    Editor e;
    e->FormPreview->BtnColor->setVisible(before);
    e->CategoryClick(id);
    QCOMPARE(ChangeColorOffered(e), after);
  }

  void thumbnailsShowTheCurrentPictureSqueezed() {
    Editor e(400, 100);
    e.Choose(3);  // "lightc" finds the lightC folder
    QVERIFY(e.dialogs.Messages.isEmpty());
    QCOMPARE(e->ImgView[1]->Picture().Width(), kThumbnailSide);
    QCOMPARE(e->ImgView[1]->Picture().Height(), kThumbnailSide);

    // A new working picture (as after Apply) with the strip hidden: the
    // next choice renders all ten again from it.
    e->WorkBitmap = Varied(50, 200, 99);
    e->Invisible();
    e.Choose(3);
    Bitmap squeezed(kThumbnailSide, kThumbnailSide);
    squeezed.StretchDraw({0, 0, kThumbnailSide, kThumbnailSide}, Varied(50, 200, 99));
    QVERIFY(e->ThumbBitmap.SamePixels(squeezed));
    for (int n = 1; n <= kThumbnailCount; ++n) {
      QVERIFY(Shown(e->ImgView[n]) && Shown(e->Label[n]));
      QVERIFY(e->ImgView[n]->Picture().SamePixels(e.Expected(3, n, RenderSize::Thumbnail)));
    }
  }

  void aMissingAssetStopsTheStripThere_data() {
    QTest::addColumn<int>("previous");  // 0: no category chosen yet
    QTest::addColumn<int>("id");
    QTest::addColumn<QByteArray>("folder");
    QTest::addColumn<int>("file");
    QTest::addColumn<int>("failing");
    QTest::newRow("Light A 6, strip hidden") << 0 << 1 << QByteArray("lightA") << 6 << 6;
    QTest::newRow("Light A 6 after Gradient") << 7 << 1 << QByteArray("lightA") << 6 << 6;
    QTest::newRow("Edge B 6 after Gradient") << 7 << 11 << QByteArray("EdgeB") << 6 << 6;
    // Preset 1 chains light A 2, amazing 1 and edge A 9.
    QTest::newRow("Preset without edge A 9") << 1 << 16 << QByteArray("EdgeA") << 9 << 1;
  }
  void aMissingAssetStopsTheStripThere() {
    QFETCH(int, previous);
    QFETCH(int, id);
    QFETCH(QByteArray, folder);
    QFETCH(int, file);
    QFETCH(int, failing);
    Editor e;
    std::array<Bitmap, kThumbnailCount + 1> before;
    if (previous) {
      e.Choose(previous);
      for (int n = 1; n <= kThumbnailCount; ++n) before[n] = e->ImgView[n]->Picture();
    }
    const bool offeredBefore = ChangeColorOffered(e);
    e.RemoveAsset(folder.constData(), file);

    e.Choose(id);
    QCOMPARE(e.dialogs.Messages.size(), 1);
    QVERIFY(e.dialogs.Messages[0].startsWith("Cannot open file"));
    QCOMPARE(e->CurrentCategory, id);
    for (int n = 1; n < failing; ++n) {
      QVERIFY(Shown(e->ImgView[n]) && Shown(e->Label[n]));
      QVERIFY(e->ImgView[n]->Picture().SamePixels(e.Expected(id, n, RenderSize::Thumbnail)));
    }
    for (int n = failing; n <= kThumbnailCount; ++n) {
      QCOMPARE(Shown(e->ImgView[n]), previous != 0);
      QCOMPARE(Shown(e->Label[n]), previous != 0);
      if (previous) QVERIFY(e->ImgView[n]->Picture().SamePixels(before[n]));
    }
    // Rules after the strip are not reached; Preset's comes before it.
    QCOMPARE(ChangeColorOffered(e), id == 16 ? false : offeredBefore);
  }

  void thumbnailsAppearOneByOneButArtAllTogether_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<bool>("oneByOne");
    QTest::newRow("Light A") << 1 << true;
    QTest::newRow("Color") << 8 << true;
    QTest::newRow("Preset") << 16 << true;
    QTest::newRow("Line") << 14 << true;
    QTest::newRow("Art") << 15 << false;
  }
  void thumbnailsAppearOneByOneButArtAllTogether() {
    QFETCH(int, id);
    QFETCH(bool, oneByOne);
    Editor e;
    e->show();
    QVERIFY(QTest::qWaitForWindowExposed(&*e));
    QCoreApplication::processEvents();
    PaintWatch watch(*e);
    e.Choose(id);
    if (oneByOne) {
      QCOMPARE(watch.VisibleAtEachPaint, QList<int>({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    } else {
      QVERIFY(watch.VisibleAtEachPaint.isEmpty());
      QTRY_VERIFY(!watch.VisibleAtEachPaint.isEmpty());
      QCOMPARE(watch.VisibleAtEachPaint.first(), 10);
    }
  }
};

QTEST_MAIN(StripTest)
#include "StripTest.moc"
