// The main window driven through its buttons, offscreen, with scripted
// dialogs: start-up, Open, Undo, Save, Help and the skin.

#include <sys/resource.h>

#include <csignal>

#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "EditorFixture.h"
#include "ScriptedDialogs.h"
#include "TestHome.h"
#include "app/PictureOpenDialog.h"
#include "app/PictureTypes.h"
#include "app/Unit1.h"
#include "codecs/Codecs.h"
#include "preview/UnitPreview.h"
#include "widgets/EditorSettings.h"
#include "widgets/Image.h"
#include "widgets/ImgBtn.h"
#include "widgets/TFlatPanelUnit.h"

using namespace qv;

namespace {

// A picture whose every pixel differs from its neighbours.
Bitmap Gradient(int w, int h) {
  Bitmap b(w, h);
  for (int y = 0; y < h; ++y) {
    std::uint8_t *row = b.ScanLine(y);
    for (int x = 0; x < w; ++x) {
      row[3 * x] = std::uint8_t(x * 7);
      row[3 * x + 1] = std::uint8_t(y * 5);
      row[3 * x + 2] = std::uint8_t(x + y);
    }
  }
  return b;
}

Bitmap Filled(int w, int h, TColor color) {
  Bitmap b(w, h);
  b.SetBrushColor(color);
  b.Fill();
  return b;
}

Bitmap Stretched(const Bitmap &source, int w, int h) {
  Bitmap b(w, h);
  b.StretchDraw({0, 0, w, h}, source);
  return b;
}

void WriteBytes(const QString &path, const Bytes &data) {
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write(reinterpret_cast<const char *>(data.data()), qint64(data.size()));
}

QByteArray ReadAll(const QString &path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

Bitmap Decode(const QString &path) {
  return ReadPicture(QFile::encodeName(path).toStdString());
}

void Click(QWidget *w) {
  QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(5, 5));
}

// A BMP header declaring a picture zero pixels wide.
Bytes ZeroWidthBmp() {
  Bytes bmp = EncodeBmp(Filled(2, 2, clRed));
  bmp[18] = bmp[19] = bmp[20] = bmp[21] = 0;
  return bmp;
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT
  QTemporaryDir appDir_, work_;
  ScriptedDialogs dialogs_;
  std::unique_ptr<TFormMain> form_;
  const Bitmap sample_ = Gradient(400, 300);

  QString AppDir() const { return appDir_.path() + "/"; }
  QString Work(const QString &name) const { return work_.filePath(name); }

  TFormMain &Start() {
    form_ = std::make_unique<TFormMain>(dialogs_, AppDir(), QSize(1280, 1024));
    return *form_;
  }

  // An effect applied through the strip and the preview; the art effects
  // need no artwork.
  static void Apply(TFormMain &f, int n, int strength = 100) {
    QVERIFY(test::ApplyEffect(f, 15, n, strength));
  }

  static void ShowStrip(TFormMain &f) {
    for (int n = 1; n <= TFormMain::kThumbCount; ++n) f.ImgView[n]->show(), f.Label[n]->show();
  }

  static bool StripHidden(TFormMain &f) {
    for (int n = 1; n <= TFormMain::kThumbCount; ++n)
      if (!f.ImgView[n]->isHidden() || !f.Label[n]->isHidden()) return false;
    return true;
  }

 private slots:
  void init() {
    QVERIFY(QDir(appDir_.path()).mkpath("pic"));
    WriteBytes(AppDir() + "pic/sample.jpg", EncodeJpeg(sample_, 90));
    dialogs_ = ScriptedDialogs();
    // The shell's own rules, on the classic strip (the fitted one has the
    // strip's tests).
    Preferences classic;
    classic.Thumbnails = ThumbnailStyle::Classic;
    classic.Save();
  }
  void cleanup() {
    form_.reset();
    Preferences().Save();
    EditorSettings().clear();  // a closed window remembers its place
    for (const QTemporaryDir *dir : {&appDir_, &work_}) {
      QDir(dir->path()).removeRecursively();
      QDir().mkpath(dir->path());
    }
  }

  void startsWithTheSamplePicture() {
    TFormMain &f = Start();
    QVERIFY(dialogs_.Messages.isEmpty());
    const Bitmap decoded = Decode(AppDir() + "pic/sample.jpg");
    QVERIFY(f.Session().WorkBitmap()->SamePixels(decoded));
    QCOMPARE(f.Session().ResultBitmap(), f.Session().WorkBitmap());
    QVERIFY(!f.Session().UndoBitmap());
    QVERIFY(f.Session().ThumbBitmap().SamePixels(Stretched(decoded, 105, 105)));
    // The display: 750 x 399 frame, picture 400 x 300 at full height less 3,
    // drawn from the full-size picture.
    QCOMPARE(f.FlatPanel3->geometry(), QRect(112, 0, 750, 399));
    QCOMPARE(f.ImgEffect->geometry(), QRect(111, 1, 528, 396));
    QCOMPARE(f.ImgEffect->SharedPicture(), f.Session().WorkBitmap());
    QVERIFY(StripHidden(f));
    QVERIFY(!f.BtnUndo->isEnabled() && !f.BtnRedo->isEnabled());
    QCOMPARE(f.Session().CurrentCategory(), 0);
    // The window and its panels for a 1280 x 1024 screen.
    QCOMPARE(f.size(), QSize(988, 678));
    QCOMPARE(f.pos(), QPoint(128, 133));
    QCOMPARE(f.FlatPanel2->geometry(), QRect(125, 399, 862, 279));
    QVERIFY(f.FormPreview && f.FormPreview->isHidden());
  }

  // The column lists the categories top down, 28 pixels apart; Line's
  // button is hidden below them.
  void theCategoryColumnFollowsTheRegistry() {
    TFormMain &f = Start();
    QStringList captions;
    for (int top = 28; top <= 420; top += 28)
      for (const Category &c : Categories())
        if (f.BtnCategory[c.Id]->geometry() == QRect(24, top, 75, 25) &&
            !f.BtnCategory[c.Id]->isHidden())
          captions << f.BtnCategory[c.Id]->text();
    QCOMPARE(captions, QStringList({"Preset", "Light A", "Light B", "Light C", "Star", "Amazing",
                                    "Dream A", "Dream B", "Weather", "Gradient", "Color", "Art",
                                    "Texture", "Edge A", "Edge B"}));
    QCOMPARE(f.BtnCategory[14]->geometry(), QRect(24, 464, 75, 25));
    QVERIFY(f.BtnCategory[14]->isHidden());
    QCOMPARE(f.BtnCategory[3]->objectName(), QString("btnLightC"));
  }

  void startsBlankWithoutAReadableSample_data() {
    QTest::addColumn<QByteArray>("sample");  // empty: no file at all
    QTest::addColumn<QString>("message");
    QTest::newRow("missing") << QByteArray() << "Cannot open file";
    // Neither signature: the decoder the name promises explains the fault.
    QTest::newRow("text named .jpg") << QByteArray("plain text, no picture") << "JPEG error";
    const Bytes zero = ZeroWidthBmp();
    QTest::newRow("zero width") << QByteArray(reinterpret_cast<const char *>(zero.data()),
                                              qsizetype(zero.size()))
                                << "Bitmap image is not valid";
  }
  void startsBlankWithoutAReadableSample() {
    QFETCH(QByteArray, sample);
    QFETCH(QString, message);
    QFile::remove(AppDir() + "pic/sample.jpg");
    if (!sample.isEmpty()) {
      QFile f(AppDir() + "pic/sample.jpg");
      QVERIFY(f.open(QIODevice::WriteOnly));
      f.write(sample);
    }
    TFormMain &f = Start();
    QCOMPARE(dialogs_.Messages.size(), 1);
    QVERIFY2(dialogs_.Messages[0].startsWith(message), qPrintable(dialogs_.Messages[0]));
    QVERIFY(f.Session().WorkBitmap()->SamePixels(Filled(640, 480, clWhite)));
    QVERIFY(f.Session().ThumbBitmap().SamePixels(Filled(105, 105, clWhite)));
    QCOMPARE(f.ImgEffect->Picture().Pixel(10, 10), clWhite);
    QVERIFY(StripHidden(f));
    QVERIFY(!f.BtnUndo->isEnabled());
  }

  void opensBmpAndJpegByContent_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("jpeg");
    QTest::newRow("bmp") << "a.bmp" << false;
    QTest::newRow("jpg") << "b.jpg" << true;
    QTest::newRow("JPEG named .bmp.jpg") << "x.bmp.jpg" << true;
    QTest::newRow("upper-case .BMP") << "c.BMP" << false;
    QTest::newRow("BMP named .jpg") << "d.jpg" << false;
  }
  void opensBmpAndJpegByContent() {
    QFETCH(QString, name);
    QFETCH(bool, jpeg);
    const Bitmap picture = Gradient(60, 200);
    WriteBytes(Work(name), jpeg ? EncodeJpeg(picture, 90) : EncodeBmp(picture));
    const Bitmap expected = Decode(Work(name));
    if (!jpeg) QVERIFY(expected.SamePixels(picture));

    TFormMain &f = Start();
    f.show();
    Apply(f, 2);
    ShowStrip(f);
    dialogs_.SaveChangesAnswers.push_back(SaveChoice::Discard);
    dialogs_.OpenAnswers.push_back(Work(name));
    Click(f.BtnOpen);
    QVERIFY2(dialogs_.Messages.isEmpty(), qPrintable(dialogs_.Messages.join('\n')));
    QCOMPARE(dialogs_.LastOpenFilter, OpenFilter());
    // One picture, shared by the working picture, the result and the display.
    QVERIFY(f.Session().WorkBitmap()->SamePixels(expected));
    QCOMPARE(f.Session().ResultBitmap(), f.Session().WorkBitmap());
    QCOMPARE(f.ImgEffect->SharedPicture(), f.Session().WorkBitmap());
    // The history starts again with the picture opened.
    QVERIFY(!f.Session().UndoBitmap() && !f.Session().CanRedo());
    QVERIFY(f.Session().ThumbBitmap().SamePixels(Stretched(expected, 105, 105)));
    // 60 x 200 in a 750 x 399 frame: 118 x 396, centred.
    QCOMPARE(f.ImgEffect->geometry(), QRect(316, 1, 118, 396));
    QVERIFY(StripHidden(f));
    QVERIFY(!f.BtnUndo->isEnabled());
  }

