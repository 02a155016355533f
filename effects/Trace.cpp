// Trace: blackens one side of every colour edge of the palette-reduced
// picture. Amount = number of passes; 0 changes nothing, 1 sweeps forward
// only, 2 and more also sweep backward and all give the same picture.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "effects/Filters.h"
#include "effects/HalftonePalette.h"
#include "gfx/Bands.h"

namespace qv {
namespace {

class Tracer {
 public:
  explicit Tracer(Bitmap &bmp) : bmp_(bmp), width_(bmp.Width()), height_(bmp.Height()) {
    // The palette copy is taken once, before any pixel turns black.
    index_.resize(std::size_t(width_) * std::size_t(height_));
    for (int y = 0; y < height_; ++y) {
      const std::uint8_t *p = bmp.ScanLine(y);
      std::uint8_t *m = &index_[std::size_t(y) * width_];
      for (int x = 0; x < width_; ++x, p += 3) m[x] = HalftoneIndex(p[0], p[1], p[2]);
    }
  }

  void ForwardSweep() {
    // The last two columns are never the current pixel (pixel 0 alone when
    // W = 2); on a picture one pixel wide only the vertical pairs exist.
    const int lastX = std::max(width_ - 3, 0);
    ForEachBandInOrder(height_ - 1, 64, [&](int first, int last) {
      for (int y = first; y < last; ++y)
        for (int x = 0; x <= lastX; ++x) {
          if (x + 1 < width_) Edge(x, y, x + 1, y);
          Edge(x, y, x, y + 1);
        }
    });
  }

  void BackwardSweep() {
    const int firstX = std::min(2, width_ - 1);
    ForEachBandInOrder(height_ - 1, 64, [&](int first, int last) {
      for (int y = height_ - 1 - first; y > height_ - 1 - last; --y)
        for (int x = width_ - 1; x >= firstX; --x) {
          if (x >= 1) Edge(x, y, x - 1, y);
          Edge(x, y, x, y - 1);
        }
    });
  }

 private:
  std::uint8_t Index(int x, int y) const { return index_[std::size_t(y) * width_ + x]; }

  void Blacken(int x, int y) {
    std::uint8_t *p = bmp_.ScanLine(y) + 3 * x;
    p[0] = p[1] = p[2] = 0;
  }

  // At an edge the pixel whose index is not the reference turns black; the
  // reference is the far side of the first edge met in the whole call.
  void Edge(int ax, int ay, int nx, int ny) {
    const std::uint8_t a = Index(ax, ay), n = Index(nx, ny);
    if (a == n) return;
    if (!refSet_) {
      ref_ = n;
      refSet_ = true;
      Blacken(ax, ay);
    } else if (a != ref_) {
      Blacken(ax, ay);
    } else {
      Blacken(nx, ny);
    }
  }

  Bitmap &bmp_;
  const int width_, height_;
  std::vector<std::uint8_t> index_;
  bool refSet_ = false;
  std::uint8_t ref_ = 0;
};

}  // namespace

void ApplyTrace(Bitmap &bmp, int amount) {
  if (amount <= 0 || bmp.Empty()) return;
  Tracer tracer(bmp);
  // Which pixels turn black depends only on the palette copy and the
  // reference, both fixed once the first edge is met, and blackening twice
  // changes nothing: every pass after the second repeats the second.
  const int passes = std::min(amount, 2);
  for (int k = 1; k <= passes; ++k) {
    tracer.ForwardSweep();
    if (k >= 2) tracer.BackwardSweep();
  }
}

}  // namespace qv
