// The editor from the keyboard: a category chosen with Space puts the focus
// on its first thumbnail, the arrows, Home and End move it, Enter, Space and
// the digits open the preview, the focus shows, and Tab goes round the
// screen as it reads.

#include <QPushButton>
#include <QtTest>

#include "EditorFixture.h"
#include "TestHome.h"
#include "browser/CategoryColumn.h"
#include "preview/UnitPreview.h"
#include "widgets/Image.h"

using namespace qv;
using namespace qv::test;

namespace {

QWidget *Focused() {
  return QApplication::focusWidget();
}

QString FocusedName() {
  return Focused() ? Focused()->objectName() : QString("none");
}

}  // namespace

class KeyboardTest : public QObject {
  Q_OBJECT

  // A shown, active editor with Light A chosen by Space on its button.
  static void ChooseLightA(Editor &e) {
    e->show();
    QVERIFY(QTest::qWaitForWindowActive(&*e));
    QPushButton *button = e->BtnCategory[1];
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Space);
    QVERIFY(e.Settle());
  }

 private slots:
  // Light A, Right twice, Enter: the preview of thumbnail 3.
  void chooseMoveAndOpen() {
    Editor e;
    ChooseLightA(e);
    QCOMPARE(Focused(), e->ImgView[1]);
    QTest::keyClick(Focused(), Qt::Key_Right);
    QTest::keyClick(Focused(), Qt::Key_Right);
    QCOMPARE(Focused(), e->ImgView[3]);
    QTest::keyClick(Focused(), Qt::Key_Return);
    QVERIFY(e.Settle());
    QCOMPARE(e->Session().CurrentThumb(), 3);
    QVERIFY(e->FormPreview->isVisible() && e->FormPreview->HasRender());
    QVERIFY(e->Session().ResultBitmap()->SamePixels(e.Expected(1, 3, RenderSize::FullSize)));
  }

  void keysMoveAndOpen_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("focused");
    QTest::addColumn<int>("opened");  // 0: no preview
    QTest::newRow("End") << 1 << int(Qt::Key_End) << 10 << 0;
    QTest::newRow("Home") << 10 << int(Qt::Key_Home) << 1 << 0;
    QTest::newRow("Left at the first") << 1 << int(Qt::Key_Left) << 1 << 0;
    QTest::newRow("Right to the next row") << 5 << int(Qt::Key_Right) << 6 << 0;
    QTest::newRow("Down a row") << 3 << int(Qt::Key_Down) << 8 << 0;
    QTest::newRow("Up a row") << 8 << int(Qt::Key_Up) << 3 << 0;
    QTest::newRow("Up at the top") << 2 << int(Qt::Key_Up) << 2 << 0;
    QTest::newRow("Space") << 4 << int(Qt::Key_Space) << 4 << 4;
    QTest::newRow("digit 7") << 1 << int(Qt::Key_7) << 7 << 7;
    QTest::newRow("digit 0 is 10") << 2 << int(Qt::Key_0) << 10 << 10;
  }
  void keysMoveAndOpen() {
    QFETCH(int, from);
    QFETCH(int, key);
    QFETCH(int, focused);
    QFETCH(int, opened);
    Editor e;
    ChooseLightA(e);
    QCOMPARE(e->Strip().Grid().Columns, 5);  // two rows of five in this window
    e->ImgView[from]->setFocus();
    QTest::keyClick(Focused(), Qt::Key(key));
    QVERIFY(e.Settle());
    // Within the main window (the preview has the focus once it opens).
    QCOMPARE(e->focusWidget(), e->ImgView[focused]);
    QCOMPARE(e->FormPreview->isVisible(), opened != 0);
    if (opened) QCOMPARE(e->Session().CurrentThumb(), opened);
  }

  // A frame of white shows where the focus is.
  void theFocusShows() {
    Editor e;
    ChooseLightA(e);
    TImage *view = e->ImgView[1];
    const QColor focused = view->grab().toImage().pixelColor(1, view->height() / 2);
    e->ImgView[2]->setFocus();
    const QColor unfocused = view->grab().toImage().pixelColor(1, view->height() / 2);
    QCOMPARE(focused, QColor(Qt::white));
    QVERIFY(unfocused != QColor(Qt::white));
  }

  // Categories top down, the tools, the display and its gear, the strip at
  // the thumbnail focused last; Shift+Tab the other way.
  void tabFollowsTheScreen() {
    Editor e;
    ChooseLightA(e);
    QTest::keyClick(Focused(), Qt::Key_Right);
    std::vector<const Category *> column;
    for (const Category &c : Categories())
      if (!c.Hidden) column.push_back(&c);
    std::sort(column.begin(), column.end(), [](const Category *a, const Category *b) {
      return CategoryButtonTop(*a) < CategoryButtonTop(*b);
    });
    QStringList expected{"ImgView2"};
    for (const Category *c : column) expected << c->ButtonName;
    expected += QStringList{"BtnOpen",  "BtnSave",   "BtnHelp",        "BtnLooks",
                            "BtnBatch", "ImgEffect", "BtnPreferences", "ImgView2"};
    QStringList forward{FocusedName()}, backward{FocusedName()};
    for (int i = 1; i < expected.size(); ++i) {
      QTest::keyClick(Focused(), Qt::Key_Tab);
      forward << FocusedName();
    }
    QCOMPARE(forward, expected);
    for (int i = 1; i < expected.size(); ++i) {
      QTest::keyClick(Focused(), Qt::Key_Backtab);
      backward << FocusedName();
    }
    std::reverse(expected.begin(), expected.end());
    QCOMPARE(backward, expected);
  }
};

QV_TEST_MAIN(KeyboardTest)
#include "KeyboardTest.moc"