  void openingAUniformPictureWhitensOnlyTheWorkingCopy() {
    WriteBytes(Work("plain.bmp"), EncodeBmp(Filled(50, 40, 0x2040C0)));
    TFormMain &f = Start();
    dialogs_.OpenAnswers.push_back(Work("plain.bmp"));
    f.BtnOpenClick();
    QVERIFY(f.Session().WorkBitmap()->SamePixels(Filled(50, 40, clWhite)));
    QVERIFY(f.Session().ResultBitmap()->SamePixels(Filled(50, 40, 0x2040C0)));
    QVERIFY(f.ImgEffect->Picture().SamePixels(Filled(50, 40, 0x2040C0)));
    QVERIFY(f.Session().ThumbBitmap().SamePixels(Filled(105, 105, 0x2040C0)));
  }

  void aFailedOpenChangesNothing_data() {
    QTest::addColumn<QByteArray>("content");  // empty: no such file
    QTest::addColumn<QString>("message");
    QTest::newRow("missing") << QByteArray() << "Cannot open file";
    QTest::newRow("neither BMP nor JPEG")
        << QByteArray("GIF89a....") << "Unknown picture file extension (.xyz)";
    const Bytes zero = ZeroWidthBmp();
    QTest::newRow("zero width") << QByteArray(reinterpret_cast<const char *>(zero.data()),
                                              qsizetype(zero.size()))
                                << "Bitmap image is not valid";
    const Bytes jpeg = EncodeJpeg(Gradient(64, 64), 90);
    QTest::newRow("truncated JPEG")
        << QByteArray(reinterpret_cast<const char *>(jpeg.data()), 200) << "JPEG error";
  }
  void aFailedOpenChangesNothing() {
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    if (!content.isEmpty()) {
      QFile file(Work("bad.xyz"));
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write(content);
    } else {
      QFile::remove(Work("bad.xyz"));
    }
    TFormMain &f = Start();
    f.show();
    Apply(f, 3);
    ShowStrip(f);
    const PictureRef work = f.Session().WorkBitmap(), undo = f.Session().UndoBitmap(),
                     display = f.ImgEffect->SharedPicture();
    const QRect displayBounds = f.ImgEffect->geometry();
    dialogs_.SaveChangesAnswers = {SaveChoice::Discard, SaveChoice::Discard};
    dialogs_.OpenAnswers.push_back(Work("bad.xyz"));
    Click(f.BtnOpen);
    QCOMPARE(dialogs_.Messages.size(), 1);
    QVERIFY2(dialogs_.Messages[0].startsWith(message), qPrintable(dialogs_.Messages[0]));
    QCOMPARE(f.Session().WorkBitmap(), work);
    QCOMPARE(f.Session().UndoBitmap(), undo);
    QCOMPARE(f.ImgEffect->SharedPicture(), display);
    QCOMPARE(f.ImgEffect->geometry(), displayBounds);
    QVERIFY(!f.ImgView[1]->isHidden());
    QVERIFY(f.BtnUndo->isEnabled());

    // Cancelling the dialog is silent and changes nothing either.
    Click(f.BtnOpen);
    QCOMPARE(dialogs_.Messages.size(), 1);
    QCOMPARE(f.Session().WorkBitmap(), work);
  }

