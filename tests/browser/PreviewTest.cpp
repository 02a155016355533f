// A thumbnail click, the preview dialog and what its buttons do to the
// working picture, driven through the main window.

#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QSlider>
#include <QThread>
#include <QWindow>
#include <QtTest>

#include "EditorFixture.h"
#include "TestHome.h"
#include "kernels/MaskedMix.h"
#include "kernels/ScriptedColorPrompt.h"
#include "kernels/Step.h"
#include "kernels/StrengthMix.h"
#include "preview/MaskToolBar.h"
#include "preview/PreviewView.h"
#include "preview/UnitPreview.h"
#include "widgets/Image.h"
#include "widgets/ImgBtn.h"
#include "widgets/TFlatPanelUnit.h"
#include "worker/RenderWorker.h"

using namespace qv;
using namespace qv::test;

namespace {

constexpr TColor kRed = 0x0000FF, kGreen = 0x00FF00;

bool Shown(const QWidget *w) {
  return !w->isHidden();
}

void Click(QWidget *w) {
  QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(5, 5));
}

bool NoticeShown(const TFormPreview &d) {
  return Shown(d.Label1) && Shown(d.Label2);
}

// The dialog after a finished render showing `picture`.
bool ShowsRender(const TFormPreview &d, const Bitmap &picture) {
  return d.isVisible() && Shown(d.ImgPreview) && !NoticeShown(d) && d.BtnApply->isEnabled() &&
         d.ImgPreview->Picture().SamePixels(picture);
}

// The full-size render of (id, n) with a colour prompt answering `answers`;
// nothing unless the recipe asks exactly `questions` times.
Bitmap WithColors(Editor &e, int id, int n, std::vector<std::optional<TColor>> answers,
                  int questions) {
  ScriptedColorPrompt prompt(std::move(answers));
  Bitmap result = e.Expected(id, n, RenderSize::FullSize, &prompt);
  return prompt.TimesAsked() == questions ? result : Bitmap();
}

// Whether `shown` (RGB32, as the view samples it) is the block of
// `picture` whose top left pixel is `at`, pixel for pixel.
bool IsBlockOf(const QImage &shown, const Bitmap &picture, QPoint at) {
  if (shown.isNull() ||
      !QRect(0, 0, picture.Width(), picture.Height()).contains(QRect(at, shown.size())))
    return false;
  for (int y = 0; y < shown.height(); ++y)
    for (int x = 0; x < shown.width(); ++x) {
      const QRgb p = shown.pixel(x, y);
      if (RGBColor(qRed(p), qGreen(p), qBlue(p)) != picture.Pixel(at.x() + x, at.y() + y))
        return false;
    }
  return true;
}

void Mouse(QWidget &w, QEvent::Type type, QPoint at, Qt::MouseButton button) {
  const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
  QMouseEvent event(type, at, w.mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : button,
                    held, Qt::NoModifier);
  QApplication::sendEvent(&w, &event);
}

// A left-button drag through the points, as a hand makes it.
void Drag(QWidget &w, std::initializer_list<QPoint> points) {
  Mouse(w, QEvent::MouseButtonPress, *points.begin(), Qt::LeftButton);
  for (QPoint at : points) Mouse(w, QEvent::MouseMove, at, Qt::LeftButton);
  Mouse(w, QEvent::MouseButtonRelease, *(points.end() - 1), Qt::LeftButton);
}

// The picture pixel under a widget point of the view (dpr 1).
QPoint PixelUnder(PreviewView &v, QPoint at) {
  return QPoint(int(std::floor(v.Centre().x() + (at.x() + 0.5 - v.width() / 2.0) / v.Scale())),
                int(std::floor(v.Centre().y() + (at.y() + 0.5 - v.height() / 2.0) / v.Scale())));
}

// A painted mask as the grey picture --mask takes.
Bitmap MaskPicture(const PackedMask &mask) {
  std::vector<std::uint8_t> values(std::size_t(mask.Width()) * std::size_t(mask.Height()));
  mask.Unpack(0, mask.Height(), values.data());
  Bitmap grey(mask.Width(), mask.Height());
  for (std::size_t i = 0; i < values.size(); ++i)
    grey.Bits()[3 * i] = grey.Bits()[3 * i + 1] = grey.Bits()[3 * i + 2] = values[i];
  return grey;
}

