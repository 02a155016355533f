#include "codecs/JpegMarkers.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <new>
#include <string_view>
#include <utility>

#include "codecs/Metadata.h"

namespace qv {

namespace {

constexpr std::string_view kExifId("Exif\0\0", 6);
constexpr std::string_view kXmpId("http://ns.adobe.com/xap/1.0/\0", 29);
constexpr std::string_view kExtendedXmpId("http://ns.adobe.com/xmp/extension/\0", 35);
constexpr std::string_view kIccId("ICC_PROFILE\0", 12);
constexpr std::string_view kPhotoshopId("Photoshop 3.0\0", 14);
constexpr std::size_t kGuidBytes = 32;
constexpr std::size_t kExtendedHeadBytes = kExtendedXmpId.size() + kGuidBytes + 8;
// A segment holds at most 65533 bytes after its length field.
constexpr std::size_t kSegmentBytes = 65533;
// What writers use per extended XMP chunk, leaving room for the header.
constexpr std::size_t kExtendedChunkBytes = 65400;

bool StartsWith(const Bytes &data, std::string_view id) {
  return data.size() >= id.size() && std::memcmp(data.data(), id.data(), id.size()) == 0;
}

std::uint32_t BigEndian32(const std::uint8_t *p) {
  return std::uint32_t(p[0]) << 24 | std::uint32_t(p[1]) << 16 | std::uint32_t(p[2]) << 8 | p[3];
}

void PutBigEndian32(Bytes &out, std::uint32_t v) {
  out.insert(out.end(),
             {std::uint8_t(v >> 24), std::uint8_t(v >> 16), std::uint8_t(v >> 8), std::uint8_t(v)});
}

// --- reading -----------------------------------------------------------------

int NextByte(j_decompress_ptr cinfo) {
  jpeg_source_mgr *src = cinfo->src;
  // The memory source never suspends: at the end it supplies an end marker.
  if (src->bytes_in_buffer == 0 && !(*src->fill_input_buffer)(cinfo))
    AbortJpeg(reinterpret_cast<j_common_ptr>(cinfo), QV_TEXT("JPEG stream ended inside a segment"));
  --src->bytes_in_buffer;
  return *src->next_input_byte++;
}

// libjpeg's marker processor for the kept segments. Nothing with a
// destructor lives in this frame: a library error jumps out of it.
boolean KeepSegment(j_decompress_ptr cinfo) {
  auto &segments = *static_cast<JpegSegments *>(cinfo->client_data);
  long length = long(NextByte(cinfo)) << 8;
  length += NextByte(cinfo);
  length = std::max(length - 2, 0L);
  if (segments.Bytes + std::size_t(length) > kMaxMetadataBytes) {
    segments.OverBudget = true;
    if (length > 0) (*cinfo->src->skip_input_data)(cinfo, length);
    return TRUE;
  }
  bool outOfMemory = false;
  try {
    segments.Kept.push_back({cinfo->unread_marker, {}});
    segments.Kept.back().Data.resize(std::size_t(length));
  } catch (const std::bad_alloc &) {
    outOfMemory = true;
  }
  if (outOfMemory) AbortJpeg(reinterpret_cast<j_common_ptr>(cinfo), QV_TEXT("Out of memory"));
  segments.Bytes += std::size_t(length);
  std::uint8_t *to = segments.Kept.back().Data.data();
  jpeg_source_mgr *src = cinfo->src;
  for (long left = length; left > 0;) {
    if (src->bytes_in_buffer == 0) {
      *to++ = std::uint8_t(NextByte(cinfo));
      --left;
      continue;
    }
    const std::size_t n = std::min(src->bytes_in_buffer, std::size_t(left));
    std::memcpy(to, src->next_input_byte, n);
    to += n, left -= long(n);
    src->next_input_byte += n, src->bytes_in_buffer -= n;
  }
  return TRUE;
}

struct ExtendedChunk {
  std::uint32_t Total, Offset;
  const std::uint8_t *Data;
  std::size_t Size;
};

// The extended XMP packet that the main packet names, put together from its
// chunks; empty (and a warning) when chunks are missing or disagree.
Bytes AssembleExtendedXmp(const std::map<std::string, std::vector<ExtendedChunk>> &byGuid,
                          const Bytes &xmp, std::string &guid, std::vector<Text> &warnings) {
  const std::string_view packet(reinterpret_cast<const char *>(xmp.data()), xmp.size());
  for (const auto &[candidate, chunks] : byGuid) {
    // A packet the main one does not name is one no reader would use.
    if (packet.find(candidate) == std::string_view::npos) continue;
    std::vector<ExtendedChunk> sorted = chunks;
    std::sort(sorted.begin(), sorted.end(),
              [](const ExtendedChunk &a, const ExtendedChunk &b) { return a.Offset < b.Offset; });
    const std::uint32_t total = sorted[0].Total;
    std::size_t end = 0;
    bool whole = total <= kMaxMetadataBlockBytes;
    for (const ExtendedChunk &c : sorted) {
      whole = whole && c.Total == total && c.Offset == end;
      end += c.Size;
    }
    if (!whole || end != total) {
      warnings.push_back(QV_TEXT("its extended XMP block is incomplete and was left out"));
      return {};
    }
    Bytes joined;
    joined.reserve(total);
    for (const ExtendedChunk &c : sorted) joined.insert(joined.end(), c.Data, c.Data + c.Size);
    guid = candidate;
    return joined;
  }
  return {};
}

// The profile from its numbered chunks (1 to count, each once).
Bytes AssembleIcc(const std::vector<const Bytes *> &chunks, std::vector<Text> &warnings) {
  if (chunks.empty()) return {};
  const int count = (*chunks[0])[kIccId.size() + 1];
  std::vector<const Bytes *> bySequence(std::size_t(count) + 1, nullptr);
  std::size_t total = 0;
  bool whole = count > 0;
  for (const Bytes *chunk : chunks) {
    const int sequence = (*chunk)[kIccId.size()];
    if ((*chunk)[kIccId.size() + 1] != count || sequence < 1 || sequence > count ||
        bySequence[std::size_t(sequence)]) {
      whole = false;
      break;
    }
    bySequence[std::size_t(sequence)] = chunk;
    total += chunk->size() - kIccId.size() - 2;
  }
  whole = whole && int(chunks.size()) == count && total <= kMaxMetadataBlockBytes;
  if (!whole) {
    warnings.push_back(QV_TEXT("its colour profile is incomplete and was left out"));
    return {};
  }
  Bytes profile;
  profile.reserve(total);
  for (int i = 1; i <= count; ++i)
    profile.insert(profile.end(), bySequence[std::size_t(i)]->begin() + kIccId.size() + 2,
                   bySequence[std::size_t(i)]->end());
  return profile;
}

// --- writing -----------------------------------------------------------------

void Add(std::vector<JpegSegment> &out, int marker, std::string_view id, const std::uint8_t *data,
         std::size_t size, const Bytes &extra = {}) {
  Bytes payload(id.begin(), id.end());
  payload.insert(payload.end(), extra.begin(), extra.end());
  payload.insert(payload.end(), data, data + size);
  out.push_back({marker, std::move(payload)});
}

}  // namespace

void CollectMetadataSegments(jpeg_decompress_struct &cinfo, JpegSegments &segments) {
  cinfo.client_data = &segments;
  for (int marker : {JPEG_APP0 + 1, JPEG_APP0 + 2, JPEG_APP0 + 13, JPEG_COM})
    jpeg_set_marker_processor(&cinfo, marker, KeepSegment);
}

Metadata AssembleMetadata(const JpegSegments &segments, std::vector<Text> &warnings) {
  Metadata meta;
  std::map<std::string, std::vector<ExtendedChunk>> extended;
  std::vector<const Bytes *> icc;
  for (const JpegSegment &segment : segments.Kept) {
    const Bytes &d = segment.Data;
    if (segment.Marker == JPEG_COM) {
      meta.Comments.emplace_back(d.begin(), d.end());
    } else if (segment.Marker == JPEG_APP0 + 1 && StartsWith(d, kExifId)) {
      if (meta.Exif.empty()) meta.Exif.assign(d.begin() + kExifId.size(), d.end());
    } else if (segment.Marker == JPEG_APP0 + 1 && StartsWith(d, kXmpId)) {
      if (meta.Xmp.empty()) meta.Xmp.assign(d.begin() + kXmpId.size(), d.end());
    } else if (segment.Marker == JPEG_APP0 + 1 && StartsWith(d, kExtendedXmpId) &&
               d.size() >= kExtendedHeadBytes) {
      const std::uint8_t *head = d.data() + kExtendedXmpId.size();
      const std::string guid(head, head + kGuidBytes);
      extended[guid].push_back({BigEndian32(head + kGuidBytes), BigEndian32(head + kGuidBytes + 4),
                                d.data() + kExtendedHeadBytes, d.size() - kExtendedHeadBytes});
    } else if (segment.Marker == JPEG_APP0 + 2 && StartsWith(d, kIccId) &&
               d.size() >= kIccId.size() + 2) {
      icc.push_back(&d);
    } else if (segment.Marker == JPEG_APP0 + 13 && StartsWith(d, kPhotoshopId)) {
      // A long resource block continues in the next APP13 segment.
      if (meta.Photoshop.size() + d.size() <= kMaxMetadataBlockBytes)
        meta.Photoshop.insert(meta.Photoshop.end(), d.begin() + kPhotoshopId.size(), d.end());
    }
  }
  meta.ExtendedXmp = AssembleExtendedXmp(extended, meta.Xmp, meta.ExtendedXmpGuid, warnings);
  meta.Icc = AssembleIcc(icc, warnings);
  if (segments.OverBudget)
    warnings.push_back(QV_TEXT("some of its metadata was too large and was left out"));
  return meta;
}

std::vector<JpegSegment> MetadataSegments(const Metadata &meta) {
  std::vector<JpegSegment> out;
  if (!meta.Exif.empty() && kExifId.size() + meta.Exif.size() <= kSegmentBytes)
    Add(out, JPEG_APP0 + 1, kExifId, meta.Exif.data(), meta.Exif.size());
  if (!meta.Xmp.empty() && kXmpId.size() + meta.Xmp.size() <= kSegmentBytes) {
    Add(out, JPEG_APP0 + 1, kXmpId, meta.Xmp.data(), meta.Xmp.size());
    const std::size_t total = meta.ExtendedXmp.size();
    if (meta.ExtendedXmpGuid.size() == kGuidBytes)
      for (std::size_t offset = 0; offset < total; offset += kExtendedChunkBytes) {
        Bytes head(meta.ExtendedXmpGuid.begin(), meta.ExtendedXmpGuid.end());
        PutBigEndian32(head, std::uint32_t(total));
        PutBigEndian32(head, std::uint32_t(offset));
        Add(out, JPEG_APP0 + 1, kExtendedXmpId, meta.ExtendedXmp.data() + offset,
            std::min(kExtendedChunkBytes, total - offset), head);
      }
  }
  const std::size_t iccChunk = kSegmentBytes - kIccId.size() - 2;
  const std::size_t iccCount = (meta.Icc.size() + iccChunk - 1) / iccChunk;
  if (iccCount <= 255)
    for (std::size_t i = 0; i < iccCount; ++i)
      Add(out, JPEG_APP0 + 2, kIccId, meta.Icc.data() + i * iccChunk,
          std::min(iccChunk, meta.Icc.size() - i * iccChunk),
          {std::uint8_t(i + 1), std::uint8_t(iccCount)});
  const std::size_t photoshopChunk = kSegmentBytes - kPhotoshopId.size();
  for (std::size_t offset = 0; offset < meta.Photoshop.size(); offset += photoshopChunk)
    Add(out, JPEG_APP0 + 13, kPhotoshopId, meta.Photoshop.data() + offset,
        std::min(photoshopChunk, meta.Photoshop.size() - offset));
  for (const std::string &comment : meta.Comments)
    Add(out, JPEG_COM, "", reinterpret_cast<const std::uint8_t *>(comment.data()),
        std::min(comment.size(), kSegmentBytes));
  return out;
}

}  // namespace qv