  // Undo goes back through every Apply to the picture opened and Redo
  // forward again; the arrows and the history list name each step, each
  // step is shown at its own shape and shared by the history, the working
  // picture, the result and the display. A new Apply drops the steps ahead.
  void theArrowsWalkTheHistoryByName() {
    TFormMain &f = Start();
    f.show();
    const QRect openedBounds = f.ImgEffect->geometry();
    std::vector<PictureRef> steps{f.Session().WorkBitmap()};
    for (int n : {1, 2, 3}) {
      Apply(f, n, n == 2 ? 60 : 100);
      steps.push_back(f.Session().WorkBitmap());
    }
    auto at = [&](std::size_t i) {
      return f.Session().WorkBitmap() == steps[i] && f.Session().ResultBitmap() == steps[i] &&
             f.ImgEffect->SharedPicture() == steps[i] && f.Session().Steps().Position() == i &&
             f.MenuHistory->actions().value(int(i)) &&
             f.MenuHistory->actions()[int(i)]->isChecked();
    };
    auto enabled = [&](bool undo, bool redo) {
      return f.BtnUndo->isEnabled() == undo && f.ActUndo->isEnabled() == undo &&
             f.BtnRedo->isEnabled() == redo && f.ActRedo->isEnabled() == redo;
    };
    QVERIFY(at(3) && enabled(true, false));
    QCOMPARE(f.BtnUndo->toolTip(), QString("Undo Art 3 (Ctrl+Z)"));
    QCOMPARE(f.BtnRedo->toolTip(), QString("Redo"));
    QStringList names;
    for (QAction *entry : f.MenuHistory->actions()) names << entry->text();
    QCOMPARE(names, QStringList({"Opened sample.jpg", "Art 1", "Art 2, strength 60 %", "Art 3"}));
    for (std::size_t i = 3; i-- > 0;) {
      ShowStrip(f);
      Click(f.BtnUndo);
      QVERIFY(at(i) && StripHidden(f) && enabled(i > 0, true));
    }
    QCOMPARE(f.BtnRedo->toolTip(),
             "Redo Art 1 (" + f.ActRedo->shortcut().toString(QKeySequence::NativeText) + ")");
    QCOMPARE(f.ImgEffect->geometry(), openedBounds);
    Click(f.BtnUndo);  // disabled: nothing happens
    f.BtnUndoClick();  // nor when reached without the button
    QVERIFY(at(0));
    for (std::size_t i = 1; i <= 3; ++i) {
      Click(f.BtnRedo);
      QVERIFY(at(i) && enabled(true, i < 3));
    }
    // The list goes straight to any step.
    f.MenuHistory->actions()[1]->trigger();
    QCoreApplication::processEvents();
    QVERIFY(at(1));

    Apply(f, 4);
    QVERIFY(enabled(true, false));
    QCOMPARE(f.Session().Steps().Count(), std::size_t(3));
    Click(f.BtnUndo);
    QVERIFY(at(1));
  }

