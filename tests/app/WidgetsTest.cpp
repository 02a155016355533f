// The image button's pictures by pointer and button state, and the flat
// panel's frame, fill and backdrop pixels.

#include <QPainter>
#include <QtTest>

#include "TestHome.h"
#include "widgets/FlatUtilitys.h"
#include "widgets/ImgBtn.h"
#include "widgets/TFlatPanelUnit.h"

using namespace qv;

namespace {

Bitmap Solid(TColor color) {
  Bitmap b(4, 3);
  b.SetBrushColor(color);
  b.Fill();
  return b;
}

// The events the window system sends, delivered straight to the control.
void Enter(QWidget *w) {
  QEnterEvent e(QPointF(1, 1), QPointF(1, 1), w->mapToGlobal(QPointF(1, 1)));
  QCoreApplication::sendEvent(w, &e);
}
void Leave(QWidget *w) {
  QEvent e(QEvent::Leave);
  QCoreApplication::sendEvent(w, &e);
}
void Mouse(QWidget *w, QEvent::Type type, QPoint pos, Qt::MouseButtons held) {
  const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
  QMouseEvent e(type, QPointF(pos), w->mapToGlobal(QPointF(pos)), button, held, Qt::NoModifier);
  QCoreApplication::sendEvent(w, &e);
}

struct Recorder {
  QStringList calls;
  void Attach(TImgBtn &b) {
    b.OnMouseEnter = [this](const QPoint &) { calls << "enter"; };
    b.OnMouseLeave = [this](const QPoint &) { calls << "leave"; };
    b.OnMouseDown = [this](const QPoint &) { calls << "down"; };
    b.OnMouseUp = [this](const QPoint &) { calls << "up"; };
  }
};

QImage Render(QWidget &w) {
  return w.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

}  // namespace

class WidgetsTest : public QObject {
  Q_OBJECT
  const Bitmap pic = Solid(clRed), picUp = Solid(clLime), picDown = Solid(0xFF0000);

  void Setup(TImgBtn &b) {
    b.resize(20, 20);
    b.SetPic(pic);
    b.SetPicUp(picUp);
    b.SetPicDown(picDown);
  }

 private slots:
  void imageButtonFollowsPointerAndButton() {
    TImgBtn b;
    Setup(b);
    Recorder r;
    r.Attach(b);
    QSignalSpy clicks(&b, &TImage::Click);
    const QPoint in(5, 5), out(40, 5);

    QVERIFY(b.Picture().SamePixels(pic));
    Enter(&b);
    QVERIFY(b.Picture().SamePixels(picUp));
    Mouse(&b, QEvent::MouseButtonPress, in, Qt::LeftButton);
    QVERIFY(b.Picture().SamePixels(picDown));
    // Dragged out with the button held, then back in.
    Mouse(&b, QEvent::MouseMove, out, Qt::LeftButton);
    QVERIFY(b.Picture().SamePixels(pic));
    Mouse(&b, QEvent::MouseMove, in, Qt::LeftButton);
    QVERIFY(b.Picture().SamePixels(picDown));
    Mouse(&b, QEvent::MouseButtonRelease, in, Qt::NoButton);
    QVERIFY(b.Picture().SamePixels(picUp));
    QCOMPARE(clicks.count(), 1);
    Leave(&b);
    QVERIFY(b.Picture().SamePixels(pic));
    QCOMPARE(r.calls, (QStringList{"enter", "down", "leave", "enter", "up", "leave"}));

    // Pressed inside, released outside: no click, Pic stays, the next
    // entry shows PicUp. A late leave from the window system changes nothing.
    r.calls.clear();
    Enter(&b);
    Mouse(&b, QEvent::MouseButtonPress, in, Qt::LeftButton);
    Mouse(&b, QEvent::MouseMove, out, Qt::LeftButton);
    Mouse(&b, QEvent::MouseButtonRelease, out, Qt::NoButton);
    Leave(&b);
    QVERIFY(b.Picture().SamePixels(pic));
    QVERIFY(!b.ButtonDown());
    QCOMPARE(clicks.count(), 1);
    Enter(&b);
    QVERIFY(b.Picture().SamePixels(picUp));
    QCOMPARE(r.calls, (QStringList{"enter", "down", "leave", "up", "enter"}));
  }

