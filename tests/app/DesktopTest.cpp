// The editor as a desktop program, offscreen with scripted dialogs: the ways
// a picture comes in, the shortcuts, unsaved work, the title, the recent
// files, a window that grows, the screen copy it draws from, and Help
// without a browser.

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextTable>
#include <QToolButton>
#include <QtTest>

#include "EditorFixture.h"
#include "TestHome.h"
#include "preview/UnitPreview.h"
#include "widgets/EditorSettings.h"
#include "widgets/Image.h"
#include "widgets/ImgBtn.h"
#include "widgets/SplitHandle.h"
#include "widgets/TFlatPanelUnit.h"

using namespace qv;
using namespace qv::test;

Q_DECLARE_METATYPE(qv::SaveChoice)

namespace {

const QString kDash = QString(QChar(0x2013));

// The title as the window system gets it, Qt's marker resolved.
QString ShownTitle(QWidget &w) {
  w.winId();
  return w.windowHandle()->title();
}

// WCAG contrast of two colours, 1 (none) to 21.
double Contrast(const QColor &a, const QColor &b) {
  auto luminance = [](const QColor &c) {
    auto channel = [](double v) {
      return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
  };
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// What lies behind a piece of text: its own background, else its block's,
// table cell's or frame's, else the page's.
QColor Behind(const QTextCursor &at, const QTextCharFormat &chars, const QColor &page) {
  if (chars.background().style() != Qt::NoBrush) return chars.background().color();
  const QTextBlockFormat block = at.blockFormat();
  if (block.background().style() != Qt::NoBrush) return block.background().color();
  if (QTextTable *table = at.currentTable()) {
    const QTextCharFormat cell = table->cellAt(at).format();
    if (cell.background().style() != Qt::NoBrush) return cell.background().color();
  }
  for (QTextFrame *frame = at.currentFrame(); frame; frame = frame->parentFrame())
    if (frame->frameFormat().background().style() != Qt::NoBrush)
      return frame->frameFormat().background().color();
  return page;
}

// The least readable text of the document: its contrast and its words.
std::pair<double, QString> LeastReadable(const QTextBrowser &browser) {
  std::pair<double, QString> worst{21.0, {}};
  const QColor page = browser.palette().color(QPalette::Base);
  const QColor text = browser.palette().color(QPalette::Text);
  for (QTextBlock block = browser.document()->begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      if (fragment.text().trimmed().isEmpty()) continue;
      QTextCursor at(browser.document());
      at.setPosition(fragment.position());
      const QTextCharFormat chars = fragment.charFormat();
      const QColor ink =
          chars.foreground().style() != Qt::NoBrush ? chars.foreground().color() : text;
      const double contrast = Contrast(ink, Behind(at, chars, page));
      if (contrast < worst.first) worst = {contrast, fragment.text()};
    }
  }
  return worst;
}

}  // namespace

class DesktopTest : public QObject {
  Q_OBJECT
  QTemporaryDir work_;

  QString Work(const QString &name) const { return work_.filePath(name); }
  QString Picture(const QString &name, int w = 60, int h = 90, int seed = 1) const {
    const Bitmap picture = Varied(w, h, seed);
    WriteFileBytes(Work(name).toStdString(),
                   name.endsWith(".bmp") ? EncodeBmp(picture) : EncodeJpeg(picture, 90));
    return Work(name);
  }

  static void Activate(QWidget &w) {
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
  }
  // The picture changed and not saved: one Apply.
  static void Change(Editor &e) { QVERIFY(ApplyEffect(*e, 1, 1)); }

 private slots:
  void cleanup() {
    QDir(work_.path()).removeRecursively();
    QDir().mkpath(work_.path());
  }

