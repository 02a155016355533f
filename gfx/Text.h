#pragma once

// Letter case of names the program compares: asset folders, category names,
// file extensions. ASCII only; other bytes compare as they are.

#include <algorithm>
#include <string>
#include <string_view>

namespace qv {

constexpr char LowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

inline std::string LowerAscii(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(), [](char c) { return LowerAscii(c); });
  return lower;
}

constexpr bool EqualCaseBlind(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return LowerAscii(x) == LowerAscii(y);
         });
}

}  // namespace qv
