#pragma once

// How a saved picture says it was made: the steps since it was first
// opened, as a look in its XMP (Quorvane's note "look", compact JSON),
// beside a fingerprint of the pixels the first step started from ("source").
// A picture edited again adds its new steps after those it carried.

#include <cstdint>
#include <optional>
#include <string>

#include "codecs/Picture.h"
#include "kernels/Look.h"

namespace qv {

struct MadeWith {
  Look Steps;                // named after nothing in particular: "" unless given
  std::string SourcePixels;  // ContentHash of the first picture, as HashText writes it
};

// The note in a picture's metadata, if it carries one that reads; a broken
// one is no note.
std::optional<MadeWith> MadeWithOf(const Metadata &meta);

// meta with the note set: `before` (what the opened picture carried, if
// anything) followed by `steps`, and the fingerprint of `before` or else of
// `opened`. A picture without steps keeps its metadata as it was; a note
// that does not fit the packet is left out.
Metadata WithMadeWith(const Metadata &meta, const std::optional<MadeWith> &before,
                      const std::vector<Step> &steps, const Bitmap &opened);

// The fingerprint of a picture's pixels.
std::string PixelsHash(const Bitmap &picture);

}  // namespace qv
