#include "BadFiles.h"

#include <climits>
#include <cstdio>  // jpeglib.h needs size_t and FILE first
#include <cstdlib>
#include <cstring>

#include <jpeglib.h>

#include <jerror.h>

#include "MetadataTestUtil.h"
#include "fuzz/SampleFiles.h"

namespace qv::hostile {

namespace {

using samples::FindMarker;
using samples::JpegCoding;
using samples::JpegColors;
using samples::MakeBmp;
using samples::MakeJpeg;

void PutBE16(Bytes &b, std::size_t at, unsigned v) {
  b[at] = std::uint8_t(v >> 8), b[at + 1] = std::uint8_t(v);
}
void PutLE(Bytes &b, std::size_t at, std::uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) b[at + std::size_t(i)] = std::uint8_t(v >> (8 * i));
}
Bytes Join(Bytes a, const Bytes &b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}
Bytes Text(const char *text) {
  return Bytes(text, text + std::strlen(text));
}
std::string Too(int width, int height) {
  return "Picture is too large (" + std::to_string(width) + " x " + std::to_string(height);
}

// The end of the segment starting at marker offset at (FF xx, length).
std::size_t SegmentEnd(const Bytes &jpeg, std::size_t at) {
  return at + 2 + (std::size_t(jpeg[at + 2]) << 8 | jpeg[at + 3]);
}

// Where the entropy-coded data of the scan whose SOS is at sos ends: the
// next marker that is neither a stuffed byte nor a restart.
std::size_t ScanEnd(const Bytes &jpeg, std::size_t sos) {
  std::size_t end = SegmentEnd(jpeg, sos);
  while (end + 1 < jpeg.size() &&
         (jpeg[end] != 0xFF || jpeg[end + 1] == 0 || (jpeg[end + 1] & 0xF8) == 0xD0))
    ++end;
  return end;
}

Bytes FirstScan(const Bytes &jpeg) {
  const std::size_t sos = FindMarker(jpeg, 0xDA);
  return Bytes(jpeg.begin() + std::ptrdiff_t(sos),
               jpeg.begin() + std::ptrdiff_t(ScanEnd(jpeg, sos)));
}

// The stream without its end-of-image marker, count copies of its first
// scan, then the marker: far more scans than any encoder writes.
Bytes WithRepeatedScan(const Bytes &jpeg, int count) {
  const Bytes scan = FirstScan(jpeg);
  Bytes out(jpeg.begin(), jpeg.end() - 2);
  for (int i = 0; i < count; ++i) out.insert(out.end(), scan.begin(), scan.end());
  return Join(out, {0xFF, 0xD9});
}

void AddJpegCases(std::vector<BadFile> &cases) {
  const Bytes good = EncodeJpeg(samples::Gradient(48, 32));
  const std::size_t sof = FindMarker(good, 0xC0), dht = FindMarker(good, 0xC4),
                    dqt = FindMarker(good, 0xDB), sos = FindMarker(good, 0xDA);
  const std::size_t sosEnd = SegmentEnd(good, sos);

  // Cut anywhere in the headers: refused; cut inside the entropy-coded data:
  // the missing rows are filled in, as every viewer does.
  for (std::size_t n = 1; n < good.size(); n += n < 8 ? 1 : good.size() / 24) {
    if (n > sos && n < sosEnd) continue;
    cases.push_back({"cut-at-" + std::to_string(n) + ".jpg",
                     Bytes(good.begin(), good.begin() + std::ptrdiff_t(n)),
                     n <= sos ? Verdict::Refused : Verdict::Damaged, kJpegError});
  }
  const Bytes progressive = MakeJpeg({48, 32, JpegCoding::Progressive, JpegColors::Rgb});
  for (std::size_t n : {progressive.size() / 2, progressive.size() - 2})
    cases.push_back({"progressive-cut-at-" + std::to_string(n) + ".jpg",
                     Bytes(progressive.begin(), progressive.begin() + std::ptrdiff_t(n)),
                     Verdict::Damaged, ""});

  auto patched = [&](const char *name, auto patch, const std::string &message = kJpegError) {
    Bytes bad = good;
    patch(bad);
    cases.push_back({name, bad, Verdict::Refused, message});
  };
  patched("huffman-counts-overflow.jpg", [&](Bytes &b) { std::memset(&b[dht + 5], 0xFF, 16); });
  patched("huffman-table-index-7.jpg", [&](Bytes &b) { b[dht + 4] = 0x17; });
  patched("quant-table-length-1.jpg", [&](Bytes &b) { PutBE16(b, dqt + 2, 1); });
  patched("quant-table-length-past-end.jpg", [&](Bytes &b) { PutBE16(b, dqt + 2, 0xFFFF); });
  patched("frame-without-components.jpg", [&](Bytes &b) { b[sof + 9] = 0; });
  patched("frame-zero-width.jpg", [&](Bytes &b) { PutBE16(b, sof + 7, 0); });
  patched("scan-names-unknown-component.jpg", [&](Bytes &b) { b[sos + 5] = 9; });
  patched("second-start-of-image.jpg", [&](Bytes &b) { b[dqt + 1] = 0xD8; });
  patched(
      "12-bit.jpg",
      [&](Bytes &b) {
        b[sof + 1] = 0xC1;  // extended sequential
        b[sof + 4] = 12;    // sample precision
      },
      "JPEG error #" + std::to_string(JERR_BAD_PRECISION) +
          ": Unsupported JPEG data precision 12 (only 8-bit JPEG pictures can be opened)");
  patched(
      "lossless.jpg", [&](Bytes &b) { b[sof + 1] = 0xC3; },
      "JPEG error #" + std::to_string(JERR_SOF_UNSUPPORTED) +
          ": Unsupported JPEG process: SOF type 0xc3 (lossless");

  cases.push_back({"arithmetic.jpg", MakeJpeg({48, 32, JpegCoding::Arithmetic, JpegColors::Rgb}),
                   Verdict::Decoded, ""});
  cases.push_back({"arithmetic-progressive.jpg",
                   MakeJpeg({48, 32, JpegCoding::ArithmeticProgressive, JpegColors::Cmyk}),
                   Verdict::Decoded, ""});
  cases.push_back({"declares-65500x65500.jpg",
                   [&] {
                     Bytes b = good;
                     PutBE16(b, sof + 5, 65500), PutBE16(b, sof + 7, 65500);
                     return b;
                   }(),
                   Verdict::Refused, Too(65500, 65500)});
  cases.push_back({"progressive-declares-20000x20000.jpg", ProgressiveDeclaring(20000, 20000),
                   Verdict::Refused, Too(20000, 20000)});
  cases.push_back({"thirty-thousand-scans.jpg", WithRepeatedScan(progressive, 30000),
                   Verdict::Refused, "JPEG picture has too many scans"});
  cases.push_back({"junk-before.jpg", Join(Text("junk"), good), Verdict::Refused, kJpegError});
  cases.push_back({"junk-after.jpg", Join(good, Text("trailing junk")), Verdict::Decoded, ""});
  cases.push_back({"empty.jpg", {}, Verdict::Refused, kJpegError});
  cases.push_back({"png-named.jpg",
                   {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13},
                   Verdict::Refused,
                   "PNG image is not valid"});
  cases.push_back({"text-named.jpg", Text("not a picture at all\n"), Verdict::Refused,
                   "JPEG error #53: Not a JPEG file: starts with 0x6e 0x6f"});
  // Metadata is attacker data too: a broken block is left out, the picture opens.
  Metadata meta = test::CameraMetadata(1);
  std::fill(meta.Exif.begin() + 4, meta.Exif.end(), 0xFF);
  meta.Icc.resize(100);
  cases.push_back({"broken-metadata.jpg", EncodeJpeg(samples::Gradient(48, 32), 90, meta),
                   Verdict::Damaged, ""});
  cases.push_back({"text-named.gif", Text("not a picture at all\n"), Verdict::Refused,
                   "Unknown picture file extension (.gif)"});
}

void AddBmpCases(std::vector<BadFile> &cases) {
  const samples::BmpRecipe flat{40, 4, 3, 1, 24, 0, 0, {}, {}, Bytes(36, 0x55)};  // no row padding
  const Bytes good = MakeBmp(flat);

  // {name, offset, byte count, value} patched into the good file.
  struct Patch {
    const char *name;
    std::size_t at;
    int bytes;
    std::uint32_t value;
    const char *message = kNotBmp;
  };
  const Patch patches[] = {
      {"offset-past-end.bmp", 10, 4, 0xFFFFFFF0},
      {"offset-inside-header.bmp", 10, 4, 20},
      {"header-size-0.bmp", 14, 4, 0},
      {"header-size-huge.bmp", 14, 4, 0xFFFFFFFF},
      {"width-0.bmp", 18, 4, 0},
      {"width-negative.bmp", 18, 4, std::uint32_t(-4)},
      {"height-0.bmp", 22, 4, 0},
      {"width-huge.bmp", 18, 4, INT_MAX, "Picture is too large"},
      {"height-most-negative.bmp", 22, 4, std::uint32_t(INT_MIN), "Picture is too large"},
      {"planes-0.bmp", 26, 2, 0},
      {"bits-0.bmp", 28, 2, 0},
      {"bits-7.bmp", 28, 2, 7},
      {"bits-64.bmp", 28, 2, 64},
      // Valid bitmaps of a kind this program does not decode.
      {"compression-jpeg.bmp", 30, 4, 4,
       "Bitmap image is a kind of picture Quorvane does not open (JPEG inside a bitmap)"},
      {"compression-png.bmp", 30, 4, 5,
       "Bitmap image is a kind of picture Quorvane does not open (PNG inside a bitmap)"},
      {"compression-unknown.bmp", 30, 4, 99},
      {"rle8-at-24-bits.bmp", 30, 4, 1},
      {"bit-fields-at-24-bits.bmp", 30, 4, 3},
  };
  for (const Patch &p : patches) {
    Bytes bad = good;
    PutLE(bad, p.at, p.value, p.bytes);
    cases.push_back({p.name, bad, Verdict::Refused, p.message});
  }
  for (std::size_t n :
       {std::size_t(2), std::size_t(14), std::size_t(30), std::size_t(54), good.size() - 1})
    cases.push_back({"cut-at-" + std::to_string(n) + ".bmp",
                     Bytes(good.begin(), good.begin() + std::ptrdiff_t(n)), Verdict::Refused,
                     kNotBmp});

  const Bytes quad = {0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0, 0, 255, 255, 255, 0};
  auto add = [&](const char *name, const samples::BmpRecipe &r, Verdict v,
                 const char *message = kNotBmp) {
    cases.push_back({name, MakeBmp(r), v, v == Verdict::Refused ? message : ""});
  };
  add("zero-masks.bmp", {40, 1, 1, 1, 32, 3, 0, {0, 0, 0}, {}, Bytes(4)}, Verdict::Refused);
  add("overlapping-masks.bmp", {40, 1, 1, 1, 32, 3, 0, {0xFF0000, 0x1FF00, 0xFF}, {}, Bytes(4)},
      Verdict::Refused);
  // Indices past the palette read black.
  add("palette-shorter-than-indices.bmp",
      {40, 3, 1, 1, 8, 0, 2, {}, Bytes(8, 0x40), {1, 200, 0, 0}}, Verdict::Damaged);
  add("colors-used-huge.bmp", {40, 2, 1, 1, 8, 0, 0xFFFFFFFF, {}, quad, {0, 3, 0, 0}},
      Verdict::Decoded);
  add("rle8-run-past-row.bmp", {40, 4, 2, 1, 8, 1, 4, {}, quad, {200, 1, 0, 0, 3, 2, 0, 1}},
      Verdict::Damaged);
  add("rle8-move-past-picture.bmp", {40, 4, 2, 1, 8, 1, 4, {}, quad, {2, 1, 0, 2, 250, 250, 4, 3}},
      Verdict::Damaged);
  add("rle4-runs-past-rows.bmp", {40, 3, 2, 1, 4, 2, 4, {}, quad, {255, 0x12, 0, 0, 9, 0x30, 0, 1}},
      Verdict::Damaged);
  add("rle8-literal-past-data.bmp", {40, 4, 2, 1, 8, 1, 4, {}, quad, {0, 200, 1, 2, 3}},
      Verdict::Refused);
  add("rle8-without-end.bmp", {40, 4, 3, 1, 8, 1, 4, {}, quad, {4, 1, 0, 0}}, Verdict::Refused);
  add("rle-top-down.bmp", {40, 4, -2, 1, 8, 1, 4, {}, quad, {0, 1}}, Verdict::Refused);
  add("pixels-missing.bmp", {40, 4, 3, 1, 24, 0, 0, {}, {}, Bytes(30, 0x55)}, Verdict::Refused);
  add("os2-2x.bmp", {64, 2, 2, 1, 8, 0, 4, {}, quad, {0, 1, 0, 0, 2, 3, 0, 0}}, Verdict::Decoded);
  add("os2-2x-short.bmp", {16, 2, 2, 1, 8, 0, 0, {}, quad, {0, 1, 0, 0, 2, 3, 0, 0}},
      Verdict::Decoded);
  cases.push_back({"beyond-the-limit.bmp", BmpHeaderDeclaring(12000, 10001), Verdict::Refused,
                   Too(12000, 10001)});
}

}  // namespace

