// Baseline JFIF encoding straight from the Bitmap's BGR rows.

#include <cstdlib>
#include <cstring>
#include <vector>

#include "codecs/Codecs.h"
#include "codecs/JpegErrorManager.h"
#include "codecs/JpegMarkers.h"
#include "gfx/Error.h"

namespace qv {

namespace {

// A growing malloc'd buffer that we own throughout. libjpeg's own memory
// destination leaves its newest buffer unreachable when an error stops the
// encoder midway, so it would leak on every failed save.
struct MemoryDestination {
  jpeg_destination_mgr pub;
  std::uint8_t *data = nullptr;
  std::size_t capacity = 0;
  std::size_t size = 0;
};

constexpr std::size_t kFirstBufferBytes = 64 * 1024;

MemoryDestination &DestinationOf(j_compress_ptr cinfo) {
  return *reinterpret_cast<MemoryDestination *>(cinfo->dest);
}

void StartBuffer(j_compress_ptr cinfo) {
  MemoryDestination &dest = DestinationOf(cinfo);
  if (!dest.data) {
    dest.data = static_cast<std::uint8_t *>(std::malloc(kFirstBufferBytes));
    if (!dest.data) AbortJpeg(reinterpret_cast<j_common_ptr>(cinfo), "Out of memory");
    dest.capacity = kFirstBufferBytes;
  }
  dest.pub.next_output_byte = dest.data;
  dest.pub.free_in_buffer = dest.capacity;
}

boolean GrowBuffer(j_compress_ptr cinfo) {
  MemoryDestination &dest = DestinationOf(cinfo);
  // libjpeg calls this only when the buffer is full.
  const std::size_t used = dest.capacity;
  auto *grown = static_cast<std::uint8_t *>(std::realloc(dest.data, used * 2));
  if (!grown) AbortJpeg(reinterpret_cast<j_common_ptr>(cinfo), "Out of memory");
  dest.data = grown;
  dest.capacity = used * 2;
  dest.pub.next_output_byte = grown + used;
  dest.pub.free_in_buffer = dest.capacity - used;
  return TRUE;
}

void FinishBuffer(j_compress_ptr cinfo) {
  MemoryDestination &dest = DestinationOf(cinfo);
  dest.size = dest.capacity - dest.pub.free_in_buffer;
}

struct Compressor {
  jpeg_compress_struct cinfo;
  JpegErrorManager errors;
  MemoryDestination dest;
  bool created = false;

  Compressor() {
    std::memset(&cinfo, 0, sizeof cinfo);
    std::memset(&dest.pub, 0, sizeof dest.pub);
    cinfo.err = InstallJpegErrorManager(errors);
    dest.pub.init_destination = StartBuffer;
    dest.pub.empty_output_buffer = GrowBuffer;
    dest.pub.term_destination = FinishBuffer;
  }
  ~Compressor() {
    if (created) jpeg_destroy_compress(&cinfo);
    std::free(dest.data);
  }
  Compressor(const Compressor &) = delete;
  Compressor &operator=(const Compressor &) = delete;
};

}  // namespace

Bytes EncodeJpeg(const Bitmap &bitmap, int quality, const Metadata &meta) {
  // libjpeg's own limit is 65500 (JPEG_MAX_DIMENSION); say so before any
  // byte is written, rather than with its bare error number.
  if (bitmap.Width() > kMaxJpegSide || bitmap.Height() > kMaxJpegSide)
    throw MakeError(
        "Picture is too large for a JPEG file (%d x %d pixels): JPEG holds at most 65,500 pixels "
        "a side; save it as BMP, which can hold it",
        bitmap.Width(), bitmap.Height());
  const std::vector<JpegSegment> segments = MetadataSegments(meta);
  Compressor c;
  jpeg_compress_struct *cinfo = &c.cinfo;
  RunJpeg(c.errors, [&] {
    jpeg_create_compress(cinfo);
    c.created = true;
    cinfo->dest = &c.dest.pub;
    cinfo->image_width = JDIMENSION(bitmap.Width());
    cinfo->image_height = JDIMENSION(bitmap.Height());
    cinfo->input_components = 3;
    cinfo->in_color_space = JCS_EXT_BGR;
    // The defaults write a 16-byte JFIF APP0 (version 1.01, no thumbnail)
    // and subsample the chroma 2x2.
    jpeg_set_defaults(cinfo);
    jpeg_set_quality(cinfo, quality, TRUE);
    jpeg_start_compress(cinfo, TRUE);
    for (const JpegSegment &segment : segments)
      jpeg_write_marker(cinfo, segment.Marker, segment.Data.data(), unsigned(segment.Data.size()));
    while (cinfo->next_scanline < cinfo->image_height) {
      // libjpeg only reads the rows it is given.
      JSAMPROW row = const_cast<JSAMPROW>(bitmap.ScanLine(int(cinfo->next_scanline)));
      jpeg_write_scanlines(cinfo, &row, 1);
    }
    jpeg_finish_compress(cinfo);
  });
  return Bytes(c.dest.data, c.dest.data + c.dest.size);
}

}  // namespace qv
