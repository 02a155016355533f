#pragma once

#include <functional>

#include <QRect>

#include "kernels/Step.h"

namespace qv {

// What the preview dialog asks of the window that owns the working picture.
class PreviewHost {
 public:
  virtual ~PreviewHost() = default;

  // Apply: the render shown, at `strength` (0 to 100) and through `mask`,
  // becomes the working picture and a new step of the history (the steps
  // Redo would have gone to are dropped), the main display shows it and the
  // strip is emptied.
  virtual void ApplyPreview(int strength, const StepMask &mask) = 0;
  // Change Color: renders the thumbnail clicked last, of the category chosen
  // last, again at full size, asking for a colour wherever the effect has one.
  virtual void RenderWithPickedColor() = 0;
  // Cancel, Esc or the close box while a render runs: the render stops and
  // every picture stays as it was.
  virtual void CancelRender() = 0;
  // Runs a click handler; a failure is reported to the user, not thrown.
  virtual void Guard(const std::function<void()> &handler) = 0;
  // Where on the screen the dialog may open without covering the controls:
  // the main display, in global coordinates.
  virtual QRect PreviewArea() const = 0;
};

}  // namespace qv
