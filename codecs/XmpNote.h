#pragma once

// Quorvane's own note in a picture's XMP: text properties in the namespace
// http://ns.quorvane.org/1.0/ (prefix "quorvane"), kept beside whatever
// else the packet holds.

#include <optional>
#include <string>

#include "codecs/Picture.h"

namespace qv {

inline constexpr const char *kQuorvaneXmpNamespace = "http://ns.quorvane.org/1.0/";

// The packet with property `name` set to `value` (a new packet where there
// is none). Empty when the packet is broken or the result would not fit in
// one JPEG segment; the caller then leaves its note out.
Bytes XmpWithNote(const Bytes &xmp, const std::string &name, const std::string &value);
// The property's text, if the packet holds it.
std::optional<std::string> XmpNote(const Bytes &xmp, const std::string &name);

}  // namespace qv
