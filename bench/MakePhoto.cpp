// qv_make_photo IN OUT.jpg WIDTH HEIGHT: the picture IN (the sample picture)
// scaled bilinearly to WIDTH x HEIGHT with a fine grain over it, written as
// a JPEG of quality 92. The grain gives the file the entropy of a camera's
// photo, which a plain enlargement lacks, so that the decoder and encoder
// are timed on the work a real photo costs. The same bytes on every run.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include "codecs/Codecs.h"

namespace {

qv::Bitmap Enlarged(const qv::Bitmap &in, int width, int height) {
  qv::Bitmap out(width, height);
  const double sx = double(in.Width() - 1) / std::max(width - 1, 1);
  const double sy = double(in.Height() - 1) / std::max(height - 1, 1);
  std::uint32_t grain = 0x2545F491u;
  for (int y = 0; y < height; ++y) {
    const double fy = y * sy;
    const int y0 = int(fy), y1 = std::min(y0 + 1, in.Height() - 1);
    const double wy = fy - y0;
    const std::uint8_t *r0 = in.ScanLine(y0), *r1 = in.ScanLine(y1);
    std::uint8_t *row = out.ScanLine(y);
    for (int x = 0; x < width; ++x) {
      const double fx = x * sx;
      const int x0 = int(fx), x1 = std::min(x0 + 1, in.Width() - 1);
      const double wx = fx - x0;
      grain ^= grain << 13, grain ^= grain >> 17, grain ^= grain << 5;
      const int noise = int(grain >> 29) - 4;  // -4..3, the same on all channels
      for (int c = 0; c < 3; ++c) {
        const double top = r0[3 * x0 + c] * (1 - wx) + r0[3 * x1 + c] * wx;
        const double bottom = r1[3 * x0 + c] * (1 - wx) + r1[3 * x1 + c] * wx;
        const int v = int(top * (1 - wy) + bottom * wy + 0.5) + noise;
        row[3 * x + c] = std::uint8_t(v < 0 ? 0 : v > 255 ? 255 : v);
      }
    }
  }
  return out;
}

}  // namespace

int main(int argc, char **argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: qv_make_photo IN OUT.jpg WIDTH HEIGHT\n");
    return 2;
  }
  try {
    const qv::Bitmap in = qv::ReadPicture(argv[1]);
    const qv::Bitmap photo = Enlarged(in, std::atoi(argv[3]), std::atoi(argv[4]));
    qv::WriteFileBytes(argv[2], qv::EncodeJpeg(photo, 92));
  } catch (const std::exception &e) {
    std::fprintf(stderr, "qv_make_photo: %s\n", e.what());
    return 1;
  }
  return 0;
}
