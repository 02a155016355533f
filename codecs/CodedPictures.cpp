// The picture sizes and counts of HEVC (H.265 7.3.2.2, the sequence
// parameter set) and AV1 (5.5 and 5.9, the sequence and frame headers),
// read only as far as the sizes: enough to know what a decoder will
// allocate before it is given the data.

#include "codecs/CodedPictures.h"

#include <algorithm>
#include <array>

#include "codecs/ByteReader.h"

namespace qv {

namespace {

// The bytes of pieces read as one stream, without copying them.
class PieceStream {
 public:
  explicit PieceStream(const DataPieces &pieces) : pieces_(pieces) {
    for (const auto &piece : pieces) left_ += piece.size();
  }

  std::size_t Left() const { return left_; }
  // Copies up to out.size() bytes, then skips up to skip more; the bytes
  // copied.
  std::size_t Read(std::span<std::uint8_t> out, std::uint64_t skip = 0) {
    std::size_t copied = 0;
    while (piece_ < pieces_.size() && (copied < out.size() || skip > 0)) {
      const std::span<const std::uint8_t> piece = pieces_[piece_];
      std::size_t n = piece.size() - at_;
      if (copied < out.size()) {
        n = std::min(n, out.size() - copied);
        std::copy_n(piece.data() + at_, n, out.data() + copied);
        copied += n;
      } else {
        n = std::size_t(std::min<std::uint64_t>(n, skip));
        skip -= n;
      }
      at_ += n, left_ -= n;
      if (at_ == piece.size()) ++piece_, at_ = 0;
    }
    return copied;
  }