  // The whole rule is tabled in SaveNameTest; here the window writes what
  // it says.
  void savesTheDisplayWithTheNameRules_data() {
    QTest::addColumn<QString>("entered");
    QTest::addColumn<int>("filter");
    QTest::addColumn<QString>("written");
    QTest::addColumn<int>("format");  // PictureFormat
    QTest::newRow("jpg added") << "out" << 1 << "out.jpg" << int(PictureFormat::Jpeg);
    QTest::newRow("png typed under JPEG")
        << "photo.png" << 1 << "photo.png" << int(PictureFormat::Png);
    QTest::newRow("upper-case JPG") << "out.JPG" << 1 << "out.JPG" << int(PictureFormat::Jpeg);
    QTest::newRow("jpg typed under BMP") << "out.jpg" << 2 << "out.jpg" << int(PictureFormat::Jpeg);
    QTest::newRow("bmp kept") << "pic.bmp" << 2 << "pic.bmp" << int(PictureFormat::Bmp);
    QTest::newRow("png added") << "pic" << 3 << "pic.png" << int(PictureFormat::Png);
    QTest::newRow("webp after a read-only format")
        << "pic.heic" << 4 << "pic.heic.webp" << int(PictureFormat::Webp);
    QTest::newRow("tiff typed under WebP")
        << "scan.tiff" << 4 << "scan.tiff" << int(PictureFormat::Tiff);
  }
  void savesTheDisplayWithTheNameRules() {
    QFETCH(QString, entered);
    QFETCH(int, filter);
    QFETCH(QString, written);
    QFETCH(int, format);
    TFormMain &f = Start();
    f.show();
    dialogs_.SaveAnswers.push_back(ScriptedDialogs::SaveAnswer{Work(entered), filter});
    Click(f.BtnSave);
    QVERIFY(f.FinishSave());
    QVERIFY2(dialogs_.Messages.isEmpty(), qPrintable(dialogs_.Messages.join('\n')));
    QCOMPARE(dialogs_.LastSaveFilter, SaveFilter());
    QVERIFY(QFile::exists(Work(written)));
    if (entered != written) QVERIFY(!QFile::exists(Work(entered)));
    const QByteArray bytes = ReadAll(Work(written));
    QCOMPARE(SniffFormat(Bytes(bytes.begin(), bytes.end())), PictureFormat(format));
    // Right after start-up the display holds the sample at full size.
    const Bitmap saved = Decode(Work(written));
    QCOMPARE(saved.Width(), 400);
    QCOMPARE(saved.Height(), 300);
    QCOMPARE(f.Session().ResultBitmap(), f.ImgEffect->SharedPicture());
    const bool lossless = PictureFormat(format) == PictureFormat::Bmp ||
                          PictureFormat(format) == PictureFormat::Png ||
                          PictureFormat(format) == PictureFormat::Tiff;
    if (lossless) QVERIFY(saved.SamePixels(f.ImgEffect->Picture()));
    QFile::remove(Work(written));

    // The dialog opens on the entry chosen last.
    Click(f.BtnSave);
    QCOMPARE(dialogs_.LastSaveFilterShown, filter);
  }

