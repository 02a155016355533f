#pragma once

// The metadata segments of a JPEG stream: APP1 (EXIF, XMP, extended XMP),
// APP2 (ICC profile chunks), APP13 (Photoshop resources) and COM. They are
// collected while libjpeg reads the header, within a fixed budget, and
// written back after the JFIF header by the encoder.

#include <string>
#include <vector>

#include "codecs/JpegErrorManager.h"
#include "codecs/Picture.h"

namespace qv {

struct JpegSegment {
  int Marker = 0;  // JPEG_APP0 + n or JPEG_COM
  Bytes Data;      // the payload, after the length
};

struct JpegSegments {
  std::vector<JpegSegment> Kept;
  std::size_t Bytes = 0;
  bool OverBudget = false;  // some segments were skipped for the budget
};

// Makes libjpeg hand the metadata segments of the stream to segments while
// it reads the header. cinfo->client_data is taken for it.
void CollectMetadataSegments(jpeg_decompress_struct &cinfo, JpegSegments &segments);

// The metadata blocks the segments hold; ICC and extended XMP chunks are put
// back together. A block that cannot be (missing or inconsistent chunks) is
// left out and named in warnings.
Metadata AssembleMetadata(const JpegSegments &segments, std::vector<Text> &warnings);

// meta as the segments that carry it, for jpeg_write_marker between
// jpeg_start_compress and the first row. A block too large for the
// segments it goes in is left out.
std::vector<JpegSegment> MetadataSegments(const Metadata &meta);

}  // namespace qv