 private:
  const DataPieces &pieces_;
  std::size_t piece_ = 0, at_ = 0, left_ = 0;
};

void Widen(CodedPictures &p, std::int64_t width, std::int64_t height) {
  p.Width = std::max(p.Width, width);
  p.Height = std::max(p.Height, height);
}

// --- HEVC ---

// The size fields lie well inside the first bytes of a NAL unit.
constexpr std::size_t kNalHead = 512;

// The start of a NAL unit without its emulation prevention bytes (00 00 03).
std::vector<std::uint8_t> Unescaped(std::span<const std::uint8_t> nal) {
  std::vector<std::uint8_t> out;
  int zeros = 0;
  for (const std::uint8_t b : nal.first(std::min(nal.size(), kNalHead))) {
    if (zeros >= 2 && b == 3) {
      zeros = 0;
      continue;
    }
    zeros = b == 0 ? zeros + 1 : 0;
    out.push_back(b);
  }
  return out;
}

void ReadSequenceParameters(std::span<const std::uint8_t> nal, CodedPictures &p) {
  const std::vector<std::uint8_t> bytes = Unescaped(nal);
  BitReader r(bytes);
  r.Bits(16);  // NAL unit header
  r.Bits(4);   // video parameter set
  const int subLayers = int(r.Bits(3));
  r.Bit();
  r.Bits(96);  // general profile, tier and level
  std::array<bool, 8> profile{}, level{};
  for (int i = 0; i < subLayers; ++i)
    profile[std::size_t(i)] = r.Bit(), level[std::size_t(i)] = r.Bit();
  if (subLayers > 0)
    for (int i = subLayers; i < 8; ++i) r.Bits(2);
  for (int i = 0; i < subLayers; ++i) {
    if (profile[std::size_t(i)]) r.Bits(88);
    if (level[std::size_t(i)]) r.Bits(8);
  }
  r.ExpGolomb();                    // its own id
  if (r.ExpGolomb() == 3) r.Bit();  // 4:4:4 with separate planes
  const std::uint64_t width = r.ExpGolomb(), height = r.ExpGolomb();
  if (!r.Short()) Widen(p, std::int64_t(width), std::int64_t(height));
}

// One NAL unit: a sequence parameter set widens the size, the first slice
// of a picture counts it.
void HevcUnit(std::span<const std::uint8_t> nal, CodedPictures &p) {
  if (nal.size() < 3) return;
  const int type = nal[0] >> 1 & 0x3F;
  if (type == 33) ReadSequenceParameters(nal, p);
  if (type < 32 && nal[2] & 0x80) ++p.Count;
}

// --- AV1 ---

struct SequenceHeader {
  bool Found = false, Reduced = false;
  int WidthBits = 0, HeightBits = 0;
  std::int64_t MaxWidth = 0, MaxHeight = 0;
  bool DecoderModel = false;
  bool TimedFrames = false;  // decoder model info without equal picture intervals
  int PresentationTimeBits = 0;
  bool FrameIds = false;
  int FrameIdBits = 0;
  int ScreenContentTools = 0, IntegerMv = 2;  // 2: chosen per frame
  int OrderHintBits = 0;
};

constexpr int kSequenceHeader = 1, kFrameHeader = 3, kFrame = 6;

void ReadSequenceHeader(std::span<const std::uint8_t> obu, SequenceHeader &s) {
  BitReader r(obu);
  SequenceHeader h;
  r.Bits(4);  // profile, still picture
  h.Reduced = r.Bit();
  if (h.Reduced) {
    r.Bits(5);
  } else {
    bool decoderModel = false;
    int bufferDelayBits = 0;
    if (r.Bit()) {  // timing info
      r.Bits(64);
      const bool equalIntervals = r.Bit();
      if (equalIntervals) {  // uvlc(), as long as 32 zeros
        int zeros = 0;
        while (!r.Bit() && ++zeros < 32) {
        }
        if (zeros < 32) r.Bits(zeros);
      }
      decoderModel = r.Bit();
      if (decoderModel) {
        bufferDelayBits = int(r.Bits(5)) + 1;
        r.Bits(32);
        r.Bits(5);
        h.PresentationTimeBits = int(r.Bits(5)) + 1;
        h.TimedFrames = !equalIntervals;
        h.DecoderModel = true;
      }
    }
    const bool displayDelay = r.Bit();
    const int points = int(r.Bits(5)) + 1;
    for (int i = 0; i < points; ++i) {
      r.Bits(12);
      if (r.Bits(5) > 7) r.Bit();
      if (decoderModel && r.Bit()) r.Bits(2 * bufferDelayBits + 1);
      if (displayDelay && r.Bit()) r.Bits(4);
    }
  }
  h.WidthBits = int(r.Bits(4)) + 1;
  h.HeightBits = int(r.Bits(4)) + 1;
  h.MaxWidth = std::int64_t(r.Bits(h.WidthBits)) + 1;
  h.MaxHeight = std::int64_t(r.Bits(h.HeightBits)) + 1;
  if (!h.Reduced) h.FrameIds = r.Bit();
  if (h.FrameIds) {
    const int delta = int(r.Bits(4)) + 2;
    h.FrameIdBits = int(r.Bits(3)) + 1 + delta;
  }
  r.Bits(3);  // superblock size, filter intra, intra edge filter
  if (!h.Reduced) {
    r.Bits(4);  // compound and motion tools
    const bool orderHints = r.Bit();
    if (orderHints) r.Bits(2);
    h.ScreenContentTools = r.Bit() ? 2 : int(r.Bit());
    if (h.ScreenContentTools > 0) h.IntegerMv = r.Bit() ? 2 : int(r.Bit());
    if (orderHints) h.OrderHintBits = int(r.Bits(3)) + 1;
  }
  if (r.Short()) return;  // the decoder cannot use it either
  h.Found = true;
  s = h;
}

// Whether a frame header starts a frame to decode, and how large it is: the
// sequence's largest unless the frame gives a size of its own. An intra
// frame's own size is read; any other may be as large as the header's bits
// can say.
void ReadFrameHeader(std::span<const std::uint8_t> obu, const SequenceHeader &s, CodedPictures &p) {
  if (s.Reduced) {
    ++p.Count;
    Widen(p, s.MaxWidth, s.MaxHeight);
    return;
  }
  BitReader r(obu);
  if (r.Bit()) return;              // shows a frame decoded before
  const int type = int(r.Bits(2));  // 0 key, 1 inter, 2 intra only, 3 switch
  const bool shown = r.Bit();
  if (shown && s.TimedFrames) r.Bits(s.PresentationTimeBits);
  if (!shown) r.Bit();
  const bool resilient = type == 3 || (type == 0 && shown) || r.Bit();
  r.Bit();  // cdf updates
  const int tools = s.ScreenContentTools == 2 ? int(r.Bit()) : s.ScreenContentTools;
  if (tools && s.IntegerMv == 2) r.Bit();
  if (s.FrameIds) r.Bits(s.FrameIdBits);
  ++p.Count;
  if (!(type == 3 || r.Bit())) {
    Widen(p, s.MaxWidth, s.MaxHeight);
    return;
  }
  if ((type == 0 || type == 2) && !s.DecoderModel) {
    r.Bits(s.OrderHintBits);
    const unsigned refresh = type == 0 && shown ? 0xFF : unsigned(r.Bits(8));
    if (refresh != 0xFF && resilient) r.Bits(8 * s.OrderHintBits);
    const std::int64_t width = std::int64_t(r.Bits(s.WidthBits)) + 1;
    const std::int64_t height = std::int64_t(r.Bits(s.HeightBits)) + 1;
    if (!r.Short()) return Widen(p, width, height);
  }
  Widen(p, std::int64_t(1) << s.WidthBits, std::int64_t(1) << s.HeightBits);
}

std::uint64_t Leb128(PieceStream &in, bool &ok) {
  std::uint64_t value = 0;
  for (int i = 0; i < 8; ++i) {
    std::uint8_t b = 0;
    if (in.Read({&b, 1}) != 1) break;
    value |= std::uint64_t(b & 0x7F) << (7 * i);
    if (!(b & 0x80)) return value;
  }
  ok = false;
  return 0;
}

// The OBUs of one stream; one without a size field runs to its end.
void Av1Units(PieceStream in, SequenceHeader &s, CodedPictures &p) {
  for (std::size_t left = in.Left(); left > 0; left = in.Left()) {
    std::uint8_t header[2] = {};
    if (in.Read({header, 1}) != 1) return;
    const int type = header[0] >> 3 & 15;
    if (header[0] & 4) in.Read({header + 1, 1});
    bool ok = true;
    const std::uint64_t size = header[0] & 2 ? Leb128(in, ok) : in.Left();
    if (!ok || size > in.Left()) return;
    // Enough of the OBU for the fields read; the rest is skipped.
    std::array<std::uint8_t, 128> start{};
    const std::size_t head = std::size_t(std::min<std::uint64_t>(size, start.size()));
    in.Read({start.data(), head}, size - head);
    const std::span<const std::uint8_t> obu(start.data(), head);
    if (type == kSequenceHeader) ReadSequenceHeader(obu, s);
    if ((type == kFrameHeader || type == kFrame) && s.Found) ReadFrameHeader(obu, s, p);
  }
}

}  // namespace

CodedPictures HevcPictures(std::span<const std::uint8_t> hvcC, const DataPieces &data) {
  CodedPictures p;
  ByteReader config(hvcC);
  config.Skip(22);
  const int arrays = config.U8();
  for (int a = 0; a < arrays && !config.Short(); ++a) {
    config.U8();
    const int units = config.U16();
    for (int u = 0; u < units && !config.Short(); ++u) HevcUnit(config.Take(config.U16()), p);
  }
  PieceStream in(data);
  std::array<std::uint8_t, kNalHead> nal{};
  while (in.Left() >= 4) {
    std::uint8_t length[4];
    in.Read(length);
    const std::uint64_t size = std::uint64_t(length[0]) << 24 | std::uint64_t(length[1]) << 16 |
                               std::uint64_t(length[2]) << 8 | length[3];
    if (size > in.Left()) break;  // libheif stops here too
    const std::size_t head = std::size_t(std::min<std::uint64_t>(size, nal.size()));
    in.Read({nal.data(), head}, size - head);
    HevcUnit({nal.data(), head}, p);
  }
  return p;
}

CodedPictures Av1Pictures(std::span<const std::uint8_t> av1C, const DataPieces &data) {
  CodedPictures p;
  SequenceHeader s;
  const DataPieces config = {av1C.size() > 4 ? av1C.subspan(4) : std::span<const std::uint8_t>()};
  Av1Units(PieceStream(config), s, p);
  Av1Units(PieceStream(data), s, p);
  return p;
}

}  // namespace qv
