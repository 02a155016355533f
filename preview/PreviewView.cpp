#include "preview/PreviewView.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include "gfx/Bitmap.h"
#include "gfx/ReduceByArea.h"
#include "kernels/StrengthMix.h"
#include "widgets/BitmapImage.h"
#include "widgets/DisplayColor.h"

namespace qv {

namespace {

// The steps of the zoom, in screen pixels per picture pixel.
constexpr std::array kSteps{1 / 32.0, 1 / 24.0, 1 / 16.0, 1 / 12.0, 1 / 8.0, 1 / 6.0, 1 / 4.0,
                            1 / 3.0,  1 / 2.0,  2 / 3.0,  1.0,      1.5,     2.0,     3.0,
                            4.0,      6.0,      8.0,      12.0,     16.0,    24.0,    32.0};
// How near the divider (in widget pixels) a press takes hold of it.
constexpr double kDividerGrip = 6;

// The part `area` (device pixels) of a picture that lies at `place` (its
// whole extent, device pixels) on screen, as RGB32. Below a scale of 1 each
// screen pixel is the mean of the picture area under it; at 1 or more it
// takes the picture pixel under its centre.
QImage Sample(const Bitmap &picture, QRectF place, QRect area) {
  const double scale = place.width() / picture.Width();
  if (scale < 1) {
    const QRect source =
        QRectF((area.left() - place.left()) / scale, (area.top() - place.top()) / scale,
               area.width() / scale, area.height() / scale)
            .toAlignedRect() &
        QRect(0, 0, picture.Width(), picture.Height());
    QImage out(area.size(), QImage::Format_RGB32);
    if (out.isNull() || source.isEmpty()) return out;
    if (area.width() > source.width() || area.height() > source.height())
      return WrapAsQImage(picture)  // a sliver at the picture's edge
          .copy(source)
          .scaled(area.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
          .convertToFormat(QImage::Format_RGB32);
    ReduceByArea(PixelsOf(picture),
                 {source.left(), source.top(), source.right() + 1, source.bottom() + 1},
                 area.width(), area.height(), out.bits(), std::size_t(out.bytesPerLine()));
    return out;
  }
  QImage out(area.size(), QImage::Format_RGB32);
  std::vector<int> column(std::size_t(area.width()));
  for (int i = 0; i < area.width(); ++i)
    column[std::size_t(i)] = std::clamp(
        int(std::floor((area.left() + i + 0.5 - place.left()) / scale)), 0, picture.Width() - 1);
  for (int j = 0; j < area.height(); ++j) {
    const int y = std::clamp(int(std::floor((area.top() + j + 0.5 - place.top()) / scale)), 0,
                             picture.Height() - 1);
    const std::uint8_t *row = picture.ScanLine(y);
    auto *target = reinterpret_cast<std::uint8_t *>(out.scanLine(j));
    for (int i = 0; i < area.width(); ++i) {
      const std::uint8_t *p = row + 3 * column[std::size_t(i)];
      target[4 * i] = p[0];
      target[4 * i + 1] = p[1];
      target[4 * i + 2] = p[2];
      target[4 * i + 3] = 255;
    }
  }
  return out;
}

}  // namespace

PreviewView::PreviewView(QWidget *parent) : QWidget(parent) {
  setMouseTracking(true);
  setFocusPolicy(Qt::ClickFocus);
  setAttribute(Qt::WA_OpaquePaintEvent, false);
}

const Bitmap &PreviewView::Picture() const {
  static const Bitmap none;
  return effect_ ? *effect_ : none;
}

void PreviewView::SetPictures(PictureRef effect, PictureRef original) {
  const bool sameShape = effect_ && effect && effect_->Width() == effect->Width() &&
                         effect_->Height() == effect->Height();
  effect_ = std::move(effect);
  original_ = std::move(original);
  if (original_ && effect_ &&
      (original_->Width() != effect_->Width() || original_->Height() != effect_->Height()))
    original_ = nullptr;
  // Another render of the same picture keeps the zoom and the place.
  if (!sameShape) {
    fit_ = true;
    if (effect_) centre_ = QPointF(effect_->Width() / 2.0, effect_->Height() / 2.0);
  }
  if (fit_) scale_ = FitScale();
  ClampCentre();
  sampled_ = false;
  update();
  emit ZoomChanged(scale_);
}

void PreviewView::SetStrength(int strength) {
  strength = std::clamp(strength, kMinStrength, kFullStrength);
  if (strength == strength_) return;
  strength_ = strength;
  mixedValid_ = false;
  update();
}

PictureRef PreviewView::Mixed() const {
  if (!original_ || strength_ == kFullStrength) return effect_;
  if (strength_ == kMinStrength) return original_;
  Bitmap out;
  StrengthMix(*original_, *effect_, out, strength_);
  return Share(std::move(out));
}

QSizeF PreviewView::DeviceSize() const {
  return QSizeF(size()) * devicePixelRatioF();
}

double PreviewView::FitScale() const {
  if (!effect_ || effect_->Empty()) return 1;
  const QSizeF view = DeviceSize();
  return std::max(1e-6,
                  std::min(view.width() / effect_->Width(), view.height() / effect_->Height()));
}

void PreviewView::ZoomToFit() {
  fit_ = true;
  scale_ = FitScale();
  if (effect_) centre_ = QPointF(effect_->Width() / 2.0, effect_->Height() / 2.0);
  sampled_ = false;
  update();
  emit ZoomChanged(scale_);
}

void PreviewView::ZoomToActual() {
  SetScale(1, QPointF(DeviceSize().width() / 2, DeviceSize().height() / 2));
}

void PreviewView::ZoomIn() {
  ZoomAbout(QPointF(width() / 2.0, height() / 2.0), 1);
}

void PreviewView::ZoomOut() {
  ZoomAbout(QPointF(width() / 2.0, height() / 2.0), -1);
}

void PreviewView::ZoomAbout(QPointF at, int steps) {
  double scale = scale_;
  // Never smaller than the fit or the smallest step, whichever is smaller.
  const double smallest = std::min(FitScale(), kSteps.front());
  for (; steps > 0; --steps) {
    const auto next = std::upper_bound(kSteps.begin(), kSteps.end(), scale * 1.0001);
    scale = next == kSteps.end() ? kSteps.back() : *next;
  }
  for (; steps < 0; ++steps) {
    auto below = std::lower_bound(kSteps.begin(), kSteps.end(), scale / 1.0001);
    scale = below == kSteps.begin() ? smallest : std::max(smallest, *(below - 1));
  }
  SetScale(scale, at * devicePixelRatioF());
}

void PreviewView::SetScale(double scale, QPointF atDevice) {
  if (!effect_) return;
  const QRectF before = PictureArea();
  const QPointF point = (atDevice - before.topLeft()) / scale_;  // the picture point under at
  fit_ = false;
  scale_ = scale;
  const QSizeF view = DeviceSize();
  centre_ = point - (atDevice - QPointF(view.width() / 2, view.height() / 2)) / scale_;
  ClampCentre();
  sampled_ = false;
  update();
  emit ZoomChanged(scale_);
}

// A picture smaller than the view stays centred; a larger one cannot be
// pushed so far that the view shows space beside it.
void PreviewView::ClampCentre() {
  if (!effect_) return;
  const QSizeF view = DeviceSize();
  auto clamp = [this](double centre, double viewSide, int pictureSide) {
    const double half = viewSide / 2 / scale_;
    if (2 * half >= pictureSide) return pictureSide / 2.0;
    return std::clamp(centre, half, pictureSide - half);
  };
  centre_ = QPointF(clamp(centre_.x(), view.width(), effect_->Width()),
                    clamp(centre_.y(), view.height(), effect_->Height()));
}

QRectF PreviewView::PictureArea() const {
  if (!effect_) return {};
  const QSizeF view = DeviceSize();
  return QRectF(view.width() / 2 - centre_.x() * scale_, view.height() / 2 - centre_.y() * scale_,
                effect_->Width() * scale_, effect_->Height() * scale_);
}

void PreviewView::Resample() {
  sampled_ = true;
  mixedValid_ = false;
  area_ = QRect();
  effectSample_ = originalSample_ = QImage();
  if (!effect_ || effect_->Empty()) return;
  const QRectF place = PictureArea();
  area_ = place.toAlignedRect() & QRect(QPoint(0, 0), DeviceSize().toSize());
  if (area_.isEmpty()) return;
  ++samplings_;
  effectSample_ = Sample(*effect_, place, area_);
  if (original_) originalSample_ = Sample(*original_, place, area_);
}

void PreviewView::Remix() {
  mixedValid_ = true;
  if (originalSample_.isNull() || strength_ == kFullStrength) {
    mixed_ = effectSample_;
  } else {
    mixed_ = QImage(effectSample_.size(), QImage::Format_RGB32);
    const std::size_t bytes = std::size_t(effectSample_.width()) * 4;
    for (int y = 0; y < mixed_.height(); ++y)
      StrengthMixRow(mixed_.scanLine(y), originalSample_.constScanLine(y),
                     effectSample_.constScanLine(y), bytes, strength_);
  }
}

const QImage &PreviewView::ShownPixels() {
  if (!sampled_) Resample();
  if (!mixedValid_) Remix();
  if (ShowsOriginal()) {
    shown_ = originalSample_;
  } else if (split_ && !originalSample_.isNull()) {
    // Before on the left of the divider, after on the right.
    shown_ = mixed_.copy();
    const int divider = int(std::lround(divider_ * DeviceSize().width())) - area_.left();
    const int columns = std::clamp(divider, 0, shown_.width());
    for (int y = 0; y < shown_.height(); ++y)
      std::copy_n(originalSample_.constScanLine(y), std::size_t(columns) * 4, shown_.scanLine(y));
  } else {
    shown_ = mixed_;
  }
  return shown_;
}

QRect PreviewView::ShownArea() {
  if (!sampled_) Resample();
  return area_;
}

void PreviewView::SetShowOriginal(bool on) {
  if (on == holdOriginal_) return;
  holdOriginal_ = on;
  update();
}

void PreviewView::SetSplit(bool on) {
  if (on == split_) return;
  split_ = on;
  update();
}

void PreviewView::SetDivider(double at) {
  divider_ = std::clamp(at, 0.0, 1.0);
  update();
}

void PreviewView::SetColorSpace(const QColorSpace &space) {
  space_ = space;
  update();
}

void PreviewView::paintEvent(QPaintEvent *) {
  QPainter painter(this);
  const QImage &pixels = ShownPixels();
  if (pixels.isNull()) return;
  const double ratio = devicePixelRatioF();
  QImage image = DisplayImage(pixels, space_);
  image.setDevicePixelRatio(ratio);
  painter.drawImage(QPointF(area_.left() / ratio, area_.top() / ratio), image);

  QFont small = font();
  small.setPixelSize(11);
  painter.setFont(small);
  auto tag = [&painter](QPointF at, const QString &text, Qt::Alignment side) {
    const QRectF box = painter.fontMetrics().boundingRect(text).adjusted(-4, -2, 4, 2);
    QRectF place(QPointF(0, 0), box.size());
    if (side & Qt::AlignRight)
      place.moveTopRight(at);
    else
      place.moveTopLeft(at);
    painter.fillRect(place, QColor(0, 0, 0, 150));
    painter.setPen(Qt::white);
    painter.drawText(place, Qt::AlignCenter, text);
  };
  if (split_ && original_ && !ShowsOriginal()) {
    const double x = divider_ * width();
    painter.setPen(QPen(Qt::white, 2));
    painter.drawLine(QPointF(x, 0), QPointF(x, height()));
    tag(QPointF(x - 4, 4), QStringLiteral("Before"), Qt::AlignRight);
    tag(QPointF(x + 4, 4), QStringLiteral("After"), Qt::AlignLeft);
  } else if (ShowsOriginal()) {
    tag(QPointF(4, 4), QStringLiteral("Original"), Qt::AlignLeft);
  }
  tag(QPointF(4, height() - 20),
      QStringLiteral("%1 %").arg(scale_ * 100, 0, 'f', scale_ < 0.1 ? 1 : 0), Qt::AlignLeft);
}

void PreviewView::resizeEvent(QResizeEvent *) {
  if (fit_) {
    scale_ = FitScale();
    if (effect_) emit ZoomChanged(scale_);
  }
  ClampCentre();
  sampled_ = false;
}

void PreviewView::wheelEvent(QWheelEvent *event) {
  const int steps = event->angleDelta().y() / 120;
  if (steps != 0) ZoomAbout(event->position(), steps);
  event->accept();
}

bool PreviewView::NearDivider(QPointF at) const {
  return split_ && original_ && std::abs(at.x() - divider_ * width()) <= kDividerGrip;
}

void PreviewView::mousePressEvent(QMouseEvent *event) {
  if (event->button() == Qt::RightButton) {
    emit OriginalHeld(true);
  } else if (event->button() == Qt::LeftButton) {
    drag_ = NearDivider(event->position()) ? Drag::Divider : Drag::Pan;
    dragFrom_ = event->position();
    if (drag_ == Drag::Pan) setCursor(Qt::ClosedHandCursor);
  }
  event->accept();
}

void PreviewView::mouseMoveEvent(QMouseEvent *event) {
  const QPointF at = event->position();
  if (drag_ == Drag::Divider) {
    SetDivider(at.x() / std::max(1, width()));
  } else if (drag_ == Drag::Pan && effect_) {
    centre_ -= (at - dragFrom_) * devicePixelRatioF() / scale_;
    dragFrom_ = at;
    ClampCentre();
    sampled_ = false;
    update();
  } else {
    setCursor(NearDivider(at) ? Qt::SplitHCursor : Qt::OpenHandCursor);
  }
  event->accept();
}

void PreviewView::mouseReleaseEvent(QMouseEvent *event) {
  if (event->button() == Qt::RightButton) emit OriginalHeld(false);
  if (event->button() == Qt::LeftButton) {
    drag_ = Drag::None;
    setCursor(NearDivider(event->position()) ? Qt::SplitHCursor : Qt::OpenHandCursor);
  }
  event->accept();
}

}  // namespace qv
