#pragma once

// Colours as people write them: six hex digits, red first ("FF8000" is
// orange), the form of the command line's --color and of the look files.

#include <optional>
#include <string>

#include "gfx/Color.h"

namespace qv {

// Upper-case digits.
std::string ColorText(TColor color);
// Six hex digits of either case; nullopt for anything else.
std::optional<TColor> ParseColorText(const std::string &text);

}  // namespace qv
