#pragma once

// What the history calls its entries, for the Undo and Redo tooltips and
// the list of steps: "Light A 3", "Light A 3, strength 90 %",
// "Color 1, colour #FF8000".

#include <QString>

#include "kernels/Step.h"

namespace qv {

QString StepName(const Step &step);
// The first entry of a history: "Opened NAME".
QString OpenedName(const QString &documentName);

}  // namespace qv
