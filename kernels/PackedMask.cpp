#include "kernels/PackedMask.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>

#include "gfx/Bands.h"
#include "gfx/Bitmap.h"
#include "gfx/ContentHash.h"
#include "gfx/Error.h"

namespace qv {

namespace {

constexpr char kMagic[] = "QVMASK1\n";
constexpr std::size_t kMagicBytes = sizeof kMagic - 1;

int ChunkCount(int height) {
  return (height + PackedMask::kChunkRows - 1) / PackedMask::kChunkRows;
}

void PutNumber(std::vector<std::uint8_t> &out, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) out.push_back(std::uint8_t(value >> (8 * i)));
}

std::uint32_t NumberAt(std::span<const std::uint8_t> bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (int i = 0; i < 4; ++i) value |= std::uint32_t(bytes[at + std::size_t(i)]) << (8 * i);
  return value;
}

// Inflates one chunk into exactly `size` bytes; false if it is not that.
bool Inflate(const std::vector<std::uint8_t> &chunk, std::uint8_t *out, std::size_t size) {
  uLongf length = uLongf(size);
  return uncompress(out, &length, chunk.data(), uLong(chunk.size())) == Z_OK && length == size;
}

}  // namespace

PackedMask PackedMask::Pack(int width, int height, const MaskRowsFn &rows) {
  CheckPictureSize(width, height);
  PackedMask mask;
  mask.width_ = width;
  mask.height_ = height;
  mask.chunks_.resize(std::size_t(ChunkCount(height)));
  const std::size_t rowBytes = std::size_t(width);
  ForEachBand(height, kChunkRows, WorthSharing(rowBytes * std::size_t(height)),
              [&](int first, int last) {
                std::vector<std::uint8_t> raw(std::size_t(last - first) * rowBytes);
                rows(first, last, raw.data());
                std::vector<std::uint8_t> &chunk = mask.chunks_[std::size_t(first / kChunkRows)];
                uLongf length = compressBound(uLong(raw.size()));
                chunk.resize(length);
                // The fastest level: masks are long runs and smooth ramps.
                if (compress2(chunk.data(), &length, raw.data(), uLong(raw.size()), 1) != Z_OK)
                  throw std::bad_alloc();
                chunk.resize(length);
                chunk.shrink_to_fit();
              });
  return mask;
}

PackedMask PackedMask::FromPicture(const Bitmap &grey) {
  return Pack(grey.Width(), grey.Height(), [&grey](int first, int last, std::uint8_t *out) {
    for (int y = first; y < last; ++y) {
      const std::uint8_t *p = grey.ScanLine(y);
      for (int x = 0; x < grey.Width(); ++x, p += 3)
        *out++ = std::uint8_t((28 * p[0] + 151 * p[1] + 77 * p[2]) >> 8);
    }
  });
}

void PackedMask::Unpack(int first, int last, std::uint8_t *out) const {
  const std::size_t rowBytes = std::size_t(width_);
  for (int chunk = first / kChunkRows; chunk * kChunkRows < last; ++chunk) {
    const int top = chunk * kChunkRows, bottom = std::min(top + kChunkRows, height_);
    const std::size_t size = std::size_t(bottom - top) * rowBytes;
    std::uint8_t *target = out + std::size_t(top - first) * rowBytes;
    if (bottom <= last) {
      if (!Inflate(chunks_[std::size_t(chunk)], target, size))
        throw Error(QV_TEXT("The painted mask is damaged"));
    } else {
      // The band ends inside this chunk.
      std::vector<std::uint8_t> whole(size);
      if (!Inflate(chunks_[std::size_t(chunk)], whole.data(), size))
        throw Error(QV_TEXT("The painted mask is damaged"));
      std::memcpy(target, whole.data(), std::size_t(last - top) * rowBytes);
    }
  }
}

MaskRowsFn PackedMask::Rows() const {
  return [this](int first, int last, std::uint8_t *rows) { Unpack(first, last, rows); };
}

std::size_t PackedMask::PackedBytes() const {
  std::size_t bytes = 0;
  for (const auto &chunk : chunks_) bytes += chunk.size();
  return bytes;
}

std::uint64_t PackedMask::Hash() const {
  const std::vector<std::uint8_t> bytes = FileBytes();
  return ContentHash(bytes);
}

std::vector<std::uint8_t> PackedMask::FileBytes() const {
  std::vector<std::uint8_t> out(kMagic, kMagic + kMagicBytes);
  out.reserve(kMagicBytes + 12 + 4 * chunks_.size() + PackedBytes());
  PutNumber(out, std::uint32_t(width_));
  PutNumber(out, std::uint32_t(height_));
  PutNumber(out, std::uint32_t(chunks_.size()));
  for (const auto &chunk : chunks_) PutNumber(out, std::uint32_t(chunk.size()));
  for (const auto &chunk : chunks_) out.insert(out.end(), chunk.begin(), chunk.end());
  return out;
}

PackedMask PackedMask::Parse(std::span<const std::uint8_t> bytes) {
  const Error damaged(QV_TEXT("The painted mask is damaged"));
  if (bytes.size() < kMagicBytes + 12 || std::memcmp(bytes.data(), kMagic, kMagicBytes) != 0)
    throw Error(QV_TEXT("The painted mask is not a mask file"));
  PackedMask mask;
  const std::uint32_t width = NumberAt(bytes, kMagicBytes),
                      height = NumberAt(bytes, kMagicBytes + 4);
  const std::uint32_t count = NumberAt(bytes, kMagicBytes + 8);
  if (width == 0 || height == 0 || width > std::uint32_t(kMaxSide) ||
      height > std::uint32_t(kMaxSide))
    throw damaged;
  CheckPictureSize(width, height);
  mask.width_ = int(width);
  mask.height_ = int(height);
  if (count != std::uint32_t(ChunkCount(mask.height_))) throw damaged;
  std::size_t at = kMagicBytes + 12;
  if (bytes.size() < at + 4 * std::size_t(count)) throw damaged;
  std::vector<std::size_t> lengths(count);
  for (std::uint32_t i = 0; i < count; ++i, at += 4) lengths[i] = NumberAt(bytes, at);
  mask.chunks_.resize(count);
  std::vector<std::uint8_t> scratch(std::size_t(kChunkRows) * width);
  for (std::uint32_t i = 0; i < count; ++i) {
    if (lengths[i] > bytes.size() - at) throw damaged;
    mask.chunks_[i].assign(bytes.begin() + std::ptrdiff_t(at),
                           bytes.begin() + std::ptrdiff_t(at + lengths[i]));
    at += lengths[i];
    // Every chunk is checked now, so that a damaged file is found when it
    // is read rather than when the step is made again.
    const int rows = std::min(kChunkRows, mask.height_ - int(i) * kChunkRows);
    if (!Inflate(mask.chunks_[i], scratch.data(), std::size_t(rows) * width)) throw damaged;
  }
  if (at != bytes.size()) throw damaged;
  return mask;
}

}  // namespace qv
