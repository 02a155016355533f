#pragma once

#include <QColor>

#include "gfx/Bitmap.h"

namespace qv {

// The artwork of the Undo button: a 38 x 30 picture of a curved arrow
// pointing back to the left, drawn in `arrow` over horizontal stripes of
// the two pale colours.
Bitmap PaintUndoArrow(const QColor &arrow, const QColor &stripe, const QColor &stripeAlt);
// The Redo button's: the same arrow mirrored, pointing forward to the right.
Bitmap PaintRedoArrow(const QColor &arrow, const QColor &stripe, const QColor &stripeAlt);

}  // namespace qv
