#include "gfx/Bitmap.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <new>
#include <vector>

#include "gfx/Bands.h"
#include "gfx/Error.h"
#include "gfx/LargeMemory.h"

namespace qv {

void CheckPictureSize(std::int64_t width, std::int64_t height) {
  if (width < 0 || height < 0) throw Error(QV_TEXT("Bitmap image is not valid"));
  if (width > kMaxSide || height > kMaxSide || width * height > kMaxPixels)
    throw Error(Say(QV_TEXT("Picture is too large (%1 x %2 pixels); the limit is %3 megapixels"),
                    width, height, kMaxPixels / 1'000'000));
}

namespace {

std::shared_ptr<std::uint8_t[]> NewPixels(std::size_t bytes) {
  return std::shared_ptr<std::uint8_t[]>(AllocateLarge(bytes), LargeFree());
}

}  // namespace

Bitmap::Bitmap(int width, int height) {
  Allocate(width, height);
  if (ByteCount()) std::memset(Bits(), 0, ByteCount());
}

Bitmap::Bitmap(const Bitmap &other) : width_(other.width_), height_(other.height_) {
  Adopt(other.owner_, true);
  if (owner_) other.shared_.store(true, std::memory_order_release);
}

Bitmap::Bitmap(Bitmap &&other) noexcept
    : width_(other.width_), height_(other.height_), brush_(other.brush_) {
  Adopt(std::move(other.owner_), other.shared_.load(std::memory_order_relaxed));
  other.Adopt(nullptr, false);
  other.width_ = other.height_ = 0;
}

Bitmap &Bitmap::operator=(const Bitmap &other) {
  if (this == &other) return *this;
  width_ = other.width_;
  height_ = other.height_;
  Adopt(other.owner_, true);
  if (owner_) other.shared_.store(true, std::memory_order_release);
  return *this;
}

Bitmap &Bitmap::operator=(Bitmap &&other) noexcept {
  if (this == &other) return *this;
  width_ = other.width_;
  height_ = other.height_;
  Adopt(std::move(other.owner_), other.shared_.load(std::memory_order_relaxed));
  other.Adopt(nullptr, false);
  other.width_ = other.height_ = 0;
  return *this;
}

void Bitmap::Adopt(std::shared_ptr<std::uint8_t[]> owner, bool shared) {
  owner_ = std::move(owner);
  pixels_.store(owner_.get(), std::memory_order_relaxed);
  shared_.store(shared && owner_, std::memory_order_release);
}

bool Bitmap::SharedNow() const {
  return shared_.load(std::memory_order_acquire) && owner_.use_count() > 1;
}

void Bitmap::Detach() {
  // One lock for all bitmaps: taking pixels of one's own is rare (once per
  // copy that is written), and the bands that write one bitmap may all
  // arrive here at once.
  static std::mutex lock;
  const std::lock_guard<std::mutex> held(lock);
  if (!shared_.load(std::memory_order_relaxed)) return;
  if (owner_.use_count() > 1) {
    auto own = NewPixels(ByteCount());
    if (ByteCount()) std::memcpy(own.get(), owner_.get(), ByteCount());
    owner_ = std::move(own);
    pixels_.store(owner_.get(), std::memory_order_relaxed);
  }
  shared_.store(false, std::memory_order_release);
}

void Bitmap::Allocate(int width, int height) {
  CheckPictureSize(width, height);
  const std::size_t bytes = std::size_t(width) * 3 * std::size_t(height);
  // Never hand out a null row pointer, even for an empty bitmap.
  Adopt(NewPixels(bytes), false);
  width_ = width;
  height_ = height;
}

// Pixels of its own are kept when the byte count allows (a pass that
// rewrites a bitmap reuses its memory instead of faulting in new pages);
// shared ones are left to the copies.
void Bitmap::Recreate(int width, int height) {
  if (owner_ && !SharedNow() && std::size_t(width) * 3 * std::size_t(height) == ByteCount()) {
    CheckPictureSize(width, height);
    width_ = width;
    height_ = height;
    shared_.store(false, std::memory_order_release);
    return;
  }
  Allocate(width, height);
}

void Bitmap::SetSize(int width, int height) {
  if (width == width_ && height == height_ && owner_) return;
  Bitmap resized(width, height);
  const Bitmap &from = *this;
  const int keepRows = std::min(height, height_);
  const std::size_t keepBytes = std::size_t(std::min(width, width_)) * 3;
  for (int y = 0; y < keepRows; ++y) std::memcpy(resized.ScanLine(y), from.ScanLine(y), keepBytes);
  width_ = width;
  height_ = height;
  Adopt(std::move(resized.owner_), false);
}

TColor Bitmap::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return clBlack;
  const std::uint8_t *p = ScanLine(y) + 3 * x;
  return RGBColor(p[2], p[1], p[0]);
}

void Bitmap::SetPixel(int x, int y, TColor color) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  std::uint8_t *p = ScanLine(y) + 3 * x;
  p[0] = BlueOf(color);
  p[1] = GreenOf(color);
  p[2] = RedOf(color);
}

