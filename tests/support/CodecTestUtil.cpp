#include "CodecTestUtil.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace qv::test {

Bitmap Gradient(int width, int height) {
  Bitmap b(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      b.SetPixel(x, y,
                 RGBColor(std::uint8_t(x * 255 / std::max(1, width - 1)),
                          std::uint8_t(y * 255 / std::max(1, height - 1)),
                          std::uint8_t(64 + (x + y) % 128)));
  return b;
}

double MeanAbsoluteError(const Bitmap &a, const Bitmap &b) {
  if (a.Width() != b.Width() || a.Height() != b.Height() || a.Empty()) return 1e9;
  double total = 0;
  for (std::size_t i = 0; i < a.ByteCount(); ++i) total += std::abs(a.Bits()[i] - b.Bits()[i]);
  return total / double(a.ByteCount());
}

Bytes BuildJpeg(const JpegRecipe &r) {
  jpeg_compress_struct cinfo;
  jpeg_error_mgr err;
  cinfo.err = jpeg_std_error(&err);
  jpeg_create_compress(&cinfo);
  unsigned char *buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = JDIMENSION(r.width);
  cinfo.image_height = JDIMENSION(r.height);
  cinfo.input_components = r.components;
  cinfo.in_color_space = r.components == 1 ? JCS_GRAYSCALE : r.components == 4 ? JCS_CMYK : JCS_RGB;
  jpeg_set_defaults(&cinfo);
  if (r.store) jpeg_set_colorspace(&cinfo, J_COLOR_SPACE(r.store));
  if (r.components == 4) cinfo.write_Adobe_marker = r.adobeMarker;
  jpeg_set_quality(&cinfo, 90, TRUE);
  if (r.progressive) jpeg_simple_progression(&cinfo);
  cinfo.arith_code = r.arithmetic;
  jpeg_start_compress(&cinfo, TRUE);
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(&r.samples[cinfo.next_scanline * r.width * r.components]);
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  Bytes out(buffer, buffer + size);
  std::free(buffer);
  return out;
}

JpegRecipe RgbRecipe(const Bitmap &picture) {
  JpegRecipe r{picture.Width(), picture.Height(), 3, {}};
  for (int y = 0; y < picture.Height(); ++y)
    for (int x = 0; x < picture.Width(); ++x) {
      const TColor c = picture.Pixel(x, y);
      r.samples.insert(r.samples.end(), {RedOf(c), GreenOf(c), BlueOf(c)});
    }
  return r;
}

TempFolder::TempFolder() {
  std::string pattern = ::testing::TempDir() + "qv-codecs-XXXXXX";
  path = ::mkdtemp(pattern.data()) ? pattern : "";
  EXPECT_FALSE(path.empty());
}

}  // namespace qv::test
