#pragma once

#include <QColor>
#include <QPalette>

#include "gfx/Color.h"

namespace qv {

// Colour values with the top bit set name system colours; the few the
// windows use map onto the palette's roles.
inline constexpr TColor clBtnFace = 0x8000000F;
inline constexpr TColor clBtnShadow = 0x80000010;
inline constexpr TColor clBtnHighlight = 0x80000014;
inline constexpr TColor clWindowText = 0x80000008;
inline constexpr TColor clOlive = 0x008080;

QColor ColorToQColor(TColor color, const QPalette &palette);

}  // namespace qv
