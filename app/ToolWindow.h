#pragma once

#include <algorithm>

#include <QScreen>
#include <QWidget>

namespace qv {

// Shows a tool window of the main window in front: the first time (placed
// false) at `at`, moved as far as needed to lie within the main window's
// screen; from then on where the user leaves it.
inline void ShowToolWindow(QWidget &window, bool &placed, QPoint at) {
  if (!placed && window.parentWidget()) {
    placed = true;
    if (const QScreen *screen = window.parentWidget()->screen()) {
      const QRect free = screen->availableGeometry();
      const int w = window.width(), h = window.height();
      at.setX(std::clamp(at.x(), free.left(), std::max(free.left(), free.right() - w)));
      at.setY(std::clamp(at.y(), free.top(), std::max(free.top(), free.bottom() - h)));
    }
    window.move(at);
  }
  window.show();
  window.raise();
  window.activateWindow();
}

}  // namespace qv