  void saveCopiesTheDisplayEvenWhenCancelled() {
    TFormMain &f = Start();
    f.CategoryClick(15);  // the strip's last thumbnail becomes the result
    QVERIFY(test::Settle(f));
    QCOMPARE(f.Session().ResultBitmap()->Width(), 105);
    f.BtnSaveClick();
    QCOMPARE(f.Session().ResultBitmap(), f.ImgEffect->SharedPicture());
  }

  void saveAsksBeforeReplacingTheFinalName() {
    TFormMain &f = Start();
    QFile old(Work("keep.jpg"));
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();

    dialogs_.SaveAnswers.push_back(ScriptedDialogs::SaveAnswer{Work("keep"), 1});
    dialogs_.ReplaceAnswers.push_back(false);
    f.BtnSaveClick();
    QCOMPARE(dialogs_.ReplaceQuestions, QStringList{Work("keep.jpg")});
    QCOMPARE(ReadAll(Work("keep.jpg")), QByteArray("old"));

    dialogs_.SaveAnswers.push_back(ScriptedDialogs::SaveAnswer{Work("keep"), 1});
    dialogs_.ReplaceAnswers.push_back(true);
    f.BtnSaveClick();
    QVERIFY(f.FinishSave());
    QCOMPARE(ReadAll(Work("keep.jpg")).left(2), QByteArray("\xFF\xD8"));

    // A new name asks nothing.
    dialogs_.SaveAnswers.push_back(ScriptedDialogs::SaveAnswer{Work("fresh"), 2});
    f.BtnSaveClick();
    QVERIFY(f.FinishSave());
    QCOMPARE(dialogs_.ReplaceQuestions.size(), 2);
    QVERIFY(QFile::exists(Work("fresh.bmp")));
  }

