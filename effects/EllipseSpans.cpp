#include "effects/EllipseSpans.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "gfx/Extended.h"

namespace qv {

Span EllipseRow(const Rect &box, std::int64_t y) {
  std::int64_t left = box.Left, right = box.Right, top = box.Top, bottom = box.Bottom;
  if (right < left) std::swap(left, right);
  if (bottom < top) std::swap(top, bottom);
  if (left == right || y < top || y >= bottom) return {};
  // In doubled coordinates about the centre of the box, so that the centre
  // and the pixel centres are whole numbers: pixel x lies at 2x - cx, and
  // the ellipse is (X / width)^2 + (Y / height)^2 <= 1.
  const std::int64_t width = right - left, height = bottom - top;
  const std::int64_t cx = left + right - 1, cy = top + bottom - 1;
  const long double ry = static_cast<long double>(2 * y - cy) / height;
  const long double reach = width * std::sqrt(1 - ry * ry);
  const auto first = static_cast<std::int64_t>(std::ceil((cx - reach) / 2));
  const auto last = static_cast<std::int64_t>(std::floor((cx + reach) / 2));
  Span span;
  span.Left = static_cast<int>(std::max(first, left));
  span.Right = static_cast<int>(std::min(last + 1, right));
  if (span.Empty()) return {};
  return span;
}

Span EllipseInsideRow(const Rect &box, std::int64_t y) {
  const Span here = EllipseRow(box, y);
  const Span above = EllipseRow(box, y - 1), below = EllipseRow(box, y + 1);
  if (here.Empty() || above.Empty() || below.Empty()) return {};
  Span inside;
  inside.Left = std::max({here.Left + 1, above.Left, below.Left});
  inside.Right = std::min({here.Right - 1, above.Right, below.Right});
  if (inside.Empty()) return {};
  return inside;
}

}  // namespace qv
