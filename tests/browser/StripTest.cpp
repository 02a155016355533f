// The category column and the thumbnail strip, driven through the main
// window's buttons: what each category renders, Change Color, a failing
// asset, and when the strip paints.

#include <QLabel>
#include <QtTest>

#include "EditorFixture.h"
#include "TestHome.h"
#include "preview/UnitPreview.h"
#include "widgets/Image.h"
#include "widgets/TFlatPanelUnit.h"

using namespace qv;
using namespace qv::test;

namespace {

bool Shown(const QWidget *w) {
  return !w->isHidden();
}

// Records, at each paint of the strip, how many thumbnails were up.
class PaintWatch : public QObject {
 public:
  explicit PaintWatch(TFormMain &form) : form_(form) { form.FlatPanel2->installEventFilter(this); }
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
    QTest::addColumn<bool>("offeredBefore");
    QTest::addColumn<bool>("offeredAfter");  // "Change Color"
    const bool shownAfter[] = {true,  true, true, true,  true,  true, false, true,
                               false, true, true, false, false, true, false, false};
    for (const Category &c : Categories()) {
      const bool after = shownAfter[c.Id - 1], keeps = c.Id == 8 || c.Id == 15;
      QTest::newRow(c.Caption) << c.Id << (keeps ? after : !after) << after;
    }
    // Color and Art leave it to the thumbnail clicked next.
    QTest::newRow("Color, hidden before") << 8 << false << false;
    QTest::newRow("Art, shown before") << 15 << true << true;
  }
  void everyCategoryFillsTheStrip() {
    QFETCH(int, id);
    QFETCH(bool, offeredBefore);
    QFETCH(bool, offeredAfter);
    Editor e;
    e->FormPreview->BtnColor->setVisible(offeredBefore);
    e.Choose(id);  // and waits for the render thread

    QVERIFY2(e.dialogs.Messages.isEmpty(), qPrintable(e.dialogs.Messages.join('\n')));
    QCOMPARE(e->Session().CurrentCategory(), id);
    QVERIFY(e->Session().ThumbBitmap().SamePixels(Squeezed(*e->Session().WorkBitmap())));
    for (int n = 1; n <= kThumbnailCount; ++n) {
      QVERIFY(Shown(e->ImgView[n]) && Shown(e->Label[n]));
      QVERIFY2(e->ImgView[n]->Picture().SamePixels(e.Expected(id, n, RenderSize::Thumbnail)),
               qPrintable(QStringLiteral("thumbnail %1").arg(n)));
    }
    QVERIFY(e->Session().ResultBitmap()->SamePixels(e->ImgView[10]->Picture()));
    QCOMPARE(Shown(e->FormPreview->BtnColor), offeredAfter);
  }

  void aMissingAssetStopsTheStripThere_data() {
    QTest::addColumn<int>("previous");  // 0: the strip is still hidden
    QTest::addColumn<int>("id");
    QTest::addColumn<QByteArray>("folder");
    QTest::addColumn<int>("file");
    QTest::addColumn<int>("failing");
    QTest::newRow("Light A 6, strip hidden") << 0 << 1 << QByteArray("lightA") << 6 << 6;
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
    if (previous) e.Choose(previous);
    for (int n = 1; n <= kThumbnailCount; ++n) before[n] = e->ImgView[n]->Picture();
    const bool offeredBefore = Shown(e->FormPreview->BtnColor);
    e.RemoveAsset(folder.constData(), file);

    e.Choose(id);
    QCOMPARE(e.dialogs.Messages.size(), 1);
    QVERIFY(e.dialogs.Messages[0].startsWith("Cannot open file"));
    QCOMPARE(e->Session().CurrentCategory(), id);
    for (int n = 1; n <= kThumbnailCount; ++n) {
      const bool fresh = n < failing;
      QCOMPARE(Shown(e->ImgView[n]), fresh || previous != 0);
      QCOMPARE(Shown(e->Label[n]), fresh || previous != 0);
      QVERIFY(e->ImgView[n]->Picture().SamePixels(fresh ? e.Expected(id, n, RenderSize::Thumbnail)
                                                        : before[n]));
    }
    // Rules after the strip are not reached; Preset's comes before it.
    QCOMPARE(Shown(e->FormPreview->BtnColor), id == 16 ? false : offeredBefore);
  }

  void thumbnailsAppearOneByOneButArtAllTogether_data() {
    QTest::addColumn<int>("id");
    QTest::newRow("Light A") << 1;
    QTest::newRow("Preset") << 16;
    QTest::newRow("Art") << 15;
  }
  void thumbnailsAppearOneByOneButArtAllTogether() {
    QFETCH(int, id);
    Editor e;
    e->show();
    QVERIFY(QTest::qWaitForWindowExposed(&*e));
    QCoreApplication::processEvents();
    PaintWatch watch(*e);
    e.Choose(id);
    if (id != 15) {
      // Later paints of the whole window repeat the last count.
      QList<int> counts = watch.VisibleAtEachPaint;
      counts.erase(std::unique(counts.begin(), counts.end()), counts.end());
      QCOMPARE(counts, QList<int>({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    } else {
      QVERIFY(watch.VisibleAtEachPaint.isEmpty());
      QTRY_VERIFY(!watch.VisibleAtEachPaint.isEmpty());
      QCOMPARE(watch.VisibleAtEachPaint.first(), 10);
    }
  }
};

QV_TEST_MAIN(StripTest)
#include "StripTest.moc"