void Bitmap::FillRect(const Rect &rect) {
  const int left = std::max(rect.Left, 0), right = std::min(rect.Right, width_);
  const int top = std::max(rect.Top, 0), bottom = std::min(rect.Bottom, height_);
  if (left >= right || top >= bottom) return;
  const std::uint8_t b = BlueOf(brush_), g = GreenOf(brush_), r = RedOf(brush_);
  // Build one filled row, then copy it to every other row.
  std::uint8_t *first = ScanLine(top) + 3 * left;
  const std::size_t bytes = std::size_t(right - left) * 3;
  for (std::size_t i = 0; i < bytes; i += 3) {
    first[i] = b;
    first[i + 1] = g;
    first[i + 2] = r;
  }
  for (int y = top + 1; y < bottom; ++y) std::memcpy(ScanLine(y) + 3 * left, first, bytes);
}

void Bitmap::StretchDraw(const Rect &rect, const Bitmap &source) {
  const int dw = rect.Width(), dh = rect.Height();
  if (dw <= 0 || dh <= 0 || source.Empty()) return;
  const int left = std::max(rect.Left, 0), right = std::min(rect.Right, width_);
  const int top = std::max(rect.Top, 0), bottom = std::min(rect.Bottom, height_);
  if (left >= right || top >= bottom) return;
  if (&source == this) {
    const Bitmap copy(source);
    StretchDraw(rect, copy);
    return;
  }
  const std::size_t rowBytes = std::size_t(right - left) * 3;
  // Rows are independent, so bands of them are shared out among the cores.
  ForEachBand(bottom - top, 64, WorthSharing(rowBytes * std::size_t(bottom - top)),
              [&](int first, int last) { StretchDrawRows(rect, source, top + first, top + last); });
}

void Bitmap::StretchDrawRows(const Rect &rect, const Bitmap &source, int first, int last) {
  const int dw = rect.Width(), dh = rect.Height();
  if (dw <= 0 || dh <= 0 || source.Empty()) return;
  const int left = std::max(rect.Left, 0), right = std::min(rect.Right, width_);
  const int top = std::max({rect.Top, 0, first}), bottom = std::min({rect.Bottom, height_, last});
  if (left >= right || top >= bottom) return;
  // The column map is computed once per call.
  std::vector<std::uint32_t> columnOffset(std::size_t(right - left));
  for (int x = left; x < right; ++x)
    columnOffset[std::size_t(x - left)] =
        std::uint32_t(StretchSample(x - rect.Left, source.width_, dw) * 3);
  const std::size_t rowBytes = std::size_t(right - left) * 3;
  const std::uint8_t *lastRow = nullptr;
  std::uint8_t *lastOut = nullptr;
  for (int y = top; y < bottom; ++y) {
    const std::uint8_t *in = source.ScanLine(StretchSample(y - rect.Top, source.height_, dh));
    std::uint8_t *out = ScanLine(y) + 3 * left;
    if (in == lastRow) {  // enlarging repeats rows: copy the finished one
      std::memcpy(out, lastOut, rowBytes);
      continue;
    }
    for (std::size_t k = 0; k < columnOffset.size(); ++k) {
      const std::uint8_t *p = in + columnOffset[k];
      out[3 * k] = p[0];
      out[3 * k + 1] = p[1];
      out[3 * k + 2] = p[2];
    }
    lastRow = in;
    lastOut = out;
  }
}

StretchMap::StretchMap(const Bitmap &source, int width, int height)
    : source_(&source), height_(height) {
  if (width < 0 || height < 0 || (source.Empty() && width > 0 && height > 0))
    throw Error(QV_TEXT("Bitmap image is not valid"));
  columnOffset_.resize(std::size_t(width));
  for (int x = 0; x < width; ++x) {
    columnOffset_[std::size_t(x)] = std::uint32_t(StretchSample(x, source.width_, width) * 3);
    // The offsets rise with x: these first ones leave a fourth byte in the row.
    if (columnOffset_[std::size_t(x)] + 4 <= source.RowBytes()) wordSafe_ = std::size_t(x) + 1;
  }
}

void StretchMap::Row(int y, std::uint8_t *out) const {
  const std::uint8_t *in = source_->ScanLine(SourceRow(y));
  const std::uint32_t *offset = columnOffset_.data();
  const std::size_t n = columnOffset_.size();
  // Four bytes at a time, the fourth overwritten by the next pixel, while
  // both the source row and the target row have one to spare.
  const std::size_t words = std::min(wordSafe_, n > 0 ? n - 1 : 0);
  std::size_t k = 0;
  for (; k < words; ++k) std::memcpy(out + 3 * k, in + offset[k], 4);
  for (; k < n; ++k) std::memcpy(out + 3 * k, in + offset[k], 3);
}

void Bitmap::Draw(int x, int y, const Bitmap &source) {
  if (&source == this) return;  // a copy onto itself at any offset is not used
  const int left = std::max(x, 0),
            right = std::min<std::int64_t>(std::int64_t(x) + source.width_, width_);
  const int top = std::max(y, 0),
            bottom = std::min<std::int64_t>(std::int64_t(y) + source.height_, height_);
  if (left >= right || top >= bottom) return;
  const std::size_t bytes = std::size_t(right - left) * 3;
  for (int row = top; row < bottom; ++row)
    std::memcpy(ScanLine(row) + 3 * left, source.ScanLine(row - y) + 3 * (left - x), bytes);
}

bool Bitmap::SamePixels(const Bitmap &other) const {
  return width_ == other.width_ && height_ == other.height_ &&
         (ByteCount() == 0 || SharesPixelsWith(other) ||
          std::memcmp(Bits(), other.Bits(), ByteCount()) == 0);
}

}  // namespace qv