  void imageButtonPictureWriters() {
    TImgBtn b;
    Setup(b);
    Enter(&b);
    // PicUp waits for the next pointer event; Pic shows at once.
    b.SetPicUp(Solid(clYellow));
    QVERIFY(b.Picture().SamePixels(picUp));
    b.SetPic(Solid(clBlack));
    QVERIFY(b.Picture().SamePixels(Solid(clBlack)));
    Leave(&b);
    Enter(&b);
    QVERIFY(b.Picture().SamePixels(Solid(clYellow)));
  }

  void imageButtonUnsupportedNeverSwitches() {
    TImgBtn b;
    Setup(b);
    b.Supported = false;
    Recorder r;
    r.Attach(b);
    QSignalSpy clicks(&b, &TImage::Click);
    Enter(&b);
    Mouse(&b, QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton);
    Mouse(&b, QEvent::MouseButtonRelease, {5, 5}, Qt::NoButton);
    Leave(&b);
    QVERIFY(b.Picture().SamePixels(pic));
    QVERIFY(r.calls.isEmpty());
    QCOMPARE(clicks.count(), 1);
  }

  void flatFrameOnePixelShowsBottomColour() {
    TFlatPanel panel;
    panel.resize(1, 1);
    panel.SetColor(clLime);
    panel.SetColorHighLight(clRed);
    panel.SetColorShadow(0xFF0000);
    QCOMPARE(Render(panel).pixel(0, 0), qRgb(0, 0, 255));
  }

  void flatFrameRaisedTwoColours() {
    TFlatPanel panel;
    panel.resize(5, 4);
    panel.SetColor(clLime);
    panel.SetColorHighLight(clRed);  // top and left
    panel.SetColorShadow(0xFF0000);  // right and bottom
    const QImage img = Render(panel);
    const QRgb top = qRgb(255, 0, 0), bottom = qRgb(0, 0, 255), fill = qRgb(0, 255, 0);
    for (int x = 0; x < 4; ++x) QCOMPARE(img.pixel(x, 0), top);
    for (int y = 0; y < 3; ++y) QCOMPARE(img.pixel(0, y), top);
    for (int y = 0; y < 4; ++y) QCOMPARE(img.pixel(4, y), bottom);
    for (int x = 0; x < 5; ++x) QCOMPARE(img.pixel(x, 3), bottom);
    for (int y = 1; y < 3; ++y)
      for (int x = 1; x < 4; ++x) QCOMPARE(img.pixel(x, y), fill);

    // Two nested frames, the inner one a pixel further in.
    QImage canvas(6, 6, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter p(&canvas);
    PaintFlatFrame(p, canvas.rect(), Qt::red, Qt::blue, 2);
    p.end();
    QCOMPARE(canvas.pixel(1, 1), qRgb(255, 0, 0));
    QCOMPARE(canvas.pixel(4, 1), qRgb(0, 0, 255));
    QCOMPARE(canvas.pixel(1, 4), qRgb(0, 0, 255));
    QCOMPARE(canvas.pixel(2, 2), qRgb(255, 255, 255));
  }

  void flatPanelTransparentShowsParent() {
    QWidget parent;
    parent.resize(50, 50);
    QPalette pal = parent.palette();
    pal.setColor(QPalette::Window, QColor(10, 20, 30));
    parent.setPalette(pal);
    parent.setAutoFillBackground(true);
    auto *panel = new TFlatPanel(&parent);
    panel->setGeometry(10, 10, 20, 20);
    panel->SetColor(clLime);
    panel->SetTransparent(true);
    QCOMPARE(Render(*panel).pixel(10, 10), qRgb(10, 20, 30));
    panel->SetTransparent(false);
    QCOMPARE(Render(*panel).pixel(10, 10), qRgb(0, 255, 0));
  }

  void flatPanelDisabledCaptionIsEngraved() {
    TFlatPanel panel;
    panel.resize(120, 30);
    panel.SetCaption("Caption");
    const QImage enabled = Render(panel);
    panel.setEnabled(false);
    const QImage disabled = Render(panel);
    QVERIFY(enabled != disabled);
    const QRgb light = panel.palette().color(QPalette::Light).rgb();
    bool found = false;
    for (int y = 1; y < 29 && !found; ++y)
      for (int x = 1; x < 119 && !found; ++x) found = disabled.pixel(x, y) == light;
    QVERIFY(found);
    panel.setEnabled(true);
    QCOMPARE(Render(panel), enabled);
  }
};

QV_TEST_MAIN(WidgetsTest)
#include "WidgetsTest.moc"
