#pragma once

#include <QColorSpace>
#include <QImage>
#include <QPointF>
#include <QWidget>

#include "gfx/PictureRef.h"

namespace qv {

// The preview's picture: the full-size render at any scale, beside or
// instead of the picture it was rendered from, at a strength from 0 to 100.
//
// Zoom (fit, 100 %, steps in and out about a point), pan, the split and the
// strength only change how the two shared pictures are shown: the view
// samples the part on screen from each once per change of scale, place or
// size, and mixes those samples again when the strength moves, so nothing
// is rendered again and a slider move costs a screenful of bytes.
//
// At 100 % a screen pixel is a picture pixel. Scales of 1 and more pick
// pixels (a zoomed pixel is a sharp square); smaller scales average.
class PreviewView : public QWidget {
  Q_OBJECT
 public:
  explicit PreviewView(QWidget *parent = nullptr);

  // The render and the picture it was rendered from. An original of
  // another size (an effect that renders nothing at full size) is left out:
  // there is then no before, no split and no strength.
  void SetPictures(PictureRef effect, PictureRef original);
  const PictureRef &Effect() const { return effect_; }
  const PictureRef &Original() const { return original_; }
  // The render as a bitmap (an empty one before the first).
  const Bitmap &Picture() const;

  // 0 to 100; values outside are brought into the range.
  void SetStrength(int strength);
  int Strength() const { return strength_; }
  // The picture at the strength chosen: the render or the original
  // themselves at 100 and 0, shared; a new picture between.
  PictureRef Mixed() const;

  // Zoom. Scale is in screen (device) pixels per picture pixel.
  void ZoomToFit();
  void ZoomToActual();
  void ZoomIn();
  void ZoomOut();
  // One step in (steps > 0) or out about `at` (in widget coordinates),
  // which keeps the picture point under it.
  void ZoomAbout(QPointF at, int steps);
  bool Fitting() const { return fit_; }
  double Scale() const { return scale_; }
  // The picture point at the centre of the view.
  QPointF Centre() const { return centre_; }

  // Before and after.
  void SetShowOriginal(bool on);
  bool ShowsOriginal() const { return holdOriginal_ && original_; }
  void SetSplit(bool on);
  bool Split() const { return split_; }
  // Where the split divides the view, 0 (left edge) to 1.
  double Divider() const { return divider_; }
  void SetDivider(double at);

  void SetColorSpace(const QColorSpace &space);
  const QColorSpace &ColorSpace() const { return space_; }

  // What the view shows, in screen pixels as the pictures hold them
  // (before any colour conversion), and where it lies in the widget, in
  // device pixels. For tests and screenshots.
  const QImage &ShownPixels();
  QRect ShownArea();
  // How often the pictures were sampled (zoom, pan and resize do; the
  // strength, the split and the original do not).
  int Samplings() const { return samplings_; }

 signals:
  // The scale changed (fit, steps, 100 %, a resize while fitting).
  void ZoomChanged(double scale);
  // The right mouse button was pressed (true) or released on the picture.
  void OriginalHeld(bool on);

 protected:
  void paintEvent(QPaintEvent *event) override;
  void resizeEvent(QResizeEvent *event) override;
  void wheelEvent(QWheelEvent *event) override;
  void mousePressEvent(QMouseEvent *event) override;
  void mouseMoveEvent(QMouseEvent *event) override;
  void mouseReleaseEvent(QMouseEvent *event) override;

 private:
  QSizeF DeviceSize() const;
  double FitScale() const;
  void SetScale(double scale, QPointF atDevice);
  void ClampCentre();
  // The picture's place in device pixels, at the current scale and centre.
  QRectF PictureArea() const;
  void Resample();
  void Remix();
  bool NearDivider(QPointF at) const;

  PictureRef effect_, original_;
  int strength_ = 100;
  QColorSpace space_;
  bool fit_ = true;
  double scale_ = 1;
  QPointF centre_;
  bool holdOriginal_ = false;
  bool split_ = false;
  double divider_ = 0.5;

  // Samples of the part on screen, RGB32, and their mix.
  bool sampled_ = false;
  QRect area_;  // device pixels
  QImage effectSample_, originalSample_, mixed_, shown_;
  bool mixedValid_ = false;
  int samplings_ = 0;

  enum class Drag { None, Pan, Divider } drag_ = Drag::None;
  QPointF dragFrom_;
};

}  // namespace qv
