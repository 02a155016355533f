#pragma once

// What decoding a HEIF or AVIF file's picture would cost, weighed from its
// structure before libheif is given it. Everything libheif builds the
// picture from (grid tiles, overlays and their inputs, derived and turned
// copies, the coded pictures as their own headers size them) and what the
// file keeps beside it (alpha, depth and other auxiliary pictures,
// thumbnails) counts against the budget of the picture the file declares:
//   - no item makes a larger picture than it declares (a coded picture may
//     exceed it by its coding blocks' padding);
//   - the coded pictures add up to at most 3 pictures of the declared size
//     and 4 megapixels besides; grids, overlays and transformed copies to
//     at most 5 and 4 megapixels;
//   - no item is built from itself, and none more than 16 steps deep.
// A decode within the budget stays under three times the declared
// picture's 24-bit bytes plus 64 MB.

#include <cstdint>
#include <span>

namespace qv {

// Throws qv::Error "Picture is too large (...)" for a declared picture
// beyond the pixel limit, "<format> image is not valid: <what> is too
// large ..." for one beyond its budget, naming what was too large.
void CheckHeifBudget(std::span<const std::uint8_t> file, const char *format);

}  // namespace qv
