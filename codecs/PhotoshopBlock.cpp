// The Photoshop image resources of APP13: the IPTC record (checked with
// libexiv2) and its neighbours (copyright flag, URL, caption digest, ...),
// kept whole except the thumbnails.

#include <exiv2/exiv2.hpp>

#include <exception>

#include "codecs/Metadata.h"

namespace qv {

namespace {

constexpr std::uint16_t kThumbnailResources[] = {0x0409, 0x040C};

std::uint32_t BigEndian(const std::uint8_t *p, int bytes) {
  std::uint32_t v = 0;
  for (int i = 0; i < bytes; ++i) v = v << 8 | p[i];
  return v;
}

}  // namespace

bool CheckPhotoshop(const Bytes &resources) {
  if (resources.empty()) return false;
  PrepareExiv2();
  try {
    const auto *data = resources.data();
    const long size = long(resources.size());
    if (!Exiv2::Photoshop::valid(data, size)) return false;
    const Exiv2::byte *record = nullptr;
    std::uint32_t head = 0, length = 0;
    const int found = Exiv2::Photoshop::locateIptcIrb(data, size, &record, &head, &length);
    if (found == 3) return true;  // no IPTC record: the other resources are kept
    Exiv2::IptcData iptc;
    return found == 0 && Exiv2::IptcParser::decode(iptc, record + head, length) == 0;
  } catch (const std::exception &) {
    return false;
  }
}

Bytes PhotoshopForOutput(const Bytes &resources) {
  // Each resource: signature (4), id (2), a Pascal name padded to an even
  // length, data size (4), data padded to an even length.
  Bytes out;
  std::size_t at = 0;
  const std::size_t size = resources.size();
  while (at + 6 < size) {
    const std::size_t start = at;
    const auto id = std::uint16_t(BigEndian(&resources[at + 4], 2));
    at += 6;
    at += (std::size_t(resources[at]) + 2) & ~std::size_t(1);
    if (at + 4 > size) return {};
    const std::size_t length = BigEndian(&resources[at], 4);
    at += 4;
    if (length > size - at) return {};
    at += std::min(length + (length & 1), size - at);
    bool thumbnail = false;
    for (std::uint16_t t : kThumbnailResources) thumbnail = thumbnail || id == t;
    if (!thumbnail)
      out.insert(out.end(), resources.begin() + std::ptrdiff_t(start),
                 resources.begin() + std::ptrdiff_t(at));
  }
  return out;
}

}  // namespace qv