int RunFx(const std::string &arguments) {
  return std::system(
      (std::string("'") + QV_FX_PATH + "' " + arguments + " >/dev/null 2>&1").c_str());
}

}  // namespace

class PreviewTest : public QObject {
  Q_OBJECT

 private slots:
  void aThumbnailClickShowsTheFullSizeRender() {
    Editor e(400, 100);
    e->show();
    e.Choose(1);
    TFormPreview &d = *e->FormPreview;
    // Runs in the one pass over pending events before the render.
    bool probed = false, noticeBeforeRender = false;
    QMetaObject::invokeMethod(
        &*e,
        [&] {
          probed = true;
          noticeBeforeRender = d.isVisible() && NoticeShown(d) && !Shown(d.ImgPreview) &&
                               !d.BtnApply->isEnabled() &&
                               e->Session().ResultBitmap() == e->ImgView[10]->SharedPicture();
        },
        Qt::QueuedConnection);
    Click(e->ImgView[3]);
    QVERIFY(e.Settle());

    QVERIFY(probed && noticeBeforeRender);
    QVERIFY(e.dialogs.Messages.isEmpty());
    QCOMPARE(e->Session().CurrentThumb(), 3);
    const Bitmap render = e.Expected(1, 3, RenderSize::FullSize);
    QVERIFY(e->Session().ResultBitmap()->SamePixels(render));
    QVERIFY(ShowsRender(d, render));
    // The design's frame over two rows of controls; the whole picture fits
    // it, keeping its shape (400 x 100 in 391 x 228: 391 x 98, centred).
    QCOMPARE(d.size(), QSize(TFormPreview::kDefaultWidth, TFormPreview::kDefaultHeight));
    QCOMPARE(d.Panel1->geometry(), QRect(0, 0, 393, 230));
    QVERIFY(d.ImgPreview->Fitting());
    QCOMPARE(d.ImgPreview->ShownArea(), QRect(0, 65, 391, 98));

    // Another thumbnail renders into the open dialog.
    Click(e->ImgView[5]);
    QVERIFY(e.Settle());
    QVERIFY(ShowsRender(d, e.Expected(1, 5, RenderSize::FullSize)));
  }

