// JPEG decoding through libjpeg, with the limits that keep a hostile file
// from costing more than the picture it declares.

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "codecs/Codecs.h"
#include "codecs/JpegErrorManager.h"
#include "codecs/JpegMarkers.h"
#include "codecs/JpegReader.h"
#include "codecs/Metadata.h"
#include "codecs/SampleRows.h"
#include "gfx/Error.h"
#include "gfx/RunControl.h"

namespace qv {

namespace {

// Real progressive pictures use about ten scans, a few passes over the
// picture's blocks in all. Up to 1000 scans are allowed, and up to 64
// passes' worth of blocks (at least 4M blocks, a blink for any picture);
// beyond either, a file of a few kilobytes could keep the decoder busy for
// minutes.
constexpr int kMaxScans = 1000;
constexpr long long kMaxPasses = 64;
constexpr long long kMinBlockBudget = 1LL << 22;

// libjpeg's whole-image buffers may hold the declared picture's DCT
// coefficients (128 bytes per 8x8 block of each component) plus this much
// for tables and row buffers. Anything beyond that is refused by libjpeg
// ("Backing store not supported") instead of being allocated.
constexpr long kJpegWorkingMemory = 64L << 20;

// libjpeg hands out at most this many rows per call.
constexpr int kRowsPerRead = 16;

struct ScanBudget {
  jpeg_progress_mgr pub;  // first: libjpeg's pointer is the budget's
  int countedScan = 0;
  long long blocksLeft = 0;
};

long long BlocksOf(const jpeg_component_info &comp) {
  return static_cast<long long>(comp.width_in_blocks) * comp.height_in_blocks;
}

// libjpeg calls this before each step of reading the input; each new scan
// is charged once, before its data is decoded.
void ChargeScan(j_common_ptr common) {
  auto *cinfo = reinterpret_cast<j_decompress_ptr>(common);
  auto *budget = reinterpret_cast<ScanBudget *>(cinfo->progress);
  if (cinfo->input_scan_number == budget->countedScan) return;
  budget->countedScan = cinfo->input_scan_number;
  for (int i = 0; i < cinfo->comps_in_scan; ++i)
    budget->blocksLeft -= BlocksOf(*cinfo->cur_comp_info[i]);
  if (cinfo->input_scan_number > kMaxScans || budget->blocksLeft < 0)
    AbortJpeg(common, QV_TEXT("JPEG picture has too many scans"));
}

long CoefficientBytes(const jpeg_decompress_struct &cinfo) {
  long total = 0;
  for (int c = 0; c < cinfo.num_components; ++c) {
    const jpeg_component_info &comp = cinfo.comp_info[c];
    const long h = comp.h_samp_factor, v = comp.v_samp_factor;
    const long columns = (long(comp.width_in_blocks) + h - 1) / h * h;
    const long rows = (long(comp.height_in_blocks) + v - 1) / v * v;
    total += columns * rows * long(sizeof(JBLOCK));
  }
  return total;
}

std::uint8_t Mix(unsigned a, unsigned b) {
  return std::uint8_t((a * b + 127) / 255);
}

// CMYK rows to BGR. Adobe's files store the inks inverted (255 = no ink),
// which is what nearly every CMYK JPEG is; the others store plain ink.
void CmykToBgr(const std::uint8_t *cmyk, std::uint8_t *bgr, int width, bool inverted) {
  for (int x = 0; x < width; ++x, cmyk += 4, bgr += 3) {
    unsigned c = cmyk[0], m = cmyk[1], y = cmyk[2], k = cmyk[3];
    if (!inverted) c = 255 - c, m = 255 - m, y = 255 - y, k = 255 - k;
    bgr[0] = Mix(y, k);
    bgr[1] = Mix(m, k);
    bgr[2] = Mix(c, k);
  }
}

}  // namespace

struct JpegReader::State {
  jpeg_decompress_struct cinfo;
  JpegErrorManager errors;
  ScanBudget budget;
  JpegSegments segments;
  bool created = false;
  bool cmyk = false, inverted = false;
  std::vector<std::uint8_t> cmykRow;

