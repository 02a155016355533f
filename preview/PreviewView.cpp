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
#include "kernels/MaskedMix.h"
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
// How near a gradient's handle (widget pixels) a press takes hold of it,
// and how large a handle is drawn.
constexpr double kHandleGrip = 8, kHandleRadius = 5;
constexpr int kSmallestBrush = 2, kLargestBrush = 500;

// A brush size, hardness or flow one step up or down (the keys, the wheel).
int Stepped(int value, int steps) {
  const int step = std::max(1, value / 8);
  return value + steps * step;
}

// Millionths of a side, for a position in picture pixels.
std::int32_t Relative(double pixels, int side, std::int32_t low = kMaskLowest) {
  return std::int32_t(
      std::clamp<double>(std::llround(pixels / side * kMaskUnit), low, kMaskHighest));
}

double Absolute(std::int32_t millionths, int side) {
  return double(millionths) / kMaskUnit * side;
}

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
  // The mask belongs to the picture the renders start from.
  const bool samePicture = sameShape && original && original == original_;
  effect_ = std::move(effect);
  original_ = std::move(original);
  if (!samePicture) ResetMask();
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
  if (original_ && mask_.Masks()) {
    Bitmap out;
    MaskedMix(*original_, *effect_, out, strength_,
              [this](int first, int last, std::uint8_t *rows) { mask_.Rows(first, last, rows); });
    return Share(std::move(out));
  }
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
  // The mask is picked at the pixel under each screen pixel's centre.
  const double scale = place.width() / effect_->Width();
  auto picked = [scale](int device, double edge, int side) {
    return std::clamp(int(std::floor((device + 0.5 - edge) / scale)), 0, side - 1);
  };
  columns_.resize(std::size_t(area_.width()));
  rows_.resize(std::size_t(area_.height()));
  for (int i = 0; i < area_.width(); ++i)
    columns_[std::size_t(i)] = picked(area_.left() + i, place.left(), effect_->Width());
  for (int j = 0; j < area_.height(); ++j)
    rows_[std::size_t(j)] = picked(area_.top() + j, place.top(), effect_->Height());
  maskSampled_ = false;
}

void PreviewView::Remix() {
  mixedValid_ = true;
  const bool masked = !originalSample_.isNull() && mask_.Masks();
  if (originalSample_.isNull() || (strength_ == kFullStrength && !masked && !showMask_)) {
    mixed_ = effectSample_;
    return;
  }
  if (masked && !maskSampled_) RefreshWholeMask();
  mixed_ = QImage(effectSample_.size(), QImage::Format_RGB32);
  MixArea(0, 0, mixed_.width(), mixed_.height());
}