  // Zoom, pan, a larger dialog, the split, the original and the strength
  // only show the one render in other ways: nothing renders again, and at
  // 100 % a screen pixel is a pixel of the render, of the picture it came
  // from, or of their mix at the strength chosen, which Apply commits.
  void theViewShowsTheRenderWithoutRenderingAgain() {
    Editor e(600, 400);
    e->show();
    e.Choose(1);
    e->ImgViewNClick(3);
    QVERIFY(e.Settle());
    TFormPreview &d = *e->FormPreview;
    PreviewView &v = *d.ImgPreview;
    QVERIFY(QTest::qWaitForWindowActive(&d));
    const PictureRef render = v.Effect(), work = e->Session().WorkBitmap();
    QCOMPARE(v.Original(), work);
    auto same = [&] {
      return !e->Rendering() && v.Effect() == render && e->Session().ResultBitmap() == render;
    };
    // The picture pixel shown first (top left), at 100 %.
    auto corner = [&] {
      const QPoint at = v.ShownArea().topLeft();
      return QPoint(int(std::floor(v.Centre().x() - v.width() / 2.0 + at.x() + 0.5)),
                    int(std::floor(v.Centre().y() - v.height() / 2.0 + at.y() + 0.5)));
    };
    auto shows = [&](const Bitmap &picture, int from = 0, int to = -1) {
      const QImage &shown = v.ShownPixels();
      to = to < 0 ? shown.width() : to;
      return IsBlockOf(shown.copy(from, 0, to - from, shown.height()), picture,
                       corner() + QPoint(from, 0));
    };

    QVERIFY(v.Fitting() && v.Scale() < 1);
    QTest::keyClick(&d, Qt::Key_1, Qt::ControlModifier);
    QCOMPARE(v.Scale(), 1.0);
    QVERIFY(shows(*render));
    const QPoint was = corner();
    Mouse(v, QEvent::MouseButtonPress, {200, 100}, Qt::LeftButton);
    Mouse(v, QEvent::MouseMove, {170, 90}, Qt::LeftButton);
    Mouse(v, QEvent::MouseButtonRelease, {170, 90}, Qt::LeftButton);
    QCOMPARE(corner(), was + QPoint(30, 10));
    QVERIFY(shows(*render) && same());
    QWheelEvent wheel(QPointF(100, 50), v.mapToGlobal(QPointF(100, 50)), {}, {0, 120}, Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&v, &wheel);
    QCOMPARE(v.Scale(), 1.5);
    QTest::keyClick(&d, Qt::Key_Minus, Qt::ControlModifier);
    QCOMPARE(v.Scale(), 1.0);
    QTest::keyClick(&d, Qt::Key_Plus, Qt::ControlModifier);
    QCOMPARE(v.Scale(), 1.5);
    QTest::keyClick(&d, Qt::Key_0, Qt::ControlModifier);
    QVERIFY(v.Fitting() && same());
    d.showMaximized();
    QTRY_VERIFY(d.width() > TFormPreview::kDefaultWidth);
    QVERIFY(v.Fitting() && v.width() > 393 && v.rect().contains(v.ShownArea()) && same());
    Click(d.BtnActual);
    QCOMPARE(v.Scale(), 1.0);

    // The before, three ways; the split; the strength: no new samples.
    v.ShownPixels();  // sampled at 100 % from here on
    const int samplings = v.Samplings();
    Bitmap half;
    StrengthMix(*work, *render, half, 50);
    d.SliderStrength->setValue(50);
    QCOMPARE(d.LabelStrength->text(), QString("Strength 50 %"));
    QVERIFY(shows(half));
    QTest::keyPress(&d, Qt::Key_Space);
    QVERIFY(shows(*work));
    QTest::keyRelease(&d, Qt::Key_Space);
    QVERIFY(shows(half));
    QTest::mousePress(d.BtnOriginal, Qt::LeftButton);
    QVERIFY(shows(*work));
    QTest::mouseRelease(d.BtnOriginal, Qt::LeftButton);
    Mouse(v, QEvent::MouseButtonPress, {20, 20}, Qt::RightButton);
    QVERIFY(shows(*work));
    Mouse(v, QEvent::MouseButtonRelease, {20, 20}, Qt::RightButton);
    QVERIFY(shows(half));
    Click(d.BtnSplit);
    // The divider in the view, and in the columns shown.
    const int middle = v.width() / 2, left = v.ShownArea().left();
    QVERIFY(shows(*work, 0, middle - left) && shows(half, middle - left));
    Mouse(v, QEvent::MouseButtonPress, {middle, 30}, Qt::LeftButton);
    Mouse(v, QEvent::MouseMove, {left + 40, 30}, Qt::LeftButton);
    Mouse(v, QEvent::MouseButtonRelease, {left + 40, 30}, Qt::LeftButton);
    QVERIFY(shows(*work, 0, 40) && shows(half, 40));
    QCOMPARE(v.Samplings(), samplings);
    QVERIFY(same());

    // Apply takes the strength; 0 and 100 share the pictures themselves.
    Click(d.BtnApply);
    QVERIFY(e->Session().WorkBitmap()->SamePixels(half));
    for (int strength : {0, 100}) {
      e->BtnUndoClick();
      e.Choose(1);
      e->ImgViewNClick(3);
      QVERIFY(e.Settle());
      d.SliderStrength->setValue(strength);
      const PictureRef rendered = v.Effect();
      Click(d.BtnApply);
      QCOMPARE(e->Session().WorkBitmap(), strength == 0 ? work : rendered);
    }
  }

