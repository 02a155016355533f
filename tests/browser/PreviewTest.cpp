// A thumbnail click, the preview dialog and what its buttons do to the
// working picture, driven through the main window.

#include <QLabel>
#include <QtTest>

#include "EditorFixture.h"
#include "kernels/ScriptedColorPrompt.h"
#include "preview/UnitPreview.h"
#include "widgets/Image.h"
#include "widgets/ImgBtn.h"
#include "widgets/TFlatPanelUnit.h"

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

// The dialog after a finished render showing `picture`.
bool ShowsRender(TFormPreview &d, const Bitmap &picture) {
  return d.isVisible() && Shown(d.ImgPreview) && !Shown(d.Label1) && !Shown(d.Label2) &&
         d.BtnApply->isEnabled() && d.ImgPreview->Picture().SamePixels(picture);
}

bool StripHidden(TFormMain &f) {
  for (int n = 1; n <= kThumbnailCount; ++n)
    if (Shown(f.ImgView[n]) || Shown(f.Label[n])) return false;
  return true;
}

// The full-size render of (id, n) with a colour prompt answering `answers`;
// nothing unless the recipe asks exactly `questions` times.
Bitmap WithColors(Editor &e, int id, int n, std::vector<std::optional<TColor>> answers,
                  int questions) {
  ScriptedColorPrompt prompt(std::move(answers));
  Bitmap result = e.Expected(id, n, RenderSize::FullSize, &prompt);
  return prompt.TimesAsked() == questions ? result : Bitmap();
}

}  // namespace

class PreviewTest : public QObject {
  Q_OBJECT

 private slots:
  void aThumbnailClickShowsTheFullSizeRender() {
    Editor e(400, 100);
    e->show();
    e.Choose(1);
    const Bitmap work = e->WorkBitmap;
    Click(e->ImgView[3]);
    QVERIFY(e.dialogs.Messages.isEmpty());
    QCOMPARE(e->CurrentThumb, 3);
    TFormPreview &d = *e->FormPreview;
    const Bitmap render = e.Expected(1, 3, RenderSize::FullSize);
    QCOMPARE(render.Width(), 400);
    QVERIFY(e->ResultBitmap.SamePixels(render));
    QVERIFY(ShowsRender(d, render));
    QVERIFY(e->WorkBitmap.SamePixels(work));
    QVERIFY(Shown(d.BtnColor));

    // The image keeps the picture's shape: 227 high, 400 x 227 / 100 wide,
    // centred in a frame 23 narrower than the dialog.
    const int frame = d.frameGeometry().width() - 23;
    QCOMPARE(d.Panel1->geometry(), QRect(0, 0, frame, 230));
    QCOMPARE(d.ImgPreview->geometry(), QRect((frame - 908) / 2, 1, 908, 227));

    // Another thumbnail renders into the dialog that is open.
    Click(e->ImgView[5]);
    QCOMPARE(e->CurrentThumb, 5);
    QVERIFY(ShowsRender(d, e.Expected(1, 5, RenderSize::FullSize)));
  }

  void theNoticeIsUpWhileTheRenderWaits() {
    Editor e;
    e.Choose(2);
    // Runs in the one pass over pending events before the render.
    bool ran = false, noticeUp = false, rendered = true;
    QMetaObject::invokeMethod(
        &*e,
        [&] {
          ran = true;
          TFormPreview &d = *e->FormPreview;
          noticeUp = d.isVisible() && Shown(d.Label1) && Shown(d.Label2) && !Shown(d.ImgPreview) &&
                     !d.BtnApply->isEnabled();
          rendered = e->ResultBitmap.Width() != kThumbnailSide;
        },
        Qt::QueuedConnection);
    e->ImgViewNClick(7);
    QVERIFY(ran);
    QVERIFY(noticeUp);
    QVERIFY(!rendered);
    QVERIFY(ShowsRender(*e->FormPreview, e.Expected(2, 7, RenderSize::FullSize)));
  }