  State() {
    std::memset(&cinfo, 0, sizeof cinfo);
    std::memset(&budget.pub, 0, sizeof budget.pub);
    cinfo.err = InstallJpegErrorManager(errors);
  }
  ~State() {
    if (created) jpeg_destroy_decompress(&cinfo);
  }
};

JpegReader::JpegReader(std::span<const std::uint8_t> data, bool withMetadata)
    : state_(std::make_unique<State>()) {
  State &s = *state_;
  jpeg_decompress_struct *cinfo = &s.cinfo;
  RunJpeg(s.errors, [&] {
    jpeg_create_decompress(cinfo);
    s.created = true;
    jpeg_mem_src(cinfo, data.data(), static_cast<unsigned long>(data.size()));
    if (withMetadata) CollectMetadataSegments(*cinfo, s.segments);
    jpeg_read_header(cinfo, TRUE);
  });

  CheckPictureSize(cinfo->image_width, cinfo->image_height);
  s.cmyk = cinfo->jpeg_color_space == JCS_CMYK || cinfo->jpeg_color_space == JCS_YCCK;
  s.inverted = cinfo->saw_Adobe_marker;
  cinfo->out_color_space = s.cmyk ? JCS_CMYK : JCS_EXT_BGR;
  cinfo->mem->max_memory_to_use = CoefficientBytes(*cinfo) + kJpegWorkingMemory;
  long long blocks = 0;
  for (int c = 0; c < cinfo->num_components; ++c) blocks += BlocksOf(cinfo->comp_info[c]);
  s.budget.blocksLeft = std::max(kMaxPasses * blocks, kMinBlockBudget);
  s.budget.pub.progress_monitor = ChargeScan;
  cinfo->progress = &s.budget.pub;

  RunJpeg(s.errors, [&] { jpeg_start_decompress(cinfo); });
  if (s.cmyk) s.cmykRow.resize(std::size_t(cinfo->output_width) * 4);
}

void JpegReader::ReadMetadata() {
  metaWarnings_.clear();
  meta_ = AssembleMetadata(state_->segments, metaWarnings_);
  CheckMetadata(meta_, metaWarnings_);
  orientation_ = ExifOrientation(meta_.Exif);
}

std::size_t JpegReader::MetadataSegmentCount() const {
  return state_->segments.Kept.size() + (state_->segments.OverBudget ? 1 : 0);
}

JpegReader::~JpegReader() = default;

int JpegReader::Width() const {
  return int(state_->cinfo.output_width);
}

int JpegReader::Height() const {
  return int(state_->cinfo.output_height);
}

int JpegReader::NextRow() const {
  return int(state_->cinfo.output_scanline);
}

void JpegReader::ReadRows(std::uint8_t *const *rows, int count) {
  State &s = *state_;
  jpeg_decompress_struct *cinfo = &s.cinfo;
  count = std::min(count, Height() - NextRow());
  RunJpeg(s.errors, [&] {
    for (int done = 0; done < count;) {
      if (s.cmyk) {
        JSAMPROW row = s.cmykRow.data();
        if (jpeg_read_scanlines(cinfo, &row, 1) != 1) break;
        CmykToBgr(s.cmykRow.data(), rows[done++], Width(), s.inverted);
        continue;
      }
      // libjpeg only writes the rows it is given.
      JSAMPARRAY next = const_cast<JSAMPARRAY>(rows + done);
      const JDIMENSION got =
          jpeg_read_scanlines(cinfo, next, JDIMENSION(std::min(count - done, kRowsPerRead)));
      if (got == 0) break;
      done += int(got);
    }
  });
}

void JpegReader::Finish() {
  State &s = *state_;
  // Stopping short makes finish report the missing rows as an error.
  RunJpeg(s.errors, [&] { jpeg_finish_decompress(&s.cinfo); });
}

std::vector<Text> JpegReader::Warnings() const {
  std::vector<Text> warnings;
  if (state_->errors.warnings > 0)
    warnings.push_back(DamageWarning(Text::Verbatim(state_->errors.firstWarning)));
  warnings.insert(warnings.end(), metaWarnings_.begin(), metaWarnings_.end());
  return warnings;
}

namespace {

DecodedPicture Decode(std::span<const std::uint8_t> data, bool withMetadata,
                      DecodeFollower *follower) {
  JpegReader reader(data, withMetadata);
  DecodedPicture decoded;
  Bitmap &picture = decoded.Pixels;
  picture.Recreate(reader.Width(), reader.Height());
  // The orientation is in the segments before the picture data; a turned
  // picture's rows are not final until it is turned.
  if (follower) {
    reader.ReadMetadata();
    if (reader.Orientation() != 1) follower = nullptr;
  }
  // Declared after the picture, so that the follower lets go of it first
  // when the decode fails.
  struct Ending {
    DecodeFollower *Follower;
    bool Complete = false;
    ~Ending() {
      if (Follower) Follower->Ended(Complete);
    }
  } ending{follower};
  if (follower) follower->Started(picture);
  std::uint8_t *rows[kRowsPerRead];
  const RunProgress progress;
  while (reader.NextRow() < reader.Height()) {
    if (progress.Cancelled()) throw Cancelled();
    const int first = reader.NextRow();
    const int count = std::min(kRowsPerRead, reader.Height() - first);
    for (int i = 0; i < count; ++i) rows[i] = picture.ScanLine(first + i);
    reader.ReadRows(rows, count);
    if (reader.NextRow() == first) break;  // no progress: Finish says why
    if (follower) follower->RowsDone(reader.NextRow());
    progress.Report(double(reader.NextRow()) / reader.Height());
  }
  reader.Finish();
  ending.Complete = true;
  // Segments may follow the scans; all of them are in by now.
  if (withMetadata) reader.ReadMetadata();
  decoded.Warnings = reader.Warnings();
  decoded.Meta = std::move(reader.Meta());
  decoded.Orientation = reader.Orientation();
  return decoded;
}

}  // namespace

DecodedPicture DecodeJpegPicture(std::span<const std::uint8_t> data) {
  return Decode(data, true, nullptr);
}

DecodedPicture DecodeJpegPicture(std::span<const std::uint8_t> data, DecodeFollower &follower) {
  return Decode(data, true, &follower);
}

Bitmap DecodeJpeg(std::span<const std::uint8_t> data) {
  return std::move(Decode(data, false, nullptr).Pixels);
}

}  // namespace qv
