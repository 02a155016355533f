#include "gfx/ColorText.h"

#include <cstdio>

namespace qv {

std::string ColorText(TColor color) {
  char text[8];
  std::snprintf(text, sizeof text, "%02X%02X%02X", unsigned(RedOf(color)), unsigned(GreenOf(color)),
                unsigned(BlueOf(color)));
  return text;
}

std::optional<TColor> ParseColorText(const std::string &text) {
  if (text.size() != 6) return std::nullopt;
  unsigned value = 0;
  for (char c : text) {
    const int digit = c >= '0' && c <= '9'   ? c - '0'
                      : c >= 'a' && c <= 'f' ? c - 'a' + 10
                      : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                             : -1;
    if (digit < 0) return std::nullopt;
    value = value * 16 + unsigned(digit);
  }
  return RGBColor(std::uint8_t(value >> 16), std::uint8_t(value >> 8), std::uint8_t(value));
}

}  // namespace qv
