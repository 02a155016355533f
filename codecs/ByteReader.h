#pragma once

// Big-endian fields read one after another from bytes that may end too
// soon: a read past the end gives 0 and marks the reader as short, so a
// parser reads a whole structure and asks once whether it was all there.

#include <cstdint>
#include <span>

namespace qv {

class ByteReader {
 public:
  explicit ByteReader(std::span<const std::uint8_t> data) : data_(data) {}

  // A field of 1 to 8 bytes; 0 bytes read as 0 (absent fields of ISO boxes).
  std::uint64_t Unsigned(int bytes) {
    if (bytes < 0 || std::size_t(bytes) > Left()) {
      short_ = true;
      at_ = data_.size();
      return 0;
    }
    std::uint64_t v = 0;
    for (int i = 0; i < bytes; ++i) v = v << 8 | data_[at_++];
    return v;
  }
  std::uint8_t U8() { return std::uint8_t(Unsigned(1)); }
  std::uint16_t U16() { return std::uint16_t(Unsigned(2)); }
  std::uint32_t U32() { return std::uint32_t(Unsigned(4)); }
  std::uint64_t U64() { return Unsigned(8); }

  // The next count bytes (fewer when the data ends, which marks it short).
  std::span<const std::uint8_t> Take(std::uint64_t count) {
    if (count > Left()) {
      short_ = true;
      count = Left();
    }
    const std::span<const std::uint8_t> part = data_.subspan(at_, std::size_t(count));
    at_ += std::size_t(count);
    return part;
  }
  void Skip(std::uint64_t count) { Take(count); }

  std::size_t Left() const { return data_.size() - at_; }
  std::size_t At() const { return at_; }
  std::span<const std::uint8_t> Rest() const { return data_.subspan(at_); }
  // Whether some read wanted more than there was.
  bool Short() const { return short_; }

 private:
  std::span<const std::uint8_t> data_;
  std::size_t at_ = 0;
  bool short_ = false;
};

// Bits, most significant first, as video headers pack them; past the end
// every bit reads as 0 and the reader is marked short.
class BitReader {
 public:
  explicit BitReader(std::span<const std::uint8_t> data) : data_(data) {}

  std::uint64_t Bits(int count) {
    std::uint64_t v = 0;
    for (int i = 0; i < count; ++i) v = v << 1 | Bit();
    return v;
  }
  unsigned Bit() {
    if (bit_ >= data_.size() * 8) {
      short_ = true;
      return 0;
    }
    const unsigned b = data_[bit_ / 8] >> (7 - bit_ % 8) & 1;
    ++bit_;
    return b;
  }
  // Exp-Golomb code (HEVC's ue(v)); codes longer than 32 bits mark the
  // reader short.
  std::uint64_t ExpGolomb() {
    int zeros = 0;
    while (!Bit()) {
      if (short_ || ++zeros > 32) {
        short_ = true;
        return 0;
      }
    }
    return (std::uint64_t(1) << zeros) - 1 + Bits(zeros);
  }
  bool Short() const { return short_; }

 private:
  std::span<const std::uint8_t> data_;
  std::size_t bit_ = 0;
  bool short_ = false;
};

}  // namespace qv
