#pragma once

// The engine's messages in the user's language. The engine keeps each
// message as its English template and arguments (gfx/Error.h); here the
// templates are looked up in the "Engine" catalog (translations/
// quorvane_engine_LANG.ts) and the arguments put in, each translated the
// same way unless it is verbatim (a file name, a number, a library's words).

#include <QString>

#include "gfx/Error.h"

namespace qv {

inline constexpr const char *kEngineContext = "Engine";

QString Translated(const Text &text);

}  // namespace qv
