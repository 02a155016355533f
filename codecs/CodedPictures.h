#pragma once

// How large the pictures of an HEVC or AV1 stream are, read from its own
// headers, and how many pictures it starts: the decoders allocate what the
// stream says, whatever size the file around it declares.

#include <cstdint>
#include <span>
#include <vector>

namespace qv {

struct CodedPictures {
  std::int64_t Width = 0, Height = 0;  // the largest any header allows; 0 when none says
  std::int64_t Count = 0;              // pictures (HEVC) or frames (AV1) the data starts
};

// An item's data in pieces, one after another (its extents).
using DataPieces = std::vector<std::span<const std::uint8_t>>;

// HEVC as libheif hands it to libde265: the parameter sets of the hvcC
// box's arrays, then the item's NAL units, each after a 4-byte length.
CodedPictures HevcPictures(std::span<const std::uint8_t> hvcC, const DataPieces &data);
// AV1: the configuration OBUs of the av1C box, then the item's OBUs.
CodedPictures Av1Pictures(std::span<const std::uint8_t> av1C, const DataPieces &data);

}  // namespace qv
