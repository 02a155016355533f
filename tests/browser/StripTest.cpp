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
    QTest::addColumn<bool>("classic");
    QTest::addColumn<int>("id");
    QTest::addColumn<bool>("offeredBefore");
    QTest::addColumn<bool>("offeredAfter");  // "Change Color"
    const bool shownAfter[] = {true,  true, true, true,  true,  true, false, true,
                               false, true, true, false, false, true, false, false};
    for (const Category &c : Categories()) {
      const bool after = shownAfter[c.Id - 1], keeps = c.Id == 8 || c.Id == 15;
      QTest::newRow(c.Caption) << false << c.Id << (keeps ? after : !after) << after;
    }
    // Color and Art leave it to the thumbnail clicked next.
    QTest::newRow("Color, hidden before") << false << 8 << false << false;
    QTest::newRow("Art, shown before") << false << 15 << true << true;
    // The classic strip gives the squares it always gave.
    QTest::newRow("classic Light A") << true << 1 << false << true;
    QTest::newRow("classic Color") << true << 8 << false << false;
    QTest::newRow("classic Art") << true << 15 << true << true;
    QTest::newRow("classic Preset") << true << 16 << true << false;
  }
  void everyCategoryFillsTheStrip() {
    QFETCH(bool, classic);
    QFETCH(int, id);
    QFETCH(bool, offeredBefore);
    QFETCH(bool, offeredAfter);
    Editor e(96, 72, classic ? ThumbnailStyle::Classic : ThumbnailStyle::Fitted);
    e->FormPreview->BtnColor->setVisible(offeredBefore);
    e.Choose(id);  // and waits for the render thread

    QVERIFY2(e.dialogs.Messages.isEmpty(), qPrintable(e.dialogs.Messages.join('\n')));
    QCOMPARE(e->Session().CurrentCategory(), id);
    QVERIFY(e->Session().ThumbBitmap().SamePixels(e.ThumbSource()));
    if (classic)
      QVERIFY(e->Session().ThumbBitmap().SamePixels(Squeezed(*e->Session().WorkBitmap())));
    for (int n = 1; n <= kThumbnailCount; ++n) {
      QVERIFY(Shown(e->ImgView[n]) && Shown(e->Label[n]));
      QVERIFY2(e->ImgView[n]->Picture().SamePixels(e.Expected(id, n, RenderSize::Thumbnail)),
               qPrintable(QStringLiteral("thumbnail %1").arg(n)));
    }
    QVERIFY(e->Session().ResultBitmap()->SamePixels(e->ImgView[10]->Picture()));
    QCOMPARE(Shown(e->FormPreview->BtnColor), offeredAfter);
  }

  // Each fitted thumbnail is the picture's shape inside its cell, rendered
  // at the cell's device pixels and shown one to one, so it is sharp at any
  // density (run again at twice it); two rows of five, or one row of ten
  // where the strip is wide and low and that holds more of the picture.
  void fittedThumbnailsKeepTheShapeAtTheScreensDensity_data() {
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QSize>("window");
    QTest::addColumn<int>("columns");
    QTest::newRow("portrait, wide and low") << QSize(900, 1200) << QSize(1904, 700) << 10;
    QTest::newRow("square") << QSize(1200, 1200) << QSize(1904, 1000) << 5;
    QTest::newRow("panorama") << QSize(1600, 800) << QSize(1904, 1000) << 5;
    QTest::newRow("panorama, small window") << QSize(1600, 800) << QSize(988, 678) << 5;
  }
  void fittedThumbnailsKeepTheShapeAtTheScreensDensity() {
    QFETCH(QSize, picture);
    QFETCH(QSize, window);
    QFETCH(int, columns);
    Editor e(picture.width(), picture.height());
    e->resize(window);
    e->show();
    QVERIFY(QTest::qWaitForWindowExposed(&*e));
    e.Choose(1);
    const StripGrid &grid = e->Strip().Grid();
    QCOMPARE(grid.Columns, columns);
    QVERIFY(grid.Cell.width() >= kThumbnailSide && grid.Cell.width() <= kLargestCell);
    QVERIFY(grid.Cell.height() >= kThumbnailSide && grid.Cell.height() <= kLargestCell);
    const double ratio = e->FlatPanel2->devicePixelRatioF();
    const PixelSize cell = e->Session().ThumbnailCell();
    QCOMPARE(cell,
             PixelSize(qRound(grid.Cell.width() * ratio), qRound(grid.Cell.height() * ratio)));
    const PixelSize fitted =
        FittedThumbnailSize(picture.width(), picture.height(), cell.Width, cell.Height);
    for (int n = 1; n <= kThumbnailCount; ++n) {
      const TImage *view = e->ImgView[n];
      QCOMPARE(PixelSize(view->Picture().Width(), view->Picture().Height()), fitted);
      const QRect shown = view->PictureRect().translated(view->pos());
      QVERIFY(std::abs(shown.width() * ratio - fitted.Width) <= 1);
      QVERIFY(std::abs(shown.height() * ratio - fitted.Height) <= 1);
      e->ImgView[n]->grab();  // drawn one to one
      QCOMPARE(view->Screen().Shown().size(), QSize(fitted.Width, fitted.Height));
      QVERIFY(grid.Cells[n - 1].contains(shown));
      QVERIFY(e->Label[n]->y() > shown.bottom() &&
              e->FlatPanel2->rect().contains(e->Label[n]->geometry()));
    }
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
      // The first paint that shows any of them shows all ten.
      auto shown = [&watch] {
        const QList<int> &counts = watch.VisibleAtEachPaint;
        return std::find_if(counts.begin(), counts.end(), [](int n) { return n > 0; });
      };
      QTRY_VERIFY(shown() != watch.VisibleAtEachPaint.end());
      QVERIFY2(*shown() == 10, qPrintable(QString::number(*shown())));
    }
  }
};

QV_TEST_MAIN(StripTest)
#include "StripTest.moc"
