#include "kernels/MaskDrawing.h"

#include <algorithm>
#include <cstdlib>

namespace qv {

namespace {

constexpr std::int64_t kUnit = kMaskUnit;
constexpr std::uint64_t kOne32 = std::uint64_t(1) << 32;
constexpr std::int64_t kHalf40 = std::int64_t(1) << 39;
constexpr std::int64_t k255Shifted = std::int64_t(255) << 40;

// round(position x side x 16 / 10^6), halves away from the picture's origin
// rounded up, whatever the sign.
std::int64_t Place(std::int32_t position, int side) {
  const std::int64_t scaled = std::int64_t(position) * side * kSubpixel;
  const std::int64_t shifted = scaled + kUnit / 2;
  return shifted >= 0 ? shifted / kUnit : -((-shifted + kUnit - 1) / kUnit);
}

std::int64_t Centre(int pixel) {
  return std::int64_t(pixel) * kSubpixel + kSubpixel / 2;
}

// (a x (255 - s) + b x s + 127) div 255, for a, b and s of 0 to 255.
inline std::uint8_t Over(unsigned a, unsigned b, unsigned s) {
  return std::uint8_t((a * (255 - s) + b * s + 127) / 255);
}

}  // namespace

ShapeGrid::ShapeGrid(const MaskShape &shape, int width, int height)
    : kind_(shape.Kind), invert_(shape.Invert), width_(width), height_(height) {
  if (kind_ == MaskShape::Form::Linear) {
    sx_ = Place(shape.X0, width);
    sy_ = Place(shape.Y0, height);
    dx_ = Place(shape.X1, width) - sx_;
    dy_ = Place(shape.Y1, height) - sy_;
    length_ = dx_ * dx_ + dy_ * dy_;
    scale_ = length_ > 0 ? k255Shifted / length_ : 0;
  } else if (kind_ == MaskShape::Form::Radial) {
    sx_ = Place(shape.X0, width);
    sy_ = Place(shape.Y0, height);
    const std::int64_t rx = std::max<std::int64_t>(Place(shape.X1, width), kSubpixel);
    const std::int64_t ry = std::max<std::int64_t>(Place(shape.Y1, height), kSubpixel);
    kx_ = (std::int64_t(1) << 40) / rx;
    ky_ = (std::int64_t(1) << 40) / ry;
    const std::int32_t feather = std::clamp(shape.Feather, 0, kMaskUnit);
    const std::uint64_t inner = std::uint64_t(kUnit - feather) * 65536 / std::uint64_t(kUnit);
    inner_ = inner * inner;
    fade_ = inner_ < kOne32 ? std::uint64_t(k255Shifted) / (kOne32 - inner_) : 0;
  }
}

template <class Column>
void ShapeGrid::Values(int y, int count, Column column, std::uint8_t *out) const {
  const std::uint8_t flip = invert_ ? 255 : 0;
  if (kind_ == MaskShape::Form::None) {
    std::fill_n(out, count, std::uint8_t(255 ^ flip));
    return;
  }
  if (kind_ == MaskShape::Form::Linear) {
    const std::int64_t down = (Centre(y) - sy_) * dy_;
    for (int i = 0; i < count; ++i) {
      const std::int64_t along = (Centre(column(i)) - sx_) * dx_ + down;
      std::uint8_t value;
      if (along <= 0 || length_ == 0)
        value = 255;
      else if (along >= length_)
        value = 0;
      else
        value = std::uint8_t(255 - ((along * scale_ + kHalf40) >> 40));
      out[i] = value ^ flip;
    }
    return;
  }
  const std::uint64_t v = std::uint64_t(std::llabs(Centre(y) - sy_) * ky_) >> 24;
  const std::uint64_t vv = v * v;
  for (int i = 0; i < count; ++i) {
    const std::uint64_t u = std::uint64_t(std::llabs(Centre(column(i)) - sx_) * kx_) >> 24;
    std::uint8_t value = 0;
    if (u < 65536 && v < 65536) {
      const std::uint64_t distance = u * u + vv;
      if (distance >= kOne32)
        value = 0;
      else if (distance <= inner_)
        value = 255;
      else
        value = std::uint8_t(255 - (((distance - inner_) * fade_ + kHalf40) >> 40));
    }
    out[i] = value ^ flip;
  }
}

void ShapeGrid::Pixels(int y, const int *xs, int count, std::uint8_t *out) const {
  Values(
      y, count, [xs](int i) { return xs[i]; }, out);
}

void ShapeGrid::Span(int y, int x0, int count, std::uint8_t *out) const {
  Values(
      y, count, [x0](int i) { return x0 + i; }, out);
}

void ShapeGrid::Rows(int first, int last, std::uint8_t *out) const {
  for (int y = first; y < last; ++y, out += width_) Span(y, 0, width_, out);
}

MaskRowsFn ShapeRows(const MaskShape &shape, int width, int height) {
  return [grid = ShapeGrid(shape, width, height)](int first, int last, std::uint8_t *rows) {
    grid.Rows(first, last, rows);
  };
}

DabProfile::DabProfile(int hardness, int flow) {
  hardness = std::clamp(hardness, 0, 100);
  const std::uint64_t weight = std::uint64_t((std::clamp(flow, 1, 100) * 255 + 50) / 100);
  const int core = hardness * hardness * 4096 / 10000;
  for (int j = 0; j < 4096; ++j) {
    std::uint64_t falloff = 65536;
    if (j >= core) {
      const std::uint64_t g = (std::uint64_t(4096 - j) << 16) / std::uint64_t(4096 - core);
      falloff = g * g >> 16;
    }
    steps_[std::size_t(j)] = std::uint8_t((falloff * weight + 32768) >> 16);
  }
}

Rect DabBounds(const Dab &dab, int width, int height) {
  const std::int64_t r = std::max<std::int32_t>(dab.Radius, kSubpixel / 2);
  // Pixel x is touched only if its centre lies within r of the dab's.
  auto low = [](std::int64_t edge) {
    return int(std::max<std::int64_t>((edge - kSubpixel / 2 + kSubpixel - 1) / kSubpixel, 0));
  };
  auto high = [](std::int64_t edge, int side) {
    if (edge < kSubpixel / 2) return 0;
    return int(std::min<std::int64_t>((edge - kSubpixel / 2) / kSubpixel + 1, side));
  };
  const std::int64_t left = dab.X - r, top = dab.Y - r;
  Rect bounds{left < 0 ? 0 : low(left), top < 0 ? 0 : low(top), high(dab.X + r, width),
              high(dab.Y + r, height)};
  bounds.Right = std::max(bounds.Right, bounds.Left);
  bounds.Bottom = std::max(bounds.Bottom, bounds.Top);
  return bounds;
}

void PaintDabRow(const Dab &dab, const DabProfile &profile, int y, int x0, int count,
                 std::uint8_t *paint, std::uint8_t *cover) {
  const std::uint64_t r = std::uint64_t(std::max<std::int32_t>(dab.Radius, kSubpixel / 2));
  const std::uint64_t r2 = r * r;
  const std::uint64_t reciprocal = (std::uint64_t(1) << 44) / r2;
  const std::int64_t dy = Centre(y) - dab.Y;
  const std::uint64_t dy2 = std::uint64_t(dy * dy);
  if (dy2 >= r2) return;
  const unsigned value = dab.Value;
  for (int i = 0; i < count; ++i) {
    const std::int64_t dx = Centre(x0 + i) - dab.X;
    const std::uint64_t q = std::uint64_t(dx * dx) + dy2;
    if (q >= r2) continue;
    const unsigned s = profile[int((q * reciprocal) >> 32)];
    cover[i] = Over(cover[i], 255, s);
    paint[i] = Over(paint[i], value, s);
  }
}

void ComposeMaskRow(const std::uint8_t *base, const std::uint8_t *paint, const std::uint8_t *cover,
                    int count, bool invert, std::uint8_t *out) {
  const std::uint8_t flip = invert ? 255 : 0;
  if (!paint || !cover) {
    for (int i = 0; i < count; ++i) out[i] = base[i] ^ flip;
    return;
  }
  for (int i = 0; i < count; ++i) {
    const unsigned a = cover[i];
    out[i] = std::uint8_t((paint[i] + (base[i] * (255 - a) + 127) / 255) ^ flip);
  }
}

}  // namespace qv
