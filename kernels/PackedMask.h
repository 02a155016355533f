#pragma once

// A mask painted on a photo, at the photo's size, kept compressed: its rows
// in chunks of kChunkRows, each deflated (zlib) on its own, so that it is
// packed and unpacked a chunk per band on every core and never needs to be
// whole in memory. A brushed step holds one; the recovery record keeps it
// in a file of its own beside the record. Masks compress well: a painted
// 24-megapixel mask takes a few hundred kilobytes rather than 24 MB.
//
// Its file form: "QVMASK1\n", the width and the height and the number of
// chunks as 32-bit little-endian numbers, each chunk's length the same
// way, then the chunks.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "kernels/Mask.h"

namespace qv {

class Bitmap;

class PackedMask {
 public:
  static constexpr int kChunkRows = 64;

  PackedMask() = default;
  // The mask whose rows `rows` gives, packed a chunk per band on every core.
  static PackedMask Pack(int width, int height, const MaskRowsFn &rows);
  // A grey picture as a mask: white is the full effect. A colour one is
  // taken by its grey, (28 B + 151 G + 77 R) >> 8.
  static PackedMask FromPicture(const Bitmap &grey);
  // Reads the file form back; throws Error for bytes that are not one.
  static PackedMask Parse(std::span<const std::uint8_t> bytes);
  std::vector<std::uint8_t> FileBytes() const;

  int Width() const { return width_; }
  int Height() const { return height_; }
  // Rows first to last - 1 into out, width bytes each; first must be a
  // multiple of kChunkRows. Throws Error if a chunk is damaged.
  void Unpack(int first, int last, std::uint8_t *out) const;
  // The whole mask's rows as a source for MaskedMix (whose bands must be
  // kChunkRows long).
  MaskRowsFn Rows() const;
  // The packed size, and a fingerprint of the mask.
  std::size_t PackedBytes() const;
  std::uint64_t Hash() const;

  friend bool operator==(const PackedMask &a, const PackedMask &b) {
    return a.width_ == b.width_ && a.height_ == b.height_ && a.chunks_ == b.chunks_;
  }

 private:
  int width_ = 0, height_ = 0;
  std::vector<std::vector<std::uint8_t>> chunks_;
};

}  // namespace qv
