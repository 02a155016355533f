#pragma once

// How every command reads its input picture and writes its results: the
// input upright, with its metadata, and damage reported as a warning line;
// the metadata written with each result unless --strip-metadata is given.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "cli/Commands.h"
#include "codecs/Codecs.h"

namespace qv::cli {

inline constexpr const char *kStripOption = "--strip-metadata";

// Removes every --strip-metadata from args; whether there was one.
bool TakeStripOption(Args &args);

// The picture in path. Damage that was worked around is reported as one
// line, "quorvane-fx: warning: <path>: ...", on standard error (WarnAbout).
DecodedPicture ReadInput(const std::string &path);
// The same for the bytes of path, already read.
DecodedPicture DecodeInput(std::span<const std::uint8_t> data, const std::string &path);
void WarnAbout(const std::string &path, const std::vector<Text> &warnings);

}  // namespace qv::cli
