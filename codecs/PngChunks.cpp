#include "codecs/PngChunks.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <cstring>

#include "codecs/Metadata.h"

namespace qv {

namespace {

bool Is(const std::uint8_t *type, const char *name) {
  return std::memcmp(type, name, 4) == 0;
}

// How many bytes data inflates to, counting no further than cap + 1.
std::uint64_t InflatedSize(std::span<const std::uint8_t> data, std::uint64_t cap) {
  z_stream z{};
  if (inflateInit(&z) != Z_OK) return cap + 1;
  std::array<std::uint8_t, 1 << 16> scratch;
  z.next_in = const_cast<Bytef *>(data.data());
  z.avail_in = uInt(std::min<std::size_t>(data.size(), UINT32_MAX));
  std::uint64_t total = 0;
  for (int status = Z_OK; status == Z_OK && total <= cap;) {
    z.next_out = scratch.data();
    z.avail_out = uInt(scratch.size());
    status = inflate(&z, Z_NO_FLUSH);
    total += scratch.size() - z.avail_out;
    if (status == Z_BUF_ERROR && z.avail_out == scratch.size()) break;  // no progress
    if (status == Z_BUF_ERROR) status = Z_OK;
  }
  inflateEnd(&z);
  return total;
}

// The bytes after the first zero (the end of a keyword or name).
std::span<const std::uint8_t> AfterName(std::span<const std::uint8_t> body) {
  const auto end = std::find(body.begin(), body.end(), 0);
  return end == body.end() ? std::span<const std::uint8_t>()
                           : body.subspan(std::size_t(end - body.begin()) + 1);
}

// What libpng allocates for an ancillary chunk: its bytes, and for the
// compressed ones what they inflate to.
std::uint64_t MemoryFor(const std::uint8_t *type, std::span<const std::uint8_t> body) {
  std::span<const std::uint8_t> compressed;
  const std::span<const std::uint8_t> rest = AfterName(body);  // after the keyword
  if ((Is(type, "zTXt") || Is(type, "iCCP")) && !rest.empty()) compressed = rest.subspan(1);
  // iTXt: compression flag and method, language, translated keyword, text.
  if (Is(type, "iTXt") && rest.size() >= 2 && rest[0] == 1)
    compressed = AfterName(AfterName(rest.subspan(2)));
  return body.size() + (compressed.empty() ? 0 : InflatedSize(compressed, kMaxMetadataBlockBytes));
}

}  // namespace

PngChunkPlan PlanPngChunks(std::span<const std::uint8_t> file) {
  PngChunkPlan plan;
  if (file.size() < 8) {
    plan.Pieces.push_back(file);
    return plan;
  }
  plan.Pieces.push_back(file.first(8));
  std::uint64_t metadata = 0;
  std::size_t at = 8;
  while (at < file.size()) {
    const std::size_t left = file.size() - at;
    if (left < 8) {  // a header cut short: libpng says so
      plan.Pieces.push_back(file.subspan(at));
      break;
    }
    const std::uint8_t *head = &file[at];
    const std::uint64_t length = std::uint64_t(head[0]) << 24 | std::uint64_t(head[1]) << 16 |
                                 std::uint64_t(head[2]) << 8 | head[3];
    const std::uint8_t *type = head + 4;
    const bool ancillary = type[0] & 0x20;
    const bool whole = length + 12 <= left;
    if (Is(type, "IDAT")) plan.PictureBytes += std::min<std::uint64_t>(length, left - 8);
    if (!whole) {
      // Picture data that ends early is read as far as it goes; a cut
      // ancillary chunk is left out, and libpng finds the file ends there.
      if (!ancillary) plan.Pieces.push_back(file.subspan(at));
      plan.Cut = Is(type, "IDAT");
      break;
    }
    const std::span<const std::uint8_t> chunk = file.subspan(at, std::size_t(length) + 12);
    at += chunk.size();
    if (ancillary) {
      const std::uint64_t memory = MemoryFor(type, chunk.subspan(8, std::size_t(length)));
      if (memory > kMaxMetadataBlockBytes || metadata + memory > kMaxMetadataBytes) {
        plan.MetadataLeftOut = true;
        continue;
      }
      metadata += memory;
    }
    plan.Pieces.push_back(chunk);
    if (Is(type, "IEND")) break;
  }
  return plan;
}

bool PngPieceReader::Read(std::uint8_t *out, std::size_t count) {
  while (count > 0) {
    if (piece_ == pieces_.size()) return false;
    const std::span<const std::uint8_t> piece = pieces_[piece_];
    const std::size_t n = std::min(count, piece.size() - at_);
    std::memcpy(out, piece.data() + at_, n);
    out += n, count -= n, at_ += n;
    if (at_ == piece.size()) ++piece_, at_ = 0;
  }
  return true;
}

}  // namespace qv