  void colorAndArtThumbnailsDecideChangeColor_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("n");
    QTest::addColumn<bool>("before");
    QTest::addColumn<bool>("after");
    QTest::newRow("Color 6") << 8 << 6 << true << false;
    QTest::newRow("Color 1") << 8 << 1 << false << true;
    QTest::newRow("Art 10") << 15 << 10 << false << true;
    QTest::newRow("Art 9") << 15 << 9 << true << false;
    // Other categories leave it as their choice set it.
    QTest::newRow("Gradient 4") << 7 << 4 << false << false;
  }
  void colorAndArtThumbnailsDecideChangeColor() {
    QFETCH(int, id);
    QFETCH(int, n);
    QFETCH(bool, before);
    QFETCH(bool, after);
    Editor e;
    e->FormPreview->BtnColor->setVisible(before);
    e->CategoryClick(id);
    QVERIFY(e.Settle());
    e->ImgViewNClick(n);
    QVERIFY(e.Settle());
    QVERIFY(ShowsRender(*e->FormPreview, e.Expected(id, n, RenderSize::FullSize)));
    QCOMPARE(Shown(e->FormPreview->BtnColor), after);
  }

  void applyCommitsAndUndoRestores() {
    Editor e;
    e->show();
    e.Choose(1);
    const Bitmap before = *e->Session().WorkBitmap();
    Click(e->ImgView[2]);
    QVERIFY(e.Settle());
    const Bitmap render = e.Expected(1, 2, RenderSize::FullSize);
    Click(e->FormPreview->BtnApply);

    QVERIFY(e->Session().WorkBitmap()->SamePixels(render));
    QVERIFY(e->Session().UndoBitmap()->SamePixels(before));
    QVERIFY(e->ImgEffect->Picture().SamePixels(render));
    QVERIFY(e->BtnUndo->isEnabled());
    QVERIFY(!Shown(e->ImgView[1]) && !Shown(e->Label[10]));
    QVERIFY(!e->FormPreview->isVisible());
    // The next choice works on the applied picture.
    e.Choose(4);
    QVERIFY(e->Session().ThumbBitmap().SamePixels(e.ThumbSource()));
    QVERIFY(e->Session().WorkBitmap()->SamePixels(render));

    e->BtnUndoClick();
    QVERIFY(e->Session().WorkBitmap()->SamePixels(before));
    QVERIFY(!e->BtnUndo->isEnabled());
  }

  void cancelAndTheCloseBoxChangeNothing_data() {
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("Cancel") << false;
    QTest::newRow("close box") << true;
  }
  void cancelAndTheCloseBoxChangeNothing() {
    QFETCH(bool, closeBox);
    Editor e;
    e->show();
    e.Choose(10);
    const Bitmap before = *e->Session().WorkBitmap();
    e->ImgViewNClick(8);
    QVERIFY(e.Settle());
    if (closeBox)
      e->FormPreview->close();
    else
      Click(e->FormPreview->BtnCancel);
    QVERIFY(!e->FormPreview->isVisible());
    QVERIFY(e->Session().WorkBitmap()->SamePixels(before));
    QVERIFY(!e->BtnUndo->isEnabled());
    QVERIFY(e->Session().ResultBitmap()->SamePixels(e.Expected(10, 8, RenderSize::FullSize)));
    // The next click shows it again.
    e->ImgViewNClick(3);
    QVERIFY(e.Settle());
    QVERIFY(ShowsRender(*e->FormPreview, e.Expected(10, 3, RenderSize::FullSize)));
  }

  void changeColorAsksForEachColourOfTheRender() {
    Editor e;
    e->show();
    e.Choose(1);
    e->ImgViewNClick(3);
    QVERIFY(e.Settle());
    TFormPreview &d = *e->FormPreview;

    e.dialogs.ColorAnswers = {kRed};
    Click(d.BtnColor);
    QVERIFY(e.Settle());
    QCOMPARE(e.dialogs.LastColorShown, clBlack);
    QVERIFY(ShowsRender(d, WithColors(e, 1, 3, {kRed}, 1)));
    QVERIFY(!e->Session().PickColorFlag());
    // Cancelled: the dialog opened on the colour chosen last, and the light
    // map goes on without a colour.
    Click(d.BtnColor);
    QVERIFY(e.Settle());
    QCOMPARE(e.dialogs.LastColorShown, kRed);
    QVERIFY(ShowsRender(d, e.Expected(1, 3, RenderSize::FullSize)));
    // A thumbnail click asks for nothing.
    e.dialogs.ColorAnswers = {kGreen};
    e->ImgViewNClick(3);
    QVERIFY(e.Settle());
    QCOMPARE(e.dialogs.ColorAnswers.size(), std::size_t(1));

    // Preset 8 lights with Dream A, then tones: two questions, in order.
    // (Preset hides the button; the click stands for a user who chose it.)
    e->CategoryClick(16);
    QVERIFY(e.Settle());
    e->ImgViewNClick(8);
    QVERIFY(e.Settle());
    e.dialogs.ColorAnswers = {kRed, kGreen};
    d.BtnColorClick();
    QVERIFY(e.Settle());
    QVERIFY(e.dialogs.ColorAnswers.empty());
    QCOMPARE(e.dialogs.LastColorShown, kRed);
    QVERIFY(ShowsRender(d, WithColors(e, 16, 8, {kRed, kGreen}, 2)));
    QVERIFY(e.dialogs.Messages.isEmpty());
  }

  void theDialogKeepsItsRenderWhileTheWindowIsUsed() {
    Editor e;
    e->show();
    e.Choose(1);
    e->ImgViewNClick(4);
    QVERIFY(e.Settle());
    TFormPreview &d = *e->FormPreview;
    const Bitmap lightA4 = d.ImgPreview->Picture();

    // A new category's rule reaches the open dialog; its picture stays.
    e.Choose(7);
    QVERIFY(!Shown(d.BtnColor));
    QVERIFY(ShowsRender(d, lightA4));
    // Change Color renders the same number of the category chosen last.
    e.Choose(2);
    e.dialogs.ColorAnswers = {kRed};
    Click(d.BtnColor);
    QVERIFY(e.Settle());
    const Bitmap lightB4 = WithColors(e, 2, 4, {kRed}, 1);
    QVERIFY(ShowsRender(d, lightB4));

    // Both overwrite the shared result bitmap; Apply still commits what the
    // dialog shows.
    e.Choose(9);
    e->BtnSaveClick();  // cancelled, after copying the display
    QVERIFY(!e->Session().ResultBitmap()->SamePixels(lightB4));
    Click(d.BtnApply);
    QVERIFY(e->Session().WorkBitmap()->SamePixels(lightB4));
    QVERIFY(e->ImgEffect->Picture().SamePixels(lightB4));
  }

  void theDialogBelongsToTheWindowAndOpensBesideTheControls() {
    Editor e;
    e->show();
    e.Choose(1);
    TFormPreview &d = *e->FormPreview;
    Click(e->ImgView[2]);
    QVERIFY(e.Settle());
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    // A dialog of the main window, which window managers keep above it.
    QCOMPARE(d.windowType(), Qt::Dialog);
    QCOMPARE(d.windowHandle()->transientParent(), e->windowHandle());
    // Over the display, not over the category column or the tool buttons.
    const QRect display = e->PreviewArea();
    QVERIFY(d.frameGeometry().left() >= display.left());
    QVERIFY(d.frameGeometry().top() >= display.top());

    // Where no window manager keeps it there, activating the main window
    // raises it again; Change Color's question belongs to it.
    struct Raises : QObject {
      int count = 0;
      bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() == QEvent::ZOrderChange) ++count;
        return false;
      }
    } raises;
    d.installEventFilter(&raises);
    QApplication::setActiveWindow(&*e);
    QTRY_VERIFY(raises.count > 0);
    e.dialogs.ColorAnswers = {kRed};
    Click(d.BtnColor);
    QVERIFY(e.Settle());
    QCOMPARE(e.dialogs.LastColorParent, &d);
    QVERIFY(d.isVisible());
  }

  void enterAppliesAndEscCancels() {
    Editor e;
    e->show();
    e.Choose(1);
    TFormPreview &d = *e->FormPreview;
    const Bitmap before = *e->Session().WorkBitmap(),
                 render = e.Expected(1, 2, RenderSize::FullSize);
    e->ImgViewNClick(2);
    QVERIFY(e.Settle());
    QVERIFY(QTest::qWaitForWindowActive(&d));
    QTest::keyClick(&d, Qt::Key_Escape);
    QVERIFY(!d.isVisible());
    QVERIFY(e->Session().WorkBitmap()->SamePixels(before));

    e->ImgViewNClick(2);
    QVERIFY(e.Settle());
    QVERIFY(QTest::qWaitForWindowActive(&d));
    QTest::keyClick(d.BtnCancel, Qt::Key_Return);  // whichever button has the focus
    QVERIFY(!d.isVisible());
    QVERIFY(e->Session().WorkBitmap()->SamePixels(render));
  }

  void aFailedRenderLeavesNothingToApply() {
    Editor e;
    e->show();
    e.Choose(1);
    TFormPreview &d = *e->FormPreview;
    e->ImgViewNClick(2);
    QVERIFY(e.Settle());
    const Bitmap before = *e->Session().WorkBitmap();
    e.RemoveAsset("lightA", 3);

    Click(e->ImgView[3]);
    QVERIFY(e.Settle());
    QCOMPARE(e.dialogs.Messages.size(), 1);
    QVERIFY(e.dialogs.Messages[0].startsWith("Cannot open file"));
    QVERIFY(d.isVisible() && !NoticeShown(d) && !Shown(d.ImgPreview));
    QVERIFY(!d.BtnApply->isEnabled());
    d.BtnApplyClick();  // even when reached without the button
    QVERIFY(e->Session().WorkBitmap()->SamePixels(before));
    QVERIFY(!e->BtnUndo->isEnabled());
    // Change Color fails the same way and still clears the flag.
    e.dialogs.ColorAnswers = {kRed};
    Click(d.BtnColor);
    QVERIFY(e.Settle());
    QCOMPARE(e.dialogs.Messages.size(), 2);
    QVERIFY(!e->Session().PickColorFlag());
    QVERIFY(!NoticeShown(d) && !d.BtnApply->isEnabled());

    // A render that succeeds can be applied again.
    Click(e->ImgView[2]);
    QVERIFY(e.Settle());
    QVERIFY(ShowsRender(d, e.Expected(1, 2, RenderSize::FullSize)));
  }

  // A render stopped by Cancel, Esc, the close box, another thumbnail or
  // another category: the render thread stops long before the render could
  // have finished (a second, also under the sanitizers) and no picture
  // changes but those the new choice renders. A full-size render takes some
  // tens of milliseconds, so the stop comes straight after the click that
  // started it, while the notice is up and the worker has the job.
  void aRunningRenderIsCancelled_data() {
    QTest::addColumn<QString>("how");
    for (const char *how : {"Cancel", "Esc", "close box", "thumbnail", "category"})
      QTest::newRow(how) << QString::fromLatin1(how);
  }
  void aRunningRenderIsCancelled() {
    QFETCH(QString, how);
    Editor e(4000, 3000);
    e->show();
    e.Choose(15);  // Art 7: a grey negative blurred four times
    TFormPreview &d = *e->FormPreview;
    e->ImgViewNClick(7);
    QVERIFY(d.isVisible() && NoticeShown(d));
    QVERIFY(e->Session().Worker().Working());
    const PictureRef work = e->Session().WorkBitmap(), result = e->Session().ResultBitmap();
    const Bitmap thumb = e->Session().ThumbBitmap(), strip = e->ImgView[4]->Picture();

    QElapsedTimer stopping;
    stopping.start();
    if (how == "Cancel") Click(d.BtnCancel);
    if (how == "Esc") QTest::keyClick(&d, Qt::Key_Escape);
    if (how == "close box") d.close();
    if (how == "thumbnail") e->ImgViewNClick(8);
    if (how == "category") e.Choose(8);
    const bool closes = how != "thumbnail";
    if (closes && how != "category") {
      while (e->Session().Worker().Working() && stopping.elapsed() < 5000) QThread::usleep(200);
      QVERIFY2(stopping.elapsed() < 1000, qPrintable(QString::number(stopping.elapsed())));
    }
    QCOMPARE(d.isVisible(), !closes);
    QVERIFY(e.Settle());
    QVERIFY(e.dialogs.Messages.isEmpty());
    QCOMPARE(e->Session().WorkBitmap(), work);
    QVERIFY(!e->Session().UndoBitmap());
    QVERIFY(e->Session().ThumbBitmap().SamePixels(thumb));
    if (how == "thumbnail") {
      QVERIFY(ShowsRender(d, e.Expected(15, 8, RenderSize::FullSize)));
      QVERIFY(e->Session().ResultBitmap()->SamePixels(e.Expected(15, 8, RenderSize::FullSize)));
    } else if (how == "category") {
      QVERIFY(e->Session().ResultBitmap()->SamePixels(e.Expected(8, 10, RenderSize::Thumbnail)));
    } else {
      QCOMPARE(e->Session().ResultBitmap(), result);
      QVERIFY(e->ImgView[4]->Picture().SamePixels(strip));
      QVERIFY(!d.HasRender());
    }
  }

  // The Eraser keeps the effect off where it went, at 100 % and panned; the
  // view shows to the byte what Apply makes, which is the step's replay and
  // what quorvane-fx render --mask makes of the mask.
  void aBrushedMaskIsWhatApplyAndTheCommandLineMake() {
    Editor e(600, 400);
    e->show();
    e.Choose(1);
    e->ImgViewNClick(3);
    QVERIFY(e.Settle());
    TFormPreview &d = *e->FormPreview;
    PreviewView &v = *d.ImgPreview;
    QVERIFY(QTest::qWaitForWindowActive(&d));
    const PictureRef work = e->Session().WorkBitmap(), render = v.Effect();
    QTest::keyClick(&d, Qt::Key_1, Qt::ControlModifier);
    Mouse(v, QEvent::MouseButtonPress, {200, 100}, Qt::LeftButton);  // panned
    Mouse(v, QEvent::MouseMove, {150, 80}, Qt::LeftButton);
    Mouse(v, QEvent::MouseButtonRelease, {150, 80}, Qt::LeftButton);
    Click(d.MaskTools->BtnEraser);
    d.MaskTools->SliderSize->setValue(20);  // by the square root: 22 pixels
    QCOMPARE(v.BrushSize(), 22);
    d.MaskTools->SliderHardness->setValue(100);
    QTest::keyClick(&d, Qt::Key_BracketLeft);  // a step down
    QCOMPARE(v.BrushSize(), 20);
    QCOMPARE(d.MaskTools->LabelSize->text(), QString("Size 20"));
    Drag(v, {{60, 60}, {120, 70}, {180, 60}});
    d.SliderStrength->setValue(80);
    QCOMPARE(v.Samplings() > 0, true);
    // Inside the stroke the picture, away from it the effect at 80 %.
    const QPoint inside = PixelUnder(v, {120, 70}), away = PixelUnder(v, {120, 160});
    QCOMPARE(v.ShownMaskAt(QPoint(120, 70) - QPoint(0, 0)), 0);
    const QImage shown = v.ShownPixels().copy();
    const QPoint corner = PixelUnder(v, v.ShownArea().topLeft());

    Click(d.BtnApply);
    const Step &step = e->Session().Steps().Current().Made;
    QVERIFY(step.Mask.Brushed());
    QCOMPARE(e->Session().UndoStepName(), QString("Light A 3, strength 80 %, masked"));
    const PictureRef applied = e->Session().WorkBitmap();
    QVERIFY(IsBlockOf(shown, *applied, corner));
    QCOMPARE(applied->Pixel(inside.x(), inside.y()), work->Pixel(inside.x(), inside.y()));
    Bitmap at80;
    StrengthMix(*work, *render, at80, 80);
    QCOMPARE(applied->Pixel(away.x(), away.y()), at80.Pixel(away.x(), away.y()));
    QVERIFY(ApplyStep(step, work, e.assets.Env())->SamePixels(*applied));

    const std::string dir = e.assets.Dir();
    WritePicture(dir + "work.bmp", *work);
    WritePicture(dir + "mask.png", MaskPicture(*step.Mask.Painted));
    QCOMPARE(RunFx("render light-a 3 '" + dir + "work.bmp' '" + dir +
                   "fx.bmp' --strength 80 --mask '" + dir + "mask.png' --assets '" + dir + "'"),
             0);
    QVERIFY(ReadPicture(dir + "fx.bmp").SamePixels(*applied));
    // Undo takes the whole masked step back.
    e->BtnUndoClick();
    QVERIFY(e->Session().WorkBitmap()->SamePixels(*work));
  }

  // Ctrl+Z and Ctrl+Shift+Z undo and redo the mask's edits while the
  // preview has them, and the editor's steps otherwise.
  void maskEditsUndoInsideThePreview() {
    Editor e(300, 200);
    e->show();
    QVERIFY(ApplyEffect(*e, 2, 1));
    e.Choose(1);
    e->ImgViewNClick(3);
    QVERIFY(e.Settle());
    TFormPreview &d = *e->FormPreview;
    PreviewView &v = *d.ImgPreview;
    QVERIFY(QTest::qWaitForWindowActive(&d));
    const PictureRef before = e->Session().WorkBitmap();
    Click(d.MaskTools->BtnBrush);
    Drag(v, {{100, 100}, {140, 110}});
    QCOMPARE(v.ShownMaskAt(v.ShownArea().topLeft()), 0);  // the brush painted the effect in
    Click(d.MaskTools->BtnInvert);
    QCOMPARE(v.ShownMaskAt(v.ShownArea().topLeft()), 255);
    QTest::keyClick(&d, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(v.ShownMaskAt(v.ShownArea().topLeft()), 0);
    QVERIFY(!d.MaskTools->BtnInvert->isChecked());
    QTest::keyClick(&d, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(!v.Mask().Masks());
    QTest::keyClick(&d, Qt::Key_Z, Qt::ControlModifier);  // nothing more: the editor keeps its step
    QTest::keyClick(&d, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(v.Mask().Masks());
    QCOMPARE(e->Session().WorkBitmap(), before);
    QVERIFY(e->Session().CanUndo() && d.isVisible() && d.HasRender());
    // Cancelled, the next preview has no mask, and Ctrl+Z is the editor's.
    Click(d.BtnCancel);
    e->ImgViewNClick(3);
    QVERIFY(e.Settle());
    QVERIFY(QTest::qWaitForWindowActive(&d));
    QVERIFY(!v.Mask().Edited());
    QTest::keyClick(&d, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(!e->Session().CanUndo());
  }

  // A radial gradient: dragged from its centre, then stretched by a handle;
  // the drag is undone as one edit, and Apply records the shape alone.
  void aRadialGradientIsDrawnAndMovedByItsHandles() {
    Editor e(400, 300);
    e->show();
    e.Choose(1);
    e->ImgViewNClick(3);
    QVERIFY(e.Settle());
    TFormPreview &d = *e->FormPreview;
    PreviewView &v = *d.ImgPreview;
    Click(d.MaskTools->BtnRadial);
    const QRect area = v.ShownArea();
    const QPoint centre = area.center();
    Drag(v, {centre, centre + QPoint(20, 0), centre + QPoint(40, 0)});
    const MaskShape drawn = v.Mask().Base();
    QCOMPARE(drawn.Kind, MaskShape::Form::Radial);
    QVERIFY(std::abs(drawn.X1 * 400.0 / kMaskUnit - 40 / v.Scale()) < 2);
    QCOMPARE(v.ShownMaskAt(centre), 255);
    QCOMPARE(v.ShownMaskAt(centre + QPoint(60, 0)), 0);
    // The handle across, dragged further out.
    Drag(v, {centre + QPoint(40, 0), centre + QPoint(60, 0), centre + QPoint(80, 0)});
    QVERIFY(v.Mask().Base().X1 > drawn.X1 && v.Mask().Base().Y1 == drawn.Y1);
    QTest::keyClick(&d, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(v.Mask().Base(), drawn);
    Click(d.BtnApply);
    const Step &step = e->Session().Steps().Current().Made;
    QVERIFY(!step.Mask.Brushed());
    QCOMPARE(step.Mask.Shape, drawn);
    QVERIFY(ApplyStep(step, e->Session().UndoBitmap(), e.assets.Env())
                ->SamePixels(*e->Session().WorkBitmap()));
  }

  // The review's case: a click on thumbnail 9 queued while Change Color
  // renders effect 1. The click cancels that render and renders 9 instead;
  // the window's choice, the dialog and the result all agree, and no colour
  // is asked for the cancelled render afterwards.
  void aQueuedClickDuringARenderSeesNoHalfWrittenPicture() {
    Editor e;
    e->show();
    e.Choose(1);
    e->ImgViewNClick(1);
    QVERIFY(e.Settle());
    TFormPreview &d = *e->FormPreview;
    e.dialogs.ColorAnswers = {kRed, kGreen};
    QMetaObject::invokeMethod(
        &*e, [&] { Click(e->ImgView[9]); }, Qt::QueuedConnection);
    Click(d.BtnColor);
    QVERIFY(e.Settle());
    QCOMPARE(e->Session().CurrentThumb(), 9);
    const Bitmap nine = e.Expected(1, 9, RenderSize::FullSize);
    QVERIFY(ShowsRender(d, nine));
    QVERIFY(e->Session().ResultBitmap()->SamePixels(nine));
    QCOMPARE(e.dialogs.ColorAnswers.size(), std::size_t(2));
    QVERIFY(!e->Session().PickColorFlag());
    // Apply commits what the dialog shows.
    Click(d.BtnApply);
    QVERIFY(e->Session().WorkBitmap()->SamePixels(nine));
  }
};

QV_TEST_MAIN(PreviewTest)
#include "PreviewTest.moc"
