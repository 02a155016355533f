#include "preview/UnitPreview.h"

#include <algorithm>

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>

#include "gfx/Bitmap.h"
#include "preview/PreviewHost.h"

#include "widgets/BitmapImage.h"
#include "widgets/ColorMap.h"
#include "widgets/DesignFont.h"
#include "widgets/Image.h"
#include "widgets/TFlatPanelUnit.h"

namespace qv {

namespace {

constexpr TColor kBackground = 20817;  // red 81, green 81, blue 0
constexpr TColor kFrame = 33023;       // orange: red 255, green 128, blue 0
// Space kept between the dialog and the edges of the display it opens over.
constexpr int kMargin = 8;

QLabel *NoticeLabel(QWidget *parent, const QString &caption, int pixelHeight, QRect bounds) {
  auto *label = new QLabel(caption, parent);
  QFont font = label->font();
  font.setPixelSize(pixelHeight);
  label->setFont(font);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, Qt::red);
  label->setPalette(palette);
  label->setGeometry(bounds);
  // Desktop fonts run wider than the design's; the caption is not clipped.
  label->resize(std::max(bounds.width(), label->sizeHint().width()), bounds.height());
  return label;
}

QPushButton *Button(QWidget *parent, const char *name, const QString &caption, QRect bounds) {
  auto *button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setGeometry(bounds);
  return button;
}

}  // namespace

// A dialog window: tied to its parent, above it, never lost behind it.
TFormPreview::TFormPreview(QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("FormPreview"));
  setWindowTitle(QStringLiteral("Preview"));
  setFont(DesignFont(QStringLiteral("MS Sans Serif"), -11));
  setFixedSize(395, 290);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, ToQColor(kBackground));
  setPalette(pal);
  setAutoFillBackground(true);

  Panel1 = new TFlatPanel(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setGeometry(0, 0, 393, 230);
  Panel1->SetColor(clOlive);
  Panel1->SetColorHighLight(kFrame);
  Panel1->SetColorShadow(kFrame);

  ImgPreview = new TImage(Panel1);
  ImgPreview->setObjectName(QStringLiteral("ImgPreview"));
  ImgPreview->setGeometry(80, 1, 209, 224);
  ImgPreview->SetStretch(true);

  Label1 = NoticeLabel(Panel1, QStringLiteral("PROCESSING---"), 32, {64, 96, 241, 37});
  Label1->setObjectName(QStringLiteral("Label1"));
  Label2 = NoticeLabel(Panel1, QStringLiteral("Wait seconds"), 24, {64, 64, 144, 29});
  Label2->setObjectName(QStringLiteral("Label2"));
  ProgressRender = new QProgressBar(Panel1);
  ProgressRender->setObjectName(QStringLiteral("ProgressRender"));
  ProgressRender->setGeometry(64, 140, 241, 16);
  ProgressRender->setRange(0, 1000);
  ProgressRender->setTextVisible(false);
  ProgressRender->hide();

  BtnApply = Button(this, "BtnApply", QStringLiteral("Apply"), {184, 248, 75, 25});
  BtnCancel = Button(this, "BtnCancel", QStringLiteral("Cancel"), {272, 248, 75, 25});
  BtnColor = Button(this, "BtnColor", QStringLiteral("Change Color"), {80, 248, 83, 25});
  // The caption is wider than 83 pixels in most desktop fonts; grow the
  // button rightwards, short of Apply, rather than clip it.
  BtnColor->resize(std::clamp(BtnColor->sizeHint().width(), 83, 100), 25);
  BtnColor->hide();
  BtnApply->setEnabled(false);

  connect(BtnApply, &QPushButton::clicked, this, [this] { BtnApplyClick(); });
  connect(BtnCancel, &QPushButton::clicked, this, [this] { Button2Click(); });
  connect(BtnColor, &QPushButton::clicked, this, [this] { BtnColorClick(); });
  // Enter applies whichever button has the focus (Esc: keyPressEvent).
  for (const QKeySequence &key : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)})
    connect(new QShortcut(key, this), &QShortcut::activated, this, [this] { BtnApplyClick(); });
}

void TFormPreview::ShowBeside() {
  if (isHidden()) Place();
  show();
  raise();
  activateWindow();
}

void TFormPreview::Place() {
  if (!host_) return;
  const QRect area = host_->PreviewArea();
  // The frame is known once the dialog has been on screen; before that the
  // client size stands for it.
  const QSize outer = frameGeometry().size().expandedTo(size());
  // At the right of the display, where it covers the least of a centred
  // picture, but never left of the display, over the controls.
  QPoint at(std::max(area.right() + 1 - kMargin - outer.width(), area.left() + kMargin),
            area.top() + kMargin);
  if (const QScreen *screen = parentWidget() ? parentWidget()->screen() : this->screen()) {
    const QRect free = screen->availableGeometry();
    at.setX(
        std::clamp(at.x(), free.left(), std::max(free.left(), free.right() + 1 - outer.width())));
    at.setY(
        std::clamp(at.y(), free.top(), std::max(free.top(), free.bottom() + 1 - outer.height())));
  }
  move(at);
}

void TFormPreview::BtnApplyClick() {
  if (!hasRender_ || !host_) return;
  host_->Guard([this] {
    host_->CommitPicture(ImgPreview->SharedPicture());
    hide();
  });
}

void TFormPreview::Button2Click() {
  if (rendering_) {
    rendering_ = false;
    SetNotice(false);
    if (host_) host_->CancelRender();
  }
  hide();
}

void TFormPreview::keyPressEvent(QKeyEvent *event) {
  if (event->key() == Qt::Key_Escape) {
    Button2Click();
    event->accept();
    return;
  }
  QWidget::keyPressEvent(event);
}

void TFormPreview::closeEvent(QCloseEvent *event) {
  Button2Click();
  event->accept();
}

void TFormPreview::BtnColorClick() {
  if (!host_) return;
  host_->Guard([this] { host_->RenderWithPickedColor(); });
}

void TFormPreview::SetNotice(bool on) {
  Label2->setVisible(on);
  Label1->setVisible(on);
  ProgressRender->setVisible(on);
}

void TFormPreview::SetProgress(double fraction) {
  ProgressRender->setValue(int(std::clamp(fraction, 0.0, 1.0) * 1000));
}

void TFormPreview::BeginRender() {
  rendering_ = true;
  SetProgress(0);
  hasRender_ = false;
  BtnApply->setEnabled(false);
  ImgPreview->hide();
  SetNotice(true);
}

void TFormPreview::ShowRender(PictureRef result, PictureRef /*original*/) {
  rendering_ = false;
  ImgPreview->SetPicture(std::move(result));
  SetNotice(false);
  ImgPreview->show();
  hasRender_ = true;
  BtnApply->setEnabled(true);
}

void TFormPreview::RenderFailed() {
  rendering_ = false;
  SetNotice(false);
  ImgPreview->hide();
  hasRender_ = false;
  BtnApply->setEnabled(false);
}

void TFormPreview::RenderCancelled() {
  rendering_ = false;
  SetNotice(false);
  hide();
}

}  // namespace qv
