// ICC profiles: the header's own checks. The profile is data for the
// display's colour conversion and is written back unchanged.

#include <cstring>

#include "codecs/Metadata.h"

namespace qv {

namespace {

constexpr std::size_t kHeaderBytes = 128;

std::uint32_t BigEndian32(const std::uint8_t *p) {
  return std::uint32_t(p[0]) << 24 | std::uint32_t(p[1]) << 16 | std::uint32_t(p[2]) << 8 | p[3];
}

}  // namespace

IccVerdict CheckIcc(Bytes &profile) {
  if (profile.size() < kHeaderBytes + 4) return IccVerdict::Damaged;
  const std::uint32_t declared = BigEndian32(profile.data());
  const std::uint32_t tags = BigEndian32(profile.data() + kHeaderBytes);
  if (declared < kHeaderBytes + 4 || declared > profile.size() ||
      std::memcmp(profile.data() + 36, "acsp", 4) != 0 || tags > (declared - kHeaderBytes - 4) / 12)
    return IccVerdict::Damaged;
  // Some writers pad the last chunk; the header knows the real size.
  profile.resize(declared);
  // The pixels are always RGB here: a grey or CMYK profile describes the
  // file's own samples, which were converted on reading.
  return std::memcmp(profile.data() + 16, "RGB ", 4) == 0 ? IccVerdict::Rgb
                                                          : IccVerdict::OtherColours;
}

}  // namespace qv