  void theTitleFollowsThePicture() {
    Editor e;
    e->show();
    QCOMPARE(ShownTitle(*e), QString("Quorvane"));
    Change(e);
    QCOMPARE(ShownTitle(*e), QString("Quorvane*"));

    e.dialogs.SaveChangesAnswers = {SaveChoice::Discard};
    e->OpenFile(Picture("first [*].jpg"));
    QCOMPARE(ShownTitle(*e), "first [*].jpg " + kDash + " Quorvane");
    Change(e);
    QCOMPARE(ShownTitle(*e), "first [*].jpg* " + kDash + " Quorvane");
    e->BtnUndoClick();  // back to the picture as opened
    QVERIFY(!e->isWindowModified());

    // Save proposes the picture's name and folder, names the filters and
    // then names the window after the file written, with a brief sign.
    Change(e);
    e.dialogs.SaveAnswers.push_back(ScriptedDialogs::SaveAnswer{Work("second"), 2});
    QVERIFY(e->BtnSaveClick());
    QVERIFY(e->FinishSave());
    QCOMPARE(e.dialogs.LastSaveProposed, Work("first [*].jpg"));
    QVERIFY(e.dialogs.LastSaveFilter.startsWith("JPEG picture|*.jpg|BMP picture|*.bmp|"));
    QCOMPARE(ShownTitle(*e), "second.bmp " + kDash + " Quorvane");
    QVERIFY(!e->LabelSaved->isHidden());
    QCOMPARE(e->LabelSaved->text(), QString("Saved second.bmp"));
    QTRY_VERIFY_WITH_TIMEOUT(e->LabelSaved->isHidden(), TFormMain::kSavedSignMs + 2000);
    // The next Save proposes the BMP's name with the extension of the entry.
    e->BtnSaveClick();  // cancelled
    QCOMPARE(e.dialogs.LastSaveProposed, Work("second.bmp"));
    QVERIFY(e.dialogs.SaveChangesQuestions.size() == 1);
  }

  void unsavedWorkIsAskedAbout_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<SaveChoice>("answer");
    for (const char *command : {"close box", "Ctrl+Q", "Ctrl+O"}) {
      QTest::addRow("%s, Save", command) << command << SaveChoice::Save;
      QTest::addRow("%s, Discard", command) << command << SaveChoice::Discard;
      QTest::addRow("%s, Cancel", command) << command << SaveChoice::Cancel;
    }
  }
  void unsavedWorkIsAskedAbout() {
    QFETCH(QString, command);
    QFETCH(SaveChoice, answer);
    Editor e;
    e->OpenFile(Picture("mine.jpg"));
    Change(e);
    const Bitmap changed = *e->Session().WorkBitmap();
    Activate(*e);
    e.dialogs.SaveChangesAnswers = {answer};
    e.dialogs.SaveAnswers.push_back(ScriptedDialogs::SaveAnswer{Work("kept.jpg"), 1});
    e.dialogs.OpenAnswers.push_back(Picture("other.bmp", 30, 20));
    if (command == "close box")
      e->close();
    else
      QTest::keySequence(&*e, QKeySequence(command));

    QCOMPARE(e.dialogs.SaveChangesQuestions, QStringList{"mine.jpg"});
    QCOMPARE(QFile::exists(Work("kept.jpg")), answer == SaveChoice::Save);
    const bool goOn = answer != SaveChoice::Cancel;
    if (command == "Ctrl+O") {
      QCOMPARE(e->Session().WorkBitmap()->Width() == 30, goOn);
      QCOMPARE(e.dialogs.OpenAnswers.empty(), goOn);  // the dialog came only after
    } else {
      QCOMPARE(e->isVisible(), !goOn);
    }
    if (!goOn) QVERIFY(e->Session().WorkBitmap()->SamePixels(changed));

    // A cancelled Save dialog keeps the picture too.
    Editor again;
    Change(again);
    again.dialogs.SaveChangesAnswers = {SaveChoice::Save};
    again->show();
    again->close();
    QVERIFY(again->isVisible());
  }

  void theShortcutsRunTheirCommands_data() {
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QString>("command");
    QTest::newRow("Open") << QKeySequence(Qt::CTRL | Qt::Key_O) << "open";
    QTest::newRow("Save") << QKeySequence(Qt::CTRL | Qt::Key_S) << "save";
    QTest::newRow("Undo") << QKeySequence(Qt::CTRL | Qt::Key_Z) << "undo";
    QTest::newRow("Help") << QKeySequence(Qt::Key_F1) << "help";
    QTest::newRow("Quit") << QKeySequence(Qt::CTRL | Qt::Key_Q) << "quit";
  }
  void theShortcutsRunTheirCommands() {
    QFETCH(QKeySequence, keys);
    QFETCH(QString, command);
    Editor e;
    QFile::copy(QCoreApplication::applicationDirPath() + "/help.html",
                QString::fromStdString(e.assets.Dir()) + "help.html");
    const Bitmap before = *e->Session().WorkBitmap();
    Change(e);
    e.dialogs.SaveChangesAnswers = {SaveChoice::Discard};
    Activate(*e);
    QTest::keySequence(&*e, keys);
    if (command == "open") QVERIFY(!e.dialogs.LastOpenFilter.isEmpty());
    if (command == "save") QVERIFY(!e.dialogs.LastSaveFilter.isEmpty());
    QCOMPARE(e->Session().WorkBitmap()->SamePixels(before), command == "undo");
    QCOMPARE(e.dialogs.OpenedDocuments.size(), command == "help" ? 1 : 0);
    QCOMPARE(e->isVisible(), command != "quit");
    QCOMPARE(e.dialogs.DialogsShown, command == "open" || command == "save" ? 1 : 0);
    QVERIFY(e.dialogs.Messages.isEmpty());
  }

