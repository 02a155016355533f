#pragma once

#include <stdexcept>
#include <string>

namespace qv {

// The one exception type of the engine. Its message is the text the user
// sees in the message box or on the command line, so it is always complete.
class Error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Builds an Error from a printf-style format, the way the messages are
// written down ("Cannot open file %s", "JPEG error #%d").
[[nodiscard]] Error MakeError(const char *format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace qv