  void aFailedSaveLeavesTheOldFileIntact() {
    TFormMain &f = Start();
    f.show();
    const QByteArray oldContent(4096, 'o');
    QFile old(Work("target.bmp"));
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write(oldContent);
    old.close();

    // Writes beyond 1 KB fail (EFBIG), even for root.
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1024;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    dialogs_.SaveAnswers.push_back(ScriptedDialogs::SaveAnswer{Work("target.bmp"), 2});
    dialogs_.ReplaceAnswers.push_back(true);
    Click(f.BtnSave);
    QVERIFY(!f.FinishSave());
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    QCOMPARE(dialogs_.Messages.size(), 1);
    QVERIFY2(dialogs_.Messages[0].contains("target.bmp"), qPrintable(dialogs_.Messages[0]));
    QCOMPARE(ReadAll(Work("target.bmp")), oldContent);
    QCOMPARE(QDir(work_.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"target.bmp"});
  }

  // The picture is written while the window goes on: an Apply made before
  // the file is complete is not in the file and still counts as a change.
  void anApplyDuringASaveIsNotSaved() {
    TFormMain &f = Start();
    Apply(f, 1);
    const PictureRef saved = f.Session().WorkBitmap();
    dialogs_.SaveAnswers.push_back(ScriptedDialogs::SaveAnswer{Work("during"), 2});
    QVERIFY(f.BtnSaveClick());
    Apply(f, 2);
    QVERIFY(f.FinishSave());
    QVERIFY(!f.Saving());
    QVERIFY(Decode(Work("during.bmp")).SamePixels(*saved));
    QVERIFY(f.isWindowModified());
    f.BtnUndoClick();  // back to the picture that was saved
    QVERIFY(!f.isWindowModified());
  }

  void helpOpensThePageBesideTheProgram() {
    QFile page(AppDir() + "help.html");
    QVERIFY(page.open(QIODevice::WriteOnly));
    page.write("<p>help</p>");
    page.close();
    TFormMain &f = Start();
    f.show();
    Click(f.BtnHelp);
    QCOMPARE(dialogs_.OpenedDocuments, QStringList{AppDir() + "help.html"});
    QVERIFY(!f.HelpBrowser);  // a browser showed it
  }

  void theSkinLastsUntilClose() {
    const QByteArray sheet = "QPushButton { color: #102030; }";
    QFile skin(AppDir() + "blue.urf");
    QVERIFY(skin.open(QIODevice::WriteOnly));
    skin.write(sheet);
    skin.close();
    TFormMain &f = Start();
    f.show();
    QCOMPARE(qApp->styleSheet(), QString::fromUtf8(sheet));
    f.close();
    QVERIFY(qApp->styleSheet().isEmpty());
    QVERIFY(f.Session().WorkBitmap()->Empty());
    QVERIFY(!f.Session().CanUndo());  // the history went with the pictures
  }

  void openDialogPreviewsTheHighlightedPicture() {
    WriteBytes(Work("view.jpg"), EncodeJpeg(Gradient(300, 100), 90));
    PictureOpenDialog dialog;
    auto *preview = dialog.findChild<QLabel *>("PicturePreview");
    QVERIFY(preview);
    // Decoded off the window's thread: shown a moment later.
    emit dialog.currentChanged(Work("view.jpg"));
    QTRY_VERIFY(!preview->pixmap().isNull());
    const QPixmap shown = preview->pixmap();
    QVERIFY(shown.width() <= preview->width() && shown.height() <= preview->height());
    QCOMPARE(shown.width() / shown.height(), 3);  // the picture's shape
    emit dialog.currentChanged(work_.path());     // a folder shows nothing
    QVERIFY(preview->pixmap().isNull());
    // A picture passed over before it was ready never shows.
    for (int i = 0; i < 5; ++i) {
      emit dialog.currentChanged(Work("view.jpg"));
      emit dialog.currentChanged(work_.path());
    }
    QTest::qWait(300);
    QVERIFY(preview->pixmap().isNull());
  }

  void smallScreenLayout() {
    form_ = std::make_unique<TFormMain>(dialogs_, AppDir(), QSize(800, 600));
    TFormMain &f = *form_;
    QCOMPARE(f.size(), QSize(764, 520));
    QCOMPARE(f.pos(), QPoint(0, 0));
    QCOMPARE(f.FlatPanel1->geometry(), QRect(125, 0, 638, 520));
    QCOMPARE(f.FlatPanel3->geometry(), QRect(112, 0, 526, 241));
    // 400 x 300 at height 238: 317 wide, centred in 526.
    QCOMPARE(f.ImgEffect->geometry(), QRect(104, 1, 317, 238));
  }
};

QV_TEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
