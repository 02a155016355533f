#include "browser/ThumbnailStrip.h"

#include <cmath>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QWidget>

#include "widgets/Image.h"

namespace qv {

namespace {

// Room for the focus frame around each picture.
constexpr int kFocusInset = 3;

// The classic numbers sit at their own places under the squares.
constexpr std::array<QPoint, kThumbnailCount> kClassicLabels{{
    {48, 120},
    {152, 120},
    {280, 120},
    {384, 120},
    {512, 120},
    {40, 256},
    {152, 256},
    {272, 256},
    {392, 256},
    {504, 256},
}};

// The thumbnail a key moves to from `current` (reading order, rows of
// `columns`), or `current` where it leads nowhere.
int Moved(int current, int key, int columns) {
  switch (key) {
    case Qt::Key_Left:
      return std::max(1, current - 1);
    case Qt::Key_Right:
      return std::min(kThumbnailCount, current + 1);
    case Qt::Key_Up:
      return current - columns >= 1 ? current - columns : current;
    case Qt::Key_Down:
      return current + columns <= kThumbnailCount ? current + columns : current;
    case Qt::Key_Home:
      return 1;
    case Qt::Key_End:
      return kThumbnailCount;
    default:
      return current;
  }
}

}  // namespace

ThumbnailStrip::ThumbnailStrip(QWidget *panel, const QString &hint) : QObject(panel), Panel(panel) {
  for (int n = 1; n <= kThumbnailCount; ++n) {
    auto *view = new TImage(panel);
    view->setObjectName(QStringLiteral("ImgView%1").arg(n));
    view->SetStretch(true);
    view->SetInset(kFocusInset);
    view->SetShowsFocus(true);
    view->setToolTip(hint);
    view->setAccessibleName(tr("Effect %1").arg(n));
    view->installEventFilter(this);
    view->hide();
    connect(view, &TImage::Click, this, [this, n] { emit Chosen(n); });
    ImgView[std::size_t(n)] = view;

    auto *label = new QLabel(QString::number(n), panel);
    label->setObjectName(QStringLiteral("Label%1").arg(n));
    label->adjustSize();
    label->hide();
    Label[std::size_t(n)] = label;
  }
  SetCurrent(1);
  for (int n = 1; n <= kThumbnailCount; ++n) Place(n);
}

void ThumbnailStrip::SetStyle(ThumbnailStyle style) {
  style_ = style;
  if (style_ == ThumbnailStyle::Classic) grid_ = ClassicGrid();
}

PixelSize ThumbnailStrip::LayOut(int pictureWidth, int pictureHeight) {
  if (style_ == ThumbnailStyle::Fitted)
    grid_ = FittedGrid(Panel->size(), QSize(pictureWidth, pictureHeight),
                       Label[1]->sizeHint().height());
  else
    grid_ = ClassicGrid();
  for (int n = 1; n <= kThumbnailCount; ++n) Place(n);
  const double ratio = Panel->devicePixelRatioF();
  return {int(std::lround(grid_.Cell.width() * ratio)),
          int(std::lround(grid_.Cell.height() * ratio))};
}

// The picture of a fitted thumbnail lies in the middle of its cell, at the
// size it was rendered for (in device pixels; one made for another cell is
// fitted into this one), its number right under it.
void ThumbnailStrip::Place(int n) {
  TImage *view = ImgView[std::size_t(n)];
  QLabel *label = Label[std::size_t(n)];
  const QRect cell = grid_.Cells[std::size_t(n - 1)];
  QRect picture = cell;
  if (style_ == ThumbnailStyle::Fitted && !view->Picture().Empty()) {
    const double ratio = Panel->devicePixelRatioF();
    const PixelSize fitted = FittedThumbnailSize(view->Picture().Width(), view->Picture().Height(),
                                                 int(std::lround(cell.width() * ratio)),
                                                 int(std::lround(cell.height() * ratio)));
    const QSize size(std::max(1, int(std::lround(fitted.Width / ratio))),
                     std::max(1, int(std::lround(fitted.Height / ratio))));
    picture = QRect(cell.topLeft() + QPoint((cell.width() - size.width()) / 2,
                                            (cell.height() - size.height()) / 2),
                    size);
  }
  view->setGeometry(picture.adjusted(-kFocusInset, -kFocusInset, kFocusInset, kFocusInset));
  label->adjustSize();
  if (style_ == ThumbnailStyle::Classic)
    label->move(kClassicLabels[std::size_t(n - 1)]);
  else
    label->move(picture.center().x() - label->width() / 2 + 1, picture.bottom() + 3);
}

void ThumbnailStrip::Show(int n, PictureRef picture, bool paintNow) {
  TImage *view = ImgView[std::size_t(n)];
  view->SetPicture(std::move(picture));
  Place(n);
  view->show();
  Label[std::size_t(n)]->show();
  if (n == 1 && focusFirst_) {
    focusFirst_ = false;
    FocusOn(1);
  }
  if (paintNow) Panel->repaint();
}

void ThumbnailStrip::HideAll() {
  focusFirst_ = false;
  for (int n = 1; n <= kThumbnailCount; ++n) ImgView[std::size_t(n)]->hide();
  for (int n = 1; n <= kThumbnailCount; ++n) Label[std::size_t(n)]->hide();
}

bool ThumbnailStrip::AllHidden() const {
  for (int n = 1; n <= kThumbnailCount; ++n)
    if (!ImgView[std::size_t(n)]->isHidden() || !Label[std::size_t(n)]->isHidden()) return false;
  return true;
}

void ThumbnailStrip::NameAfter(const QString &caption) {
  for (int n = 1; n <= kThumbnailCount; ++n) {
    TImage *view = ImgView[std::size_t(n)];
    view->setToolTip(tr("%1 %2").arg(caption).arg(n));
    view->setAccessibleName(tr("%1, effect %2").arg(caption).arg(n));
    view->setAccessibleDescription(tr("Opens the preview of this effect"));
  }
}

// One thumbnail at a time is a stop of Tab, so that Tab passes the strip
// in one step and comes back to where it left.
void ThumbnailStrip::SetCurrent(int n) {
  current_ = n;
  for (int i = 1; i <= kThumbnailCount; ++i)
    ImgView[std::size_t(i)]->setFocusPolicy(i == n ? Qt::StrongFocus : Qt::ClickFocus);
}

bool ThumbnailStrip::FocusOn(int n) {
  TImage *view = ImgView[std::size_t(n)];
  if (view->isHidden()) return false;
  SetCurrent(n);
  view->setFocus(Qt::OtherFocusReason);
  return true;
}

bool ThumbnailStrip::eventFilter(QObject *watched, QEvent *event) {
  for (int n = 1; n <= kThumbnailCount; ++n) {
    if (watched != ImgView[std::size_t(n)]) continue;
    if (event->type() == QEvent::FocusIn) SetCurrent(n);
    if (event->type() == QEvent::KeyPress) {
      const auto *press = static_cast<QKeyEvent *>(event);
      const bool plain =
          !(press->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
      if (plain && KeyPressed(n, press->key())) return true;
    }
    break;
  }
  return QObject::eventFilter(watched, event);
}

bool ThumbnailStrip::KeyPressed(int n, int key) {
  switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      emit Chosen(n);
      return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End: {
      // Not past the thumbnails shown so far.
      const int to = Moved(n, key, grid_.Columns);
      for (int step = to > n ? -1 : 1, at = to; at != n; at += step)
        if (FocusOn(at)) return true;
      return true;
    }
    default:
      break;
  }
  if (key >= Qt::Key_0 && key <= Qt::Key_9) {
    const int chosen = key == Qt::Key_0 ? kThumbnailCount : key - Qt::Key_0;
    if (FocusOn(chosen)) emit Chosen(chosen);
    return true;
  }
  return false;
}

}  // namespace qv
