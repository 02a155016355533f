#include "gfx/Error.h"

namespace qv {

std::string Text::English() const {
  if (verbatim_) return template_;
  std::string english;
  english.reserve(template_.size());
  for (size_t i = 0; i < template_.size(); ++i) {
    const char c = template_[i];
    const char next = i + 1 < template_.size() ? template_[i + 1] : '\0';
    const size_t index = size_t(next - '1');
    if (c == '%' && next >= '1' && next <= '9' && index < arguments_.size()) {
      english += arguments_[index].English();
      ++i;
    } else {
      english += c;
    }
  }
  return english;
}

}  // namespace qv