// Columns left to right - 1 and rows top to bottom - 1 of the area shown,
// mixed again from the samples (through the mask when there is one) and
// tinted where the mask is shown.
void PreviewView::MixArea(int left, int top, int right, int bottom) {
  if (right <= left || bottom <= top) return;
  const bool masked = mask_.Masks() && maskSampled_;
  const auto pixels = std::size_t(right - left);
  const std::size_t width = std::size_t(mixed_.width());
  for (int y = top; y < bottom; ++y) {
    std::uint8_t *out = mixed_.scanLine(y) + 4 * left;
    const std::uint8_t *before = originalSample_.constScanLine(y) + 4 * left;
    const std::uint8_t *after = effectSample_.constScanLine(y) + 4 * left;
    const std::uint8_t *mask = maskSample_.data() + std::size_t(y) * width + std::size_t(left);
    if (masked)
      MaskedMixRow(out, before, after, mask, pixels, 4, strength_);
    else
      StrengthMixRow(out, before, after, pixels * 4, strength_);
    if (!showMask_) continue;
    // Half way to red where the effect goes fully.
    for (std::size_t x = 0; x < pixels; ++x, out += 4) {
      const int m = masked ? mask[x] : 255;
      out[0] = std::uint8_t(out[0] - (out[0] * m >> 9));
      out[1] = std::uint8_t(out[1] - (out[1] * m >> 9));
      out[2] = std::uint8_t(out[2] + ((255 - out[2]) * m >> 9));
    }
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

// --- The mask.

void PreviewView::ResetMask() {
  mask_.Reset(effect_ ? effect_->Width() : 0, effect_ ? effect_->Height() : 0);
  maskSampled_ = false;
  mixedValid_ = false;
  drag_ = drag_ == Drag::Paint || drag_ == Drag::Shape ? Drag::None : drag_;
  update();
  emit MaskChanged();
}

void PreviewView::RefreshWholeMask() {
  maskSampled_ = false;
  if (!sampled_ || area_.isEmpty()) return;
  const int w = area_.width();
  maskSample_.resize(std::size_t(w) * std::size_t(area_.height()));
  for (int j = 0; j < area_.height(); ++j)
    mask_.Pixels(rows_[std::size_t(j)], columns_.data(), w,
                 maskSample_.data() + std::size_t(j) * std::size_t(w));
  maskSampled_ = true;
}

void PreviewView::RefreshMask(const Rect &changed) {
  if (!sampled_ || area_.isEmpty() || changed.Width() <= 0 || changed.Height() <= 0) return;
  if (!maskSampled_ || (changed.Width() >= mask_.Width() && changed.Height() >= mask_.Height())) {
    RefreshWholeMask();
    mixedValid_ = false;
    update();
    return;
  }
  // The screen columns and rows that pick pixels of the change.
  const auto left = std::lower_bound(columns_.begin(), columns_.end(), changed.Left);
  const auto right = std::lower_bound(left, columns_.end(), changed.Right);
  const auto top = std::lower_bound(rows_.begin(), rows_.end(), changed.Top);
  const auto bottom = std::lower_bound(top, rows_.end(), changed.Bottom);
  const int i0 = int(left - columns_.begin()), i1 = int(right - columns_.begin());
  const int j0 = int(top - rows_.begin()), j1 = int(bottom - rows_.begin());
  if (i1 <= i0 || j1 <= j0) return;
  const std::size_t w = std::size_t(area_.width());
  for (int j = j0; j < j1; ++j)
    mask_.Pixels(rows_[std::size_t(j)], columns_.data() + i0, i1 - i0,
                 maskSample_.data() + std::size_t(j) * w + std::size_t(i0));
  if (mixedValid_) {
    if (mixed_.constBits() == effectSample_.constBits()) mixed_ = effectSample_.copy();
    MixArea(i0, j0, i1, j1);
  }
  const double ratio = devicePixelRatioF();
  update(QRectF((area_.left() + i0) / ratio, (area_.top() + j0) / ratio, (i1 - i0) / ratio,
                (j1 - j0) / ratio)
             .toAlignedRect()
             .adjusted(-1, -1, 1, 1));
}

int PreviewView::ShownMaskAt(QPoint device) {
  if (!sampled_) Resample();
  if (!mixedValid_) Remix();
  const QPoint at = device - area_.topLeft();
  if (!mask_.Masks() || !maskSampled_ || !QRect(QPoint(0, 0), area_.size()).contains(at))
    return 255;
  return maskSample_[std::size_t(at.y()) * std::size_t(area_.width()) + std::size_t(at.x())];
}

void PreviewView::SetTool(Tool tool) {
  if (drag_ == Drag::Paint) mask_.EndStroke();
  if (drag_ == Drag::Shape) mask_.EndShapeEdit();
  if (drag_ == Drag::Paint || drag_ == Drag::Shape) drag_ = Drag::None;
  tool_ = tool;
  setCursor(tool == Tool::None ? Qt::OpenHandCursor : Qt::CrossCursor);
  update();
}

void PreviewView::SetBrushSize(int radius) {
  brushSize_ = std::clamp(radius, kSmallestBrush, kLargestBrush);
  update();
  emit BrushChanged();
}

void PreviewView::SetHardness(int hardness) {
  hardness_ = std::clamp(hardness, 0, 100);
  update();
  emit BrushChanged();
}

void PreviewView::SetFlow(int flow) {
  flow_ = std::clamp(flow, 1, 100);
  emit BrushChanged();
}

void PreviewView::SetShowMask(bool on) {
  if (on == showMask_) return;
  showMask_ = on;
  mixedValid_ = false;
  update();
}

void PreviewView::InvertMask() {
  mask_.Invert();
  RefreshMask({0, 0, mask_.Width(), mask_.Height()});
  emit MaskChanged();
}

void PreviewView::ClearMask() {
  mask_.Clear();
  RefreshMask({0, 0, mask_.Width(), mask_.Height()});
  emit MaskChanged();
}

void PreviewView::UndoMask() {
  if (drag_ == Drag::Paint || drag_ == Drag::Shape) return;
  mask_.Undo();
  RefreshMask({0, 0, mask_.Width(), mask_.Height()});
  emit MaskChanged();
}

void PreviewView::RedoMask() {
  if (drag_ == Drag::Paint || drag_ == Drag::Shape) return;
  mask_.Redo();
  RefreshMask({0, 0, mask_.Width(), mask_.Height()});
  emit MaskChanged();
}

QPoint PreviewView::PicturePoint(QPointF at) const {
  const QPointF picture = (at * devicePixelRatioF() - PictureArea().topLeft()) / scale_;
  return QPoint(int(std::lround(picture.x() * kSubpixel)),
                int(std::lround(picture.y() * kSubpixel)));
}

QPointF PreviewView::WidgetPoint(QPointF picture) const {
  return (PictureArea().topLeft() + picture * scale_) / devicePixelRatioF();
}

std::int32_t PreviewView::BrushRadius() const {
  return std::max<std::int32_t>(
      kSubpixel / 2,
      std::int32_t(std::lround(brushSize_ * devicePixelRatioF() / scale_ * kSubpixel)));
}

MaskEditor::Brush PreviewView::CurrentBrush() const {
  return {BrushRadius(), hardness_, flow_, tool_ == Tool::Eraser};
}

std::vector<std::pair<PreviewView::Grip, QPointF>> PreviewView::Handles() const {
  const MaskShape &shape = mask_.Base();
  std::vector<std::pair<Grip, QPointF>> handles;
  if (!effect_) return handles;
  const int w = effect_->Width(), h = effect_->Height();
  const QPointF first(Absolute(shape.X0, w), Absolute(shape.Y0, h));
  if (shape.Kind == MaskShape::Form::Linear && tool_ == Tool::Linear) {
    const QPointF second(Absolute(shape.X1, w), Absolute(shape.Y1, h));
    handles = {{Grip::Start, WidgetPoint(first)},
               {Grip::End, WidgetPoint(second)},
               {Grip::Move, WidgetPoint((first + second) / 2)}};
  } else if (shape.Kind == MaskShape::Form::Radial && tool_ == Tool::Radial) {
    const double rx = Absolute(shape.X1, w), ry = Absolute(shape.Y1, h);
    const double inner = 1 - double(shape.Feather) / kMaskUnit;
    handles = {{Grip::Centre, WidgetPoint(first)},
               {Grip::RadiusX, WidgetPoint(first + QPointF(rx, 0))},
               {Grip::RadiusY, WidgetPoint(first + QPointF(0, ry))},
               {Grip::Feather, WidgetPoint(first - QPointF(rx * inner, 0))}};
  }
  return handles;
}

PreviewView::Grip PreviewView::GripAt(QPointF at) const {
  Grip nearest = Grip::New;
  double best = kHandleGrip;
  for (const auto &[grip, place] : Handles()) {
    const double distance = std::hypot(place.x() - at.x(), place.y() - at.y());
    if (distance <= best) {
      best = distance;
      nearest = grip;
    }
  }
  return nearest;
}

void PreviewView::DragShape(QPointF at) {
  const int w = effect_->Width(), h = effect_->Height();
  const QPointF point = QPointF(PicturePoint(at)) / kSubpixel;
  const QPointF moved = point - gripFrom_;
  MaskShape shape = gripShape_;
  auto place = [&](std::int32_t &x, std::int32_t &y, QPointF p) {
    x = Relative(p.x(), w);
    y = Relative(p.y(), h);
  };
  const QPointF first(Absolute(shape.X0, w), Absolute(shape.Y0, h));
  const QPointF second(Absolute(shape.X1, w), Absolute(shape.Y1, h));
  switch (grip_) {
    case Grip::New:
      // A click alone draws nothing: the gradient starts once the pointer
      // has moved a few screen pixels.
      if (std::hypot(moved.x(), moved.y()) * scale_ < 3 * devicePixelRatioF()) return;
      shape.Invert = false;
      place(shape.X0, shape.Y0, gripFrom_);
      if (tool_ == Tool::Linear) {
        shape.Kind = MaskShape::Form::Linear;
        place(shape.X1, shape.Y1, point);
      } else {
        shape.Kind = MaskShape::Form::Radial;
        const double radius = std::hypot(moved.x(), moved.y());
        shape.X1 = Relative(radius, w, 1);
        shape.Y1 = Relative(radius, h, 1);
        shape.Feather = kMaskUnit / 2;
      }
      break;
    case Grip::Start:
      place(shape.X0, shape.Y0, first + moved);
      break;
    case Grip::End:
      place(shape.X1, shape.Y1, second + moved);
      break;
    case Grip::Move:
    case Grip::Centre:
      place(shape.X0, shape.Y0, first + moved);
      if (grip_ == Grip::Move) place(shape.X1, shape.Y1, second + moved);
      break;
    case Grip::RadiusX:
      shape.X1 = Relative(std::abs(point.x() - first.x()), w, 1);
      break;
    case Grip::RadiusY:
      shape.Y1 = Relative(std::abs(point.y() - first.y()), h, 1);
      break;
    case Grip::Feather: {
      const double inner =
          std::clamp(std::abs(first.x() - point.x()) / std::max(second.x(), 1e-9), 0.0, 1.0);
      shape.Feather = std::int32_t(std::lround((1 - inner) * kMaskUnit));
      break;
    }
    case Grip::None:
      return;
  }
  if (shape.Kind == MaskShape::Form::Linear && shape.X0 == shape.X1 && shape.Y0 == shape.Y1) return;
  if (shape == mask_.Base()) return;
  mask_.SetShape(shape);
  RefreshMask({0, 0, mask_.Width(), mask_.Height()});
}

void PreviewView::UpdateBrushCircle(QPointF at) {
  const bool brush = (tool_ == Tool::Brush || tool_ == Tool::Eraser) && original_;
  const double r = brushSize_ + 2;
  auto around = [r](QPointF p) {
    return QRectF(p.x() - r, p.y() - r, 2 * r, 2 * r).toAlignedRect().adjusted(-2, -2, 2, 2);
  };
  if (brushAt_) update(around(*brushAt_));
  brushAt_.reset();
  if (!brush) return;
  brushAt_ = at;
  update(around(at));
}

void PreviewView::PaintMaskTools(QPainter &painter) {
  painter.setRenderHint(QPainter::Antialiasing);
  if (brushAt_ && (tool_ == Tool::Brush || tool_ == Tool::Eraser)) {
    // The brush's reach, and its hard core within it.
    for (const QColor &color : {QColor(0, 0, 0, 160), QColor(255, 255, 255, 220)}) {
      painter.setPen(QPen(color, color.black() ? 3 : 1));
      painter.setBrush(Qt::NoBrush);
      painter.drawEllipse(*brushAt_, brushSize_, brushSize_);
    }
    if (hardness_ > 0 && hardness_ < 100) {
      QPen dashed(QColor(255, 255, 255, 180), 1, Qt::DashLine);
      painter.setPen(dashed);
      painter.drawEllipse(*brushAt_, brushSize_ * hardness_ / 100.0,
                          brushSize_ * hardness_ / 100.0);
    }
  }
  const auto handles = Handles();
  if (handles.empty()) return;
  const MaskShape &shape = mask_.Base();
  const QPen dark(QColor(0, 0, 0, 170), 3), light(QColor(255, 255, 255, 230), 1);
  auto both = [&](auto draw) {
    for (const QPen &pen : {dark, light}) {
      painter.setPen(pen);
      draw();
    }
  };
  painter.setBrush(Qt::NoBrush);
  if (shape.Kind == MaskShape::Form::Linear) {
    // The line between the ends, and across it at each end: full effect
    // beyond the first, none beyond the second.
    const QPointF a = handles[0].second, b = handles[1].second;
    const QPointF along = b - a;
    const double length = std::max(1e-9, std::hypot(along.x(), along.y()));
    const QPointF across = QPointF(-along.y(), along.x()) / length * double(width() + height());
    both([&] {
      painter.drawLine(a, b);
      painter.drawLine(a - across, a + across);
      painter.drawLine(b - across, b + across);
    });
  } else {
    const QPointF centre = handles[0].second;
    const double rx = handles[1].second.x() - centre.x(), ry = handles[2].second.y() - centre.y();
    const double inner = 1 - double(shape.Feather) / kMaskUnit;
    both([&] { painter.drawEllipse(centre, rx, ry); });
    QPen dashed(QColor(255, 255, 255, 200), 1, Qt::DashLine);
    painter.setPen(dashed);
    painter.drawEllipse(centre, rx * inner, ry * inner);
  }
  for (const auto &[grip, place] : handles) {
    painter.setPen(QPen(Qt::black, 1.5));
    painter.setBrush(grip == grip_ && drag_ == Drag::Shape ? QColor(255, 160, 0)
                                                           : QColor(Qt::white));
    painter.drawEllipse(place, kHandleRadius, kHandleRadius);
  }
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

void PreviewView::paintEvent(QPaintEvent *event) {
  QPainter painter(this);
  const QImage &pixels = ShownPixels();
  if (pixels.isNull()) return;
  const double ratio = devicePixelRatioF();
  // Only the part to be painted is converted for the screen: a dab
  // repaints its own few pixels.
  const QRect exposed =
      QRectF(QRectF(event->rect()).topLeft() * ratio, QRectF(event->rect()).size() * ratio)
          .toAlignedRect()
          .translated(-area_.topLeft()) &
      QRect(QPoint(0, 0), pixels.size());
  if (!exposed.isEmpty()) {
    QImage image =
        DisplayImage(exposed.size() == pixels.size() ? pixels : pixels.copy(exposed), space_);
    image.setDevicePixelRatio(ratio);
    painter.drawImage(
        QPointF((area_.left() + exposed.left()) / ratio, (area_.top() + exposed.top()) / ratio),
        image);
  }

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
    tag(QPointF(x - 4, 4), tr("Before"), Qt::AlignRight);
    tag(QPointF(x + 4, 4), tr("After"), Qt::AlignLeft);
  } else if (ShowsOriginal()) {
    tag(QPointF(4, 4), tr("Original"), Qt::AlignLeft);
  }
  tag(QPointF(4, height() - 20),
      QStringLiteral("%1 %").arg(scale_ * 100, 0, 'f', scale_ < 0.1 ? 1 : 0), Qt::AlignLeft);
  if (original_) PaintMaskTools(painter);
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
  const QPoint delta = event->angleDelta();
  const int steps = (delta.y() != 0 ? delta.y() : delta.x()) / 120;
  // With Ctrl the wheel sizes the brush, with Shift it sets its hardness.
  if (event->modifiers() & Qt::ControlModifier) {
    SetBrushSize(Stepped(brushSize_, steps));
    UpdateBrushCircle(event->position());
  } else if (event->modifiers() & Qt::ShiftModifier) {
    SetHardness(hardness_ + 10 * steps);
  } else if (steps != 0) {
    ZoomAbout(event->position(), steps);
  }
  event->accept();
}

bool PreviewView::NearDivider(QPointF at) const {
  return split_ && original_ && std::abs(at.x() - divider_ * width()) <= kDividerGrip;
}

void PreviewView::mousePressEvent(QMouseEvent *event) {
  const QPointF at = event->position();
  const bool painting = (tool_ == Tool::Brush || tool_ == Tool::Eraser) && original_;
  const bool shaping = (tool_ == Tool::Linear || tool_ == Tool::Radial) && original_;
  if (event->button() == Qt::RightButton) {
    emit OriginalHeld(true);
  } else if (event->button() == Qt::MiddleButton ||
             (event->button() == Qt::LeftButton && !painting && !shaping)) {
    drag_ = event->button() == Qt::LeftButton && NearDivider(at) ? Drag::Divider : Drag::Pan;
    dragFrom_ = at;
    if (drag_ == Drag::Pan) setCursor(Qt::ClosedHandCursor);
  } else if (event->button() == Qt::LeftButton && NearDivider(at)) {
    drag_ = Drag::Divider;
  } else if (event->button() == Qt::LeftButton && painting) {
    drag_ = Drag::Paint;
    const QPoint point = PicturePoint(at);
    RefreshMask(mask_.BeginStroke(point.x(), point.y(), CurrentBrush()));
    emit MaskChanged();
  } else if (event->button() == Qt::LeftButton && shaping) {
    drag_ = Drag::Shape;
    grip_ = GripAt(at);
    gripShape_ = mask_.Base();
    gripFrom_ = QPointF(PicturePoint(at)) / kSubpixel;
    mask_.BeginShapeEdit();
    update();
  }
  event->accept();
}

void PreviewView::leaveEvent(QEvent *event) {
  UpdateBrushCircle(QPointF());
  brushAt_.reset();
  QWidget::leaveEvent(event);
}

void PreviewView::mouseMoveEvent(QMouseEvent *event) {
  const QPointF at = event->position();
  UpdateBrushCircle(at);
  if (drag_ == Drag::Paint) {
    const QPoint point = PicturePoint(at);
    RefreshMask(mask_.StrokeTo(point.x(), point.y(), CurrentBrush()));
  } else if (drag_ == Drag::Shape) {
    DragShape(at);
  } else if (drag_ == Drag::Divider) {
    SetDivider(at.x() / std::max(1, width()));
  } else if (drag_ == Drag::Pan && effect_) {
    centre_ -= (at - dragFrom_) * devicePixelRatioF() / scale_;
    dragFrom_ = at;
    ClampCentre();
    sampled_ = false;
    update();
  } else if (tool_ == Tool::None || !original_) {
    setCursor(NearDivider(at) ? Qt::SplitHCursor : Qt::OpenHandCursor);
  } else {
    const bool onHandle = GripAt(at) != Grip::New;
    setCursor(NearDivider(at) ? Qt::SplitHCursor : onHandle ? Qt::SizeAllCursor : Qt::CrossCursor);
  }
  event->accept();
}

void PreviewView::mouseReleaseEvent(QMouseEvent *event) {
  if (event->button() == Qt::RightButton) emit OriginalHeld(false);
  if (event->button() == Qt::LeftButton || event->button() == Qt::MiddleButton) {
    const Drag ended = drag_;
    drag_ = Drag::None;
    if (ended == Drag::Paint) {
      mask_.EndStroke();
      emit MaskChanged();
    } else if (ended == Drag::Shape) {
      mask_.EndShapeEdit();
      grip_ = Grip::None;
      update();
      emit MaskChanged();
    }
    if (tool_ == Tool::None || !original_)
      setCursor(NearDivider(event->position()) ? Qt::SplitHCursor : Qt::OpenHandCursor);
  }
  event->accept();
}

}  // namespace qv
