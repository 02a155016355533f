#pragma once

// What the history calls its entries, for the Undo and Redo tooltips and
// the list of steps: "Light A 3", "Light A 3, strength 90 %",
// "Color 1, colour #FF8000", "Light A 3, strength 80 %, masked".

#include <vector>

#include <QString>

#include "kernels/Step.h"

namespace qv {

QString StepName(const Step &step);
// The first entry of a history: "Opened NAME".
QString OpenedName(const QString &documentName);

// What Save Look tells the user when steps of the look were brushed (their
// strokes stay with the photo; the effect and any gradient go into the
// look): "Brush strokes belong to their photo: the look keeps Light A 3
// without them." Empty when no step was brushed.
QString BrushesLeftOutNotice(const std::vector<Step> &steps);

}  // namespace qv