  void colorAndArtThumbnailsDecideChangeColor_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("n");
    QTest::addColumn<bool>("before");
    QTest::addColumn<bool>("after");
    QTest::newRow("Color 6") << 8 << 6 << true << false;
    QTest::newRow("Color 1") << 8 << 1 << false << true;
    QTest::newRow("Color 10") << 8 << 10 << false << true;
    QTest::newRow("Art 10") << 15 << 10 << false << true;
    QTest::newRow("Art 1") << 15 << 1 << true << false;
    QTest::newRow("Art 9") << 15 << 9 << true << false;
    // Other categories leave it as their choice set it.
    QTest::newRow("Gradient 4") << 7 << 4 << false << false;
    QTest::newRow("Edge A 4") << 10 << 4 << true << true;
  }
  void colorAndArtThumbnailsDecideChangeColor() {
    QFETCH(int, id);
    QFETCH(int, n);
    QFETCH(bool, before);
    QFETCH(bool, after);
    Editor e;
    e->FormPreview->BtnColor->setVisible(before);
    e->CategoryClick(id);
    QCOMPARE(Shown(e->FormPreview->BtnColor), before);
    e->ImgViewNClick(n);
    QVERIFY(ShowsRender(*e->FormPreview, e.Expected(id, n, RenderSize::FullSize)));
    QCOMPARE(Shown(e->FormPreview->BtnColor), after);
  }

  void lineRendersNothingAtFullSize() {
    Editor e;
    e->CategoryClick(14);
    const Bitmap lastThumbnail = e->ResultBitmap;
    e->ImgViewNClick(5);
    QVERIFY(e.dialogs.Messages.isEmpty());
    QVERIFY(ShowsRender(*e->FormPreview, lastThumbnail));
    QVERIFY(Shown(e->FormPreview->BtnColor));
  }

  void applyCommitsAndUndoRestores() {
    Editor e;
    e->show();
    e.Choose(1);
    const Bitmap before = e->WorkBitmap;
    Click(e->ImgView[2]);
    const Bitmap render = e.Expected(1, 2, RenderSize::FullSize);
    Click(e->FormPreview->BtnApply);

    QVERIFY(e.dialogs.Messages.isEmpty());
    QVERIFY(e->WorkBitmap.SamePixels(render));
    QVERIFY(e->UndoBitmap.SamePixels(before));
    QVERIFY(e->ImgEffect->Picture().SamePixels(render));
    QVERIFY(e->BtnUndo->isEnabled());
    QVERIFY(StripHidden(*e));
    QVERIFY(!e->FormPreview->isVisible());

    // The next choice works on the applied picture.
    e.Choose(4);
    Bitmap squeezed(kThumbnailSide, kThumbnailSide);
    squeezed.StretchDraw({0, 0, kThumbnailSide, kThumbnailSide}, render);
    QVERIFY(e->ThumbBitmap.SamePixels(squeezed));

    e->BtnUndoClick();
    QVERIFY(e->WorkBitmap.SamePixels(before));
    QVERIFY(e->ResultBitmap.SamePixels(before));
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
    const Bitmap before = e->WorkBitmap;
    e->ImgViewNClick(8);
    if (closeBox)
      e->FormPreview->close();
    else
      Click(e->FormPreview->BtnCancel);
    QVERIFY(!e->FormPreview->isVisible());
    QVERIFY(e->WorkBitmap.SamePixels(before));
    QVERIFY(e->UndoBitmap.Empty());
    QVERIFY(!e->BtnUndo->isEnabled());
    QVERIFY(e->ResultBitmap.SamePixels(e.Expected(10, 8, RenderSize::FullSize)));
    QVERIFY(Shown(e->ImgView[1]));

    // Shown again, and still usable, by the next click.
    e->ImgViewNClick(3);
    QVERIFY(ShowsRender(*e->FormPreview, e.Expected(10, 3, RenderSize::FullSize)));
  }

  void changeColorAsksForAColourEachTime() {
    Editor e;
    e->show();
    e.Choose(1);
    e->ImgViewNClick(3);
    TFormPreview &d = *e->FormPreview;

    e.dialogs.ColorAnswers = {kRed};
    Click(d.BtnColor);
    QVERIFY(e.dialogs.Messages.isEmpty());
    QCOMPARE(e.dialogs.LastColorShown, clBlack);
    QVERIFY(ShowsRender(d, WithColors(e, 1, 3, {kRed}, 1)));
    QVERIFY(!e->PickColorFlag);

    // The dialog opens on the colour chosen last.
    e.dialogs.ColorAnswers = {kGreen};
    Click(d.BtnColor);
    QCOMPARE(e.dialogs.LastColorShown, kRed);
    QVERIFY(ShowsRender(d, WithColors(e, 1, 3, {kGreen}, 1)));

    // Cancelled: the light map goes on without a colour of its own.
    e.dialogs.ColorAnswers.clear();
    Click(d.BtnColor);
    QCOMPARE(e.dialogs.LastColorShown, kGreen);
    QVERIFY(ShowsRender(d, e.Expected(1, 3, RenderSize::FullSize)));
    QVERIFY(!e->PickColorFlag);

    // A thumbnail click afterwards asks for nothing.
    e.dialogs.ColorAnswers = {kRed};
    e->ImgViewNClick(3);
    QCOMPARE(e.dialogs.ColorAnswers.size(), std::size_t(1));
  }

  void aRenderWithTwoColoursAsksTwice() {
    // Preset 8 lights with Dream A, then tones: two kernels with a colour.
    Editor e;
    e->CategoryClick(16);
    e->ImgViewNClick(8);
    e.dialogs.ColorAnswers = {kRed, kGreen};
    e->FormPreview->BtnColorClick();
    QVERIFY(e.dialogs.Messages.isEmpty());
    QVERIFY(e.dialogs.ColorAnswers.empty());
    QCOMPARE(e.dialogs.LastColorShown, kRed);  // the second prompt opened on the first answer
    QVERIFY(ShowsRender(*e->FormPreview, WithColors(e, 16, 8, {kRed, kGreen}, 2)));
    QCOMPARE(e->ColorDialog1Color, kGreen);
  }

  void choosingACategoryWhileTheDialogIsOpen() {
    Editor e;
    e->show();
    e.Choose(1);
    e->ImgViewNClick(4);
    TFormPreview &d = *e->FormPreview;
    const Bitmap shown = d.ImgPreview->Picture();

    // The rule of the new category applies to the open dialog at once.
    e.Choose(7);
    QCOMPARE(e->CurrentCategory, 7);
    QVERIFY(!Shown(d.BtnColor));
    QVERIFY(ShowsRender(d, shown));

    // Change Color renders the same number of the category chosen last.
    e.Choose(2);
    QVERIFY(Shown(d.BtnColor));
    e.dialogs.ColorAnswers = {kRed};
    Click(d.BtnColor);
    QVERIFY(ShowsRender(d, WithColors(e, 2, 4, {kRed}, 1)));
  }

  void applyCommitsThePictureTheDialogShows_data() {
    QTest::addColumn<bool>("save");
    QTest::newRow("category chosen meanwhile") << false;
    QTest::newRow("Save meanwhile") << true;
  }
  void applyCommitsThePictureTheDialogShows() {
    QFETCH(bool, save);
    Editor e;
    e->show();
    e.Choose(5);
    e->ImgViewNClick(6);
    const Bitmap shown = e.Expected(5, 6, RenderSize::FullSize);
    // Both overwrite the shared result bitmap (a cancelled Save too).
    if (save)
      e->BtnSaveClick();
    else
      e.Choose(9);
    QVERIFY(!e->ResultBitmap.SamePixels(shown));

    Click(e->FormPreview->BtnApply);
    QVERIFY(e->WorkBitmap.SamePixels(shown));
    QVERIFY(e->ImgEffect->Picture().SamePixels(shown));
    QVERIFY(e->BtnUndo->isEnabled());
  }

  void aFailedRenderLeavesNothingToApply() {
    Editor e;
    e->show();
    e.Choose(1);
    TFormPreview &d = *e->FormPreview;
    e->ImgViewNClick(2);
    const Bitmap before = e->WorkBitmap;
    e.RemoveAsset("lightA", 3);

    Click(e->ImgView[3]);
    QCOMPARE(e.dialogs.Messages.size(), 1);
    QVERIFY(e.dialogs.Messages[0].startsWith("Cannot open file"));
    QVERIFY(d.isVisible());
    QVERIFY(!Shown(d.Label1) && !Shown(d.Label2) && !Shown(d.ImgPreview));
    QVERIFY(!d.BtnApply->isEnabled());
    d.BtnApplyClick();  // even when reached without the button
    QVERIFY(e->WorkBitmap.SamePixels(before));
    QVERIFY(!e->BtnUndo->isEnabled());
    QVERIFY(d.isVisible());

    // Change Color fails the same way and still clears the flag.
    e.dialogs.ColorAnswers = {kRed};
    Click(d.BtnColor);
    QCOMPARE(e.dialogs.Messages.size(), 2);
    QVERIFY(!e->PickColorFlag);
    QVERIFY(!Shown(d.Label1) && !Shown(d.ImgPreview) && !d.BtnApply->isEnabled());

    // A render that succeeds can be applied again.
    Click(e->ImgView[2]);
    const Bitmap render = e.Expected(1, 2, RenderSize::FullSize);
    QVERIFY(ShowsRender(d, render));
    Click(d.BtnApply);
    QVERIFY(e->WorkBitmap.SamePixels(render));
    QVERIFY(e->UndoBitmap.SamePixels(before));
  }
};

QTEST_MAIN(PreviewTest)
#include "PreviewTest.moc"