Bytes ProgressiveDeclaring(int width, int height) {
  Bytes b = MakeJpeg({64, 64, JpegCoding::Progressive, JpegColors::Rgb});
  const std::size_t sof = FindMarker(b, 0xC2);
  PutBE16(b, sof + 5, unsigned(height)), PutBE16(b, sof + 7, unsigned(width));
  return b;
}

Bytes RefinementScansOnly(int width, int height, int scans) {
  // A flat grey picture coded as: DC, AC first (Al 1), AC refinement.
  jpeg_scan_info script[3] = {};
  for (jpeg_scan_info &scan : script) scan.comps_in_scan = 1;
  script[1].Ss = script[2].Ss = 1;
  script[1].Se = script[2].Se = 63;
  script[1].Al = script[2].Ah = 1;
  jpeg_compress_struct cinfo;
  jpeg_error_mgr errors;
  cinfo.err = jpeg_std_error(&errors);
  jpeg_create_compress(&cinfo);
  unsigned char *buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = JDIMENSION(width);
  cinfo.image_height = JDIMENSION(height);
  cinfo.input_components = 1;
  cinfo.in_color_space = JCS_GRAYSCALE;
  jpeg_set_defaults(&cinfo);
  cinfo.scan_info = script;
  cinfo.num_scans = 3;
  jpeg_start_compress(&cinfo, TRUE);
  Bytes row(std::size_t(width), 128);
  JSAMPROW rows[1] = {row.data()};
  while (cinfo.next_scanline < cinfo.image_height) jpeg_write_scanlines(&cinfo, rows, 1);
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  const Bytes coded(buffer, buffer + size);
  std::free(buffer);

  // Headers up to the DC scan, then the refinement scan with the Huffman
  // table before it, over and over; the first two scans are left out.
  const std::size_t dc = FindMarker(coded, 0xDA);
  const std::size_t refinement = ScanEnd(coded, FindMarker(coded, 0xDA, dc + 2));
  Bytes out(coded.begin(), coded.begin() + std::ptrdiff_t(dc));
  for (int i = 0; i < scans; ++i)
    out.insert(out.end(), coded.begin() + std::ptrdiff_t(refinement), coded.end() - 2);
  return Join(out, {0xFF, 0xD9});
}

