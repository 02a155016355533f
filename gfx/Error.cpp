#include "gfx/Error.h"

namespace qv {

std::string Text::English() const {
  if (verbatim_) return template_;
  return Fill(template_, [](const Text &argument) { return argument.English(); });
}

std::string Text::Fill(std::string_view form,
                       const std::function<std::string(const Text &)> &say) const {
  std::string filled;
  filled.reserve(form.size());
  for (size_t i = 0; i < form.size(); ++i) {
    const char c = form[i];
    const char next = i + 1 < form.size() ? form[i + 1] : '\0';
    const size_t index = size_t(next - '1');
    if (c == '%' && next >= '1' && next <= '9' && index < arguments_.size()) {
      filled += say(arguments_[index]);
      ++i;
    } else {
      filled += c;
    }
  }
  return filled;
}

}  // namespace qv