  void aDroppedPictureOpens() {
    Editor e;
    e->show();
    auto drag = [&](QMimeData *data) {
      QDragEnterEvent enter(QPoint(300, 100), Qt::CopyAction, data, Qt::LeftButton, {});
      enter.setAccepted(false);
      QCoreApplication::sendEvent(&*e, &enter);
      if (!enter.isAccepted()) return false;
      QDropEvent drop(QPointF(300, 100), Qt::CopyAction, data, Qt::LeftButton, {});
      QCoreApplication::sendEvent(&*e, &drop);
      return true;
    };
    QMimeData text;
    text.setText("no file");
    QMimeData remote;
    remote.setUrls({QUrl("https://example.org/a.jpg")});
    QVERIFY(!drag(&text));
    QVERIFY(!drag(&remote));

    QMimeData file;
    file.setUrls({QUrl::fromLocalFile(Picture("dropped.bmp", 33, 44))});
    QVERIFY(drag(&file));
    QTRY_COMPARE(e->Session().WorkBitmap()->Width(), 33);
    QVERIFY(e->ImgEffect->Picture().SamePixels(Varied(33, 44, 1)));
    QCOMPARE(ShownTitle(*e), "dropped.bmp " + kDash + " Quorvane");
  }

  void recentFilesOutliveTheWindow() {
    QStringList opened;
    {
      Editor e;
      for (int i = 0; i < 12; ++i) {
        opened.prepend(Picture(QString("p%1.bmp").arg(i), 10 + i, 10));
        e->OpenFile(opened.first());
      }
      e->OpenFile(opened[5]);  // again: to the front
      opened.move(5, 0);
      QCOMPARE(e->Recent().Files(), opened.mid(0, RecentFiles::kMaxFiles));
    }
    Editor e;
    QCOMPARE(e->Recent().Files(), opened.mid(0, RecentFiles::kMaxFiles));
    QVERIFY(e->BtnRecent->isEnabled());
    e->BtnOpenClick();
    QCOMPARE(e.dialogs.LastOpenFolder, work_.path());

    // The menu opens its entries; one that has gone is reported and leaves.
    const QList<QAction *> entries = e->MenuRecent->actions();
    QCOMPARE(entries.size(), RecentFiles::kMaxFiles);
    QVERIFY(entries[2]->text().contains("p10.bmp"));
    entries[2]->trigger();
    QCOMPARE(e->Session().WorkBitmap()->Width(), 20);
    QFile::remove(opened[0]);
    e->MenuRecent->actions()[1]->trigger();
    QCOMPARE(e.dialogs.Messages.size(), 1);
    QVERIFY(e.dialogs.Messages[0].startsWith("Cannot open file"));
    QVERIFY(!e->Recent().Files().contains(opened[0]));
    QCOMPARE(e->Session().WorkBitmap()->Width(), 20);
  }

  // The classic strip keeps its height across the whole width; the fitted
  // one shares the display's column, taking its share of the height.
  void theWindowGrowsAndThePictureRefits_data() {
    QTest::addColumn<bool>("classic");
    QTest::addColumn<QRect>("strip");
    QTest::addColumn<QRect>("display");  // FlatPanel3
    QTest::addColumn<QRect>("picture");  // ImgEffect
    QTest::addColumn<QSize>("least");
    // 300 x 200 at 618 high: 927 wide, centred.
    QTest::newRow("classic") << true << QRect(125, 621, 1274, 279) << QRect(112, 0, 1162, 621)
                             << QRect(117, 1, 927, 618) << QSize(708, 400);
    // 41 % of 900 for the strip, 6 for the bar; 300 x 200 at 522 high.
    QTest::newRow("fitted") << false << QRect(237, 531, 1162, 369) << QRect(112, 0, 1162, 525)
                            << QRect(189, 1, 783, 522) << QSize(811, 400);
  }
  void theWindowGrowsAndThePictureRefits() {
    QFETCH(bool, classic);
    QFETCH(QRect, strip);
    QFETCH(QRect, display);
    QFETCH(QRect, picture);
    QFETCH(QSize, least);
    Editor e(300, 200, classic ? ThumbnailStyle::Classic : ThumbnailStyle::Fitted);
    e->show();
    // The window system's own frame, maximise button included.
    QVERIFY(e->minimumSize() != e->maximumSize());
    QVERIFY(!e->windowFlags().testFlag(Qt::CustomizeWindowHint));
    e->resize(1400, 900);
    QCOMPARE(e->FlatPanel1->geometry(), QRect(125, 0, 1274, 900));
    QCOMPARE(e->FlatPanel2->geometry(), strip);
    QCOMPARE(e->FlatPanel3->geometry(), display);
    QCOMPARE(e->ImgEffect->geometry(), picture);
    QCOMPARE(e->Splitter->isVisible(), !classic);
    // Smaller than a small screen's start is as far as it goes.
    e->resize(100, 100);
    QCOMPARE(e->size(), least);
  }