Bytes BmpHeaderDeclaring(int width, int height) {
  return MakeBmp({40, width, height, 1, 24, 0, 0, {}, {}, {}});
}

std::vector<BadFile> BadPictures() {
  std::vector<BadFile> cases;
  AddJpegCases(cases);
  AddBmpCases(cases);
  AddOtherFormatCases(cases);
  return cases;
}

std::vector<BadFile> BadAssets() {
  const Bytes good = EncodeJpeg(samples::Gradient(32, 24));
  Bytes longerApp0 = good;  // a JFIF head with two more bytes in its APP0
  PutBE16(longerApp0, 4, 18);
  longerApp0.insert(longerApp0.begin() + 20, {0, 0});
  const std::size_t app0End = SegmentEnd(good, 2);
  Bytes noApp0(good.begin(), good.begin() + 2);  // the tables follow the SOI directly
  noApp0.insert(noApp0.end(), good.begin() + std::ptrdiff_t(app0End), good.end());
  Bytes dims = good;
  const std::size_t sof = FindMarker(dims, 0xC0);
  PutBE16(dims, sof + 5, 65500), PutBE16(dims, sof + 7, 65500);

  return {
      {"empty.ssl", {}, Verdict::Refused, kJpegError},
      {"ten-bytes.ssl", Bytes(good.begin(), good.begin() + 10), Verdict::Refused, kJpegError},
      {"sixteen-bytes.ssl", Bytes(good.begin(), good.begin() + 16), Verdict::Refused, kJpegError},
      {"text-after-head.ssl", Join(Bytes(16, 0), Text("this is no JPEG stream at all")),
       Verdict::Refused, kJpegError},
      // The restored head ends at byte 20; the two stray bytes after it are
      // skipped on the way to the next marker.
      {"app0-longer-than-16.ssl", longerApp0, Verdict::Decoded, ""},
      // Bytes 2 to 15 of the first table are lost under the head.
      {"tables-right-after-soi.ssl", noApp0, Verdict::Refused, kJpegError},
      {"declares-65500x65500.ssl", dims, Verdict::Refused, Too(65500, 65500)},
      {"progressive-declares-20000x20000.ssl", ProgressiveDeclaring(20000, 20000), Verdict::Refused,
       Too(20000, 20000)},
      {"zero-head.ssl",
       [&] {
         Bytes b = good;
         std::fill_n(b.begin(), 16, 0);
         return b;
       }(),
       Verdict::Decoded, ""},
  };
}

}  // namespace qv::hostile
