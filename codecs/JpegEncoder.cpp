// Baseline JFIF encoding straight from BGR rows.

#include <algorithm>
#include <cstring>
#include <vector>

#include "codecs/Codecs.h"
#include "codecs/JpegErrorManager.h"
#include "codecs/JpegMarkers.h"
#include "codecs/JpegWriter.h"
#include "gfx/Error.h"

namespace qv {

namespace {

// libjpeg fills this much before the sink takes it.
constexpr std::size_t kBufferBytes = std::size_t(256) << 10;

constexpr int kRowsPerWrite = 16;

}  // namespace

struct JpegWriter::State {
  jpeg_compress_struct cinfo;
  jpeg_destination_mgr dest;
  JpegErrorManager errors;
  ByteSink *sink = nullptr;
  std::vector<std::uint8_t> buffer;
  bool created = false;

  State() {
    std::memset(&cinfo, 0, sizeof cinfo);
    std::memset(&dest, 0, sizeof dest);
    cinfo.err = InstallJpegErrorManager(errors);
    cinfo.client_data = this;
    dest.init_destination = Start;
    dest.empty_output_buffer = Empty;
    dest.term_destination = Term;
  }
  ~State() {
    if (created) jpeg_destroy_compress(&cinfo);
  }

  static State &Of(j_compress_ptr cinfo) { return *static_cast<State *>(cinfo->client_data); }
  static void Start(j_compress_ptr cinfo) {
    State &s = Of(cinfo);
    s.dest.next_output_byte = s.buffer.data();
    s.dest.free_in_buffer = s.buffer.size();
  }
  // libjpeg calls this only when the whole buffer is full.
  static boolean Empty(j_compress_ptr cinfo) {
    State &s = Of(cinfo);
    if (!s.sink->Put(s.buffer))
      AbortJpeg(reinterpret_cast<j_common_ptr>(cinfo), QV_TEXT("Cannot write"));
    Start(cinfo);
    return TRUE;
  }
  static void Term(j_compress_ptr cinfo) {
    State &s = Of(cinfo);
    const std::size_t used = s.buffer.size() - s.dest.free_in_buffer;
    if (!s.sink->Put({s.buffer.data(), used}))
      AbortJpeg(reinterpret_cast<j_common_ptr>(cinfo), QV_TEXT("Cannot write"));
  }

  // A library error, or the sink's own failure when that stopped it.
  template <class Body>
  void Run(Body &&body) {
    try {
      RunJpeg(errors, body);
    } catch (...) {
      sink->RethrowFailure();
      throw;
    }
  }
};

void CheckJpegSize(int width, int height) {
  // libjpeg's own limit is 65500 (JPEG_MAX_DIMENSION); say so before any
  // byte is written, rather than with its bare error number.
  if (width > kMaxJpegSide || height > kMaxJpegSide)
    throw Error(Say(QV_TEXT("Picture is too large for a JPEG file (%1 x %2 pixels): JPEG holds at "
                            "most 65,500 pixels a side; save it as BMP, which can hold it"),
                    width, height));
}

JpegWriter::JpegWriter(int width, int height, int quality, const Metadata &meta, ByteSink &sink)
    : state_(std::make_unique<State>()) {
  CheckJpegSize(width, height);
  const std::vector<JpegSegment> segments = MetadataSegments(meta);
  State &s = *state_;
  s.sink = &sink;
  s.buffer.resize(kBufferBytes);
  jpeg_compress_struct *cinfo = &s.cinfo;
  s.Run([&] {
    jpeg_create_compress(cinfo);
    s.created = true;
    cinfo->client_data = &s;
    cinfo->dest = &s.dest;
    cinfo->image_width = JDIMENSION(width);
    cinfo->image_height = JDIMENSION(height);
    cinfo->input_components = 3;
    cinfo->in_color_space = JCS_EXT_BGR;
    // The defaults write a 16-byte JFIF APP0 (version 1.01, no thumbnail)
    // and subsample the chroma 2x2.
    jpeg_set_defaults(cinfo);
    jpeg_set_quality(cinfo, quality, TRUE);
    jpeg_start_compress(cinfo, TRUE);
    for (const JpegSegment &segment : segments)
      jpeg_write_marker(cinfo, segment.Marker, segment.Data.data(), unsigned(segment.Data.size()));
  });
}

JpegWriter::~JpegWriter() = default;

void JpegWriter::WriteRows(const std::uint8_t *const *rows, int count) {
  jpeg_compress_struct *cinfo = &state_->cinfo;
  // libjpeg only reads the rows it is given.
  auto given = const_cast<JSAMPARRAY>(rows);
  state_->Run([&] {
    for (int done = 0; done < count;) {
      const JDIMENSION took = jpeg_write_scanlines(cinfo, given + done, JDIMENSION(count - done));
      if (took == 0) break;
      done += int(took);
    }
  });
}

void JpegWriter::Finish() {
  state_->Run([&] { jpeg_finish_compress(&state_->cinfo); });
}

void EncodeJpeg(const Bitmap &bitmap, int quality, const Metadata &meta, ByteSink &sink) {
  JpegWriter writer(bitmap.Width(), bitmap.Height(), quality, meta, sink);
  const std::uint8_t *rows[kRowsPerWrite];
  for (int first = 0; first < bitmap.Height(); first += kRowsPerWrite) {
    const int count = std::min(kRowsPerWrite, bitmap.Height() - first);
    for (int i = 0; i < count; ++i) rows[i] = bitmap.ScanLine(first + i);
    writer.WriteRows(rows, count);
  }
  writer.Finish();
}

Bytes EncodeJpeg(const Bitmap &bitmap, int quality, const Metadata &meta) {
  BytesSink sink;
  EncodeJpeg(bitmap, quality, meta, sink);
  return std::move(sink.Data);
}

}  // namespace qv
