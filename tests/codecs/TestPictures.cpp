#include "TestPictures.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include <jpeglib.h>

#include <gtest/gtest.h>

namespace qv::test {

Bytes BuildBmp(const BmpParts &p) {
  const bool core = p.headerBytes == 12;
  const std::size_t entry = core ? 3 : 4;
  const std::size_t masksOutside = p.headerBytes == 40 ? p.masks.size() * 4 : 0;
  const std::size_t paletteStart = 14 + p.headerBytes + masksOutside;
  const std::size_t offBits =
      p.offBits >= 0 ? std::size_t(p.offBits) : paletteStart + p.palette.size() * entry;

  ByteWriter w;
  w.U8('B'), w.U8('M');
  w.U32(std::uint32_t(offBits + p.pixels.size()));
  w.U32(0);
  w.U32(std::uint32_t(offBits));
  w.U32(p.headerBytes);
  if (core) {
    w.U16(unsigned(p.width)), w.U16(unsigned(p.height)), w.U16(p.planes), w.U16(p.bits);
  } else {
    w.U32(std::uint32_t(p.width)), w.U32(std::uint32_t(p.height));
    w.U16(p.planes), w.U16(p.bits);
    w.U32(p.compression);
    w.U32(std::uint32_t(p.pixels.size()));
    w.U32(2835), w.U32(2835);
    w.U32(std::uint32_t(p.palette.size())), w.U32(0);
    for (std::uint32_t m : p.masks) w.U32(m);
    while (w.bytes.size() < 14 + std::size_t(p.headerBytes) + masksOutside) w.U8(0);
  }
  for (std::uint32_t c : p.palette) {
    w.U8(c & 0xFF), w.U8(c >> 8 & 0xFF), w.U8(c >> 16 & 0xFF);
    if (!core) w.U8(0);
  }
  while (w.bytes.size() < offBits) w.U8(0);
  w.bytes.resize(offBits);
  w.Append(p.pixels);
  return w.bytes;
}

Bytes PackRows(const std::vector<std::vector<std::uint32_t>> &rows, unsigned bits) {
  Bytes out;
  for (const auto &row : rows) {
    Bytes packed((row.size() * bits + 31) / 32 * 4, 0);
    for (std::size_t x = 0; x < row.size(); ++x) {
      if (bits < 8) {
        const std::size_t bit = x * bits;
        packed[bit / 8] |= std::uint8_t(row[x] << (8 - bits - bit % 8));
      } else {
        for (unsigned b = 0; b < bits / 8; ++b)
          packed[x * bits / 8 + b] = std::uint8_t(row[x] >> (8 * b));
      }
    }
    out.insert(out.end(), packed.begin(), packed.end());
  }
  return out;
}

Bitmap Gradient(int width, int height) {
  Bitmap b(width, height);
  for (int y = 0; y < height; ++y) {
    std::uint8_t *row = b.ScanLine(y);
    for (int x = 0; x < width; ++x) {
      row[3 * x] = std::uint8_t(x * 255 / std::max(1, width - 1));
      row[3 * x + 1] = std::uint8_t(y * 255 / std::max(1, height - 1));
      row[3 * x + 2] = std::uint8_t((x + y) * 127 / std::max(1, width + height - 2) + 64);
    }
  }
  return b;
}

Bytes BuildJpeg(const JpegParts &p) {
  jpeg_compress_struct cinfo;
  jpeg_error_mgr err;
  cinfo.err = jpeg_std_error(&err);
  jpeg_create_compress(&cinfo);
  unsigned char *buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = JDIMENSION(p.width);
  cinfo.image_height = JDIMENSION(p.height);
  cinfo.input_components = p.components;
  cinfo.in_color_space = p.components == 1 ? JCS_GRAYSCALE : p.components == 4 ? JCS_CMYK : JCS_RGB;
  jpeg_set_defaults(&cinfo);
  if (p.colorSpace) jpeg_set_colorspace(&cinfo, J_COLOR_SPACE(p.colorSpace));
  if (p.components == 4) cinfo.write_Adobe_marker = p.adobeMarker;
  jpeg_set_quality(&cinfo, p.quality, TRUE);
  if (p.progressive) jpeg_simple_progression(&cinfo);
  cinfo.arith_code = p.arithmetic;
  jpeg_start_compress(&cinfo, TRUE);
  const std::size_t stride = std::size_t(p.width) * std::size_t(p.components);
  if (p.samples.size() != stride * std::size_t(p.height)) throw std::logic_error("sample count");
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(p.samples.data() + cinfo.next_scanline * stride);
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  Bytes out(buffer, buffer + size);
  std::free(buffer);
  return out;
}

double MeanAbsoluteError(const Bitmap &a, const Bitmap &b) {
  if (a.Width() != b.Width() || a.Height() != b.Height() || a.Empty()) return 1e9;
  double total = 0;
  for (int y = 0; y < a.Height(); ++y)
    for (std::size_t i = 0; i < a.RowBytes(); ++i)
      total += std::abs(a.ScanLine(y)[i] - b.ScanLine(y)[i]);
  return total / double(a.ByteCount());
}

TempFolder::TempFolder() {
  std::string pattern = ::testing::TempDir() + "qv-codecs-XXXXXX";
  if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ignored);
  std::filesystem::remove_all(path_, ignored);
}

std::vector<std::string> TempFolder::Names() const {
  std::vector<std::string> names;
  for (const auto &entry : std::filesystem::directory_iterator(path_))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

void WriteRaw(const std::string &path, const Bytes &bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char *>(bytes.data()), std::streamsize(bytes.size()));
}

}  // namespace qv::test
