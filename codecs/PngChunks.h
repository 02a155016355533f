#pragma once

// The chunks of a PNG file walked before libpng reads them, and what libpng
// is given of them. libpng 1.6.39 allocates the length a text chunk
// declares (tEXt, zTXt, iTXt, sPLT, pCAL) before it reads it, whatever
// png_set_chunk_malloc_max says, so a few kilobytes declaring a 1.8 GB
// chunk cost 1.8 GB; and it keeps every text it has read. So libpng only
// sees the ancillary chunks that lie whole in the file and fit the
// metadata limits (16 MB each, decompressed, and 64 MB in all); the others
// are left out, said once as a warning where they fitted in the file.

#include <cstdint>
#include <span>
#include <vector>

namespace qv {

struct PngChunkPlan {
  // What libpng reads, one piece after the other: the signature and the
  // chunks kept.
  std::vector<std::span<const std::uint8_t>> Pieces;
  std::uint64_t PictureBytes = 0;  // of the IDAT chunks, as far as they are present
  bool Cut = false;                // the picture data runs past the end of the file
  bool MetadataLeftOut = false;    // whole ancillary chunks beyond the limits
};

PngChunkPlan PlanPngChunks(std::span<const std::uint8_t> file);

// The pieces of a plan read one after another, as libpng's read callback
// asks for them.
class PngPieceReader {
 public:
  explicit PngPieceReader(const PngChunkPlan &plan) : pieces_(plan.Pieces) {}
  // Copies count bytes; false when the pieces end first.
  bool Read(std::uint8_t *out, std::size_t count);

 private:
  const std::vector<std::span<const std::uint8_t>> &pieces_;
  std::size_t piece_ = 0, at_ = 0;
};

}  // namespace qv
