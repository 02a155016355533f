#pragma once

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include <QColorSpace>
#include <QImage>
#include <QPointF>
#include <QWidget>

#include "gfx/PictureRef.h"
#include "preview/MaskEditor.h"

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
//
// The mask (MaskEditor.h) decides where the effect goes. With the Brush or
// the Eraser the left button paints (the middle button pans); with a
// gradient tool it draws a gradient, or moves the one there by its
// handles. The mask shown is the picture's own, picked at the pixel under
// each screen pixel and mixed exactly as Apply mixes; a dab mixes again
// only the screen pixels it touched.
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

  // --- The mask and the tools that make it.
  enum class Tool { None, Brush, Eraser, Linear, Radial };
  MaskEditor &Mask() { return mask_; }
  const MaskEditor &Mask() const { return mask_; }
  void SetTool(Tool tool);
  Tool CurrentTool() const { return tool_; }
  // The brush: its radius in screen pixels (2 to 500); hardness and flow in
  // per cent. Values outside are brought into the range.
  void SetBrushSize(int radius);
  int BrushSize() const { return brushSize_; }
  void SetHardness(int hardness);
  int Hardness() const { return hardness_; }
  void SetFlow(int flow);
  int Flow() const { return flow_; }
  // The mask as a red tint over the picture where the effect goes.
  void SetShowMask(bool on);
  bool ShowsMask() const { return showMask_; }
  void InvertMask();
  void ClearMask();
  void UndoMask();
  void RedoMask();
  // A new mask for a picture of the render's size: nothing held back.
  void ResetMask();
  // The mask's value the view shows at a screen pixel (device pixels in
  // the area shown), for tests.
  int ShownMaskAt(QPoint device);

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
  // The mask was edited, undone or redone.
  void MaskChanged();
  // The brush's size or hardness changed by key or wheel.
  void BrushChanged();

 protected:
  void paintEvent(QPaintEvent *event) override;
  void resizeEvent(QResizeEvent *event) override;
  void wheelEvent(QWheelEvent *event) override;
  void mousePressEvent(QMouseEvent *event) override;
  void mouseMoveEvent(QMouseEvent *event) override;
  void mouseReleaseEvent(QMouseEvent *event) override;
  void leaveEvent(QEvent *event) override;

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

  // Mask: the picture point under a widget point, in sixteenths of a pixel.
  QPoint PicturePoint(QPointF at) const;
  QPointF WidgetPoint(QPointF picture) const;
  std::int32_t BrushRadius() const;
  MaskEditor::Brush CurrentBrush() const;
  // Samples the mask again and mixes again the screen pixels over the
  // picture's pixels `changed` (all of them for the whole mask).
  void RefreshMask(const Rect &changed);
  void RefreshWholeMask();
  void MixArea(int left, int top, int right, int bottom);
  // The gradient's handles, in widget coordinates, and the one at a point.
  enum class Grip { None, New, Start, End, Move, Centre, RadiusX, RadiusY, Feather };
  std::vector<std::pair<Grip, QPointF>> Handles() const;
  Grip GripAt(QPointF at) const;
  void DragShape(QPointF at);
  void PaintMaskTools(QPainter &painter);
  void UpdateBrushCircle(QPointF at);

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

  enum class Drag { None, Pan, Divider, Paint, Shape } drag_ = Drag::None;
  QPointF dragFrom_;

  MaskEditor mask_;
  Tool tool_ = Tool::None;
  int brushSize_ = 40, hardness_ = 50, flow_ = 100;
  bool showMask_ = false;
  // The picture pixel each column and row of the area shown picks, and the
  // mask's values there.
  std::vector<int> columns_, rows_;
  std::vector<std::uint8_t> maskSample_;
  bool maskSampled_ = false;
  // A gradient drag: which handle, and the shape and point it started from.
  Grip grip_ = Grip::None;
  MaskShape gripShape_;
  QPointF gripFrom_;
  // Where the brush's circle is drawn (widget), when the pointer is over it.
  std::optional<QPointF> brushAt_;
};

}  // namespace qv
