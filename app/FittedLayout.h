#pragma once

// The main window with the fitted strip. The display and the strip share
// the column right of the tools, one above the other with a bar between
// them that the user drags; the strip takes `stripShare` of the height (so
// both grow with the window), never less than two rows of 105-pixel cells
// need, nor so much that the display is left less than a strip of its own.
// The category column and the tool column keep their widths and their
// whole height.

#include "app/ScreenLayout.h"

namespace qv {

inline constexpr double kDefaultStripShare = 0.41;
inline constexpr int kSplitterHeight = 6;
// The least the strip and the display are given.
inline constexpr int kLeastStripHeight = 279, kLeastDisplayHeight = 115;
// The narrowest window whose strip holds five 105-pixel cells across.
inline constexpr int kFittedMinClientWidth = 811;

MainLayout FittedLayoutForClient(int clientWidth, int clientHeight, double stripShare);

// The strip's share of the height once its top is dragged to `splitterTop`.
double StripShareFor(int clientHeight, int splitterTop);

}  // namespace qv