  // The bar between the display and the fitted strip moves the boundary,
  // and the next window starts with it where it was left.
  void theSplitterSharesTheHeightAndIsRemembered() {
    {
      Editor e(300, 200);
      e->resize(1400, 900);
      e->show();
      QVERIFY(QTest::qWaitForWindowExposed(&*e));
      const QPoint grip(e->Splitter->width() / 2, 3);
      QTest::mousePress(e->Splitter, Qt::LeftButton, {}, grip);
      QTest::mouseMove(e->Splitter, grip - QPoint(0, 200));
      QTest::mouseRelease(e->Splitter, Qt::LeftButton, {}, grip - QPoint(0, 200));
      QCOMPARE(e->FlatPanel2->height(), 369 + 200);
      QCOMPARE(e->FlatPanel3->height() + 6 + e->FlatPanel2->height(), 900);
    }
    Editor again(300, 200);
    again->resize(1400, 900);
    again->show();
    QVERIFY(QTest::qWaitForWindowExposed(&*again));
    QCOMPARE(again->FlatPanel2->height(), 569);
    EditorSettings().clear();
  }

  // Run again at device pixel ratio 2 (QT_SCALE_FACTOR=2).
  void theDisplayDrawsFromAScreenCopy() {
    Editor e(2400, 1800);
    e->show();
    QVERIFY(QTest::qWaitForWindowExposed(&*e));
    e->repaint();
    const ScreenCopy &copy = e->ImgEffect->Screen();
    const int reads = copy.FullSizeReads(), views = copy.ViewsMade();
    QCOMPARE(reads, 1);
    // At the screen's own pixels: sharp on a high-density screen.
    const double ratio = e->devicePixelRatioF();
    QCOMPARE(copy.Shown().size(), e->ImgEffect->size() * ratio);
    QCOMPARE(copy.Shown().devicePixelRatio(), ratio);
    for (int i = 0; i < 3; ++i) e->repaint();
    QCOMPARE(copy.FullSizeReads(), reads);
    QCOMPARE(copy.ViewsMade(), views);

    // A new size scales the screen copy again, not the picture.
    e->resize(e->width() - 100, e->height() - 50);
    e->repaint();
    QCOMPARE(copy.FullSizeReads(), reads);
    QCOMPARE(copy.ViewsMade(), views + 1);
    // An opened photo arrives with its screen copy, made while it was
    // decoded: showing it reads the picture no more, and shows what the
    // display would have made itself.
    e->OpenFile(Picture("large.jpg", 2400, 1800));
    QCOMPARE(copy.FullSizeReads(), reads + 1);
    e->repaint();
    QCOMPARE(copy.FullSizeReads(), reads + 1);
    ScreenCopy own;
    QCOMPARE(own.View(e->ImgEffect->Picture(), e->ImgEffect->ColorSpace(), QRectF(0, 0, 2400, 1800),
                      copy.Shown().size(), ratio, e->ImgEffect->ScreenCopyHeight()),
             copy.Shown());
    // A new picture is read once.
    Change(e);
    e->repaint();
    QCOMPARE(copy.FullSizeReads(), reads + 2);
  }

  void helpShowsInsideWithoutABrowser() {
    Editor e;
    const QString page = QString::fromStdString(e.assets.Dir()) + "help.html";
    QFile::remove(page);
    e->Guard([&] { e->BtnHelpClick(); });
    QCOMPARE(e.dialogs.Messages, QStringList{"Cannot open file " + page});

    QVERIFY(QFile::copy(QCoreApplication::applicationDirPath() + "/help.html", page));
    e.dialogs.NoViewer = true;
    e->BtnHelpClick();
    QVERIFY(e->HelpBrowser && e->HelpBrowser->isVisible());
    const QString text = e->HelpBrowser->toPlainText();
    for (const char *section : {"Keyboard shortcuts", "Picture formats", "Metadata", "Limits"})
      QVERIFY2(text.contains(section), section);
    const auto [contrast, words] = LeastReadable(*e->HelpBrowser);
    QVERIFY2(contrast >= 4.5, qPrintable(QString("%1: %2").arg(contrast).arg(words)));
  }
};

QV_TEST_MAIN(DesktopTest)
#include "DesktopTest.moc"
