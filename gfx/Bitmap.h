#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "gfx/Color.h"

namespace qv {

// The largest picture the program holds: 120 megapixels, and no side above
// 65535 pixels. A picture of that size takes 360 MB per bitmap; the editor
// keeps four or five of them at once, which a desktop machine can afford.
// The fuzz build holds pictures to a smaller limit (scripts/fuzz), so that
// its runs spend their time in the readers rather than filling pictures.
#ifdef QV_FUZZ_PIXEL_LIMIT
inline constexpr std::int64_t kMaxPixels = QV_FUZZ_PIXEL_LIMIT;
#else
inline constexpr std::int64_t kMaxPixels = 120'000'000;
#endif
inline constexpr int kMaxSide = 65535;

// Throws the "too large" Error when width x height is beyond the limits
// above, or "Bitmap image is not valid" for a negative side. Decoders call
// it before they allocate anything.
void CheckPictureSize(std::int64_t width, std::int64_t height);

struct Rect {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
};

// A 24-bit picture: rows top-down, each pixel blue, green, red, rows packed
// without padding (a row is exactly 3 x Width bytes). It also carries the
// little of a drawing surface that the kernels use: a brush colour, filling,
// stretching and plain copying.
//
// Copies share their pixels until one of them is written: every way to a
// writable pixel (the non-const ScanLine and Bits, and everything that
// draws) first gives the bitmap pixels of its own. So the editor's working
// picture, its undo picture, the render result and the display hold one
// picture between them, not four. Rows reached through ScanLine before a
// bitmap is copied must not be written afterwards. Bands that write one
// bitmap on several threads at once may each be the first writer: the
// bitmap then takes its own pixels once, under a lock.
class Bitmap {
 public:
  Bitmap() = default;
  Bitmap(int width, int height);  // zero-filled (black)
  // Copying gives the size and the pixels (shared until written); the brush
  // starts white as on any new bitmap.
  Bitmap(const Bitmap &other);
  Bitmap(Bitmap &&other) noexcept;
  // Assignment takes the other's size and pixels but keeps this bitmap's
  // brush, like assigning one framework bitmap to another.
  Bitmap &operator=(const Bitmap &other);
  Bitmap &operator=(Bitmap &&other) noexcept;
  ~Bitmap() = default;

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return width_ == 0 || height_ == 0; }
  std::size_t RowBytes() const { return std::size_t(width_) * 3; }
  std::size_t ByteCount() const { return RowBytes() * std::size_t(height_); }

  std::uint8_t *ScanLine(int row) { return Own() + std::size_t(row) * RowBytes(); }
  const std::uint8_t *ScanLine(int row) const { return Bits() + std::size_t(row) * RowBytes(); }
  std::uint8_t *Bits() { return Own(); }
  const std::uint8_t *Bits() const { return pixels_.load(std::memory_order_acquire); }
  // Whether the pixels are those of other as well (neither was written
  // since one was copied from the other).
  bool SharesPixelsWith(const Bitmap &other) const { return owner_ && owner_ == other.owner_; }

  // Resizing keeps the pixels of the area both sizes share; new pixels are
  // black. Width first, then height, as the kernels set them.
  void SetWidth(int width) { SetSize(width, height_); }
  void SetHeight(int height) { SetSize(width_, height); }
  void SetSize(int width, int height);
  // New size with unspecified pixels, for code that overwrites every byte.
  void Recreate(int width, int height);

  TColor Pixel(int x, int y) const;
  void SetPixel(int x, int y, TColor color);

  // The brush is white until the first fill; a fill leaves its colour as the
  // brush colour, which is what a later fill uses when none is chosen.
  TColor BrushColor() const { return brush_; }
  void SetBrushColor(TColor color) { brush_ = color; }
  void FillRect(const Rect &rect);  // clipped to the bitmap
  void Fill() { FillRect({0, 0, width_, height_}); }

  // Draws the whole of source scaled into rect (nearest neighbour: pixels
  // are picked, never averaged), covering every pixel of rect that lies in
  // this bitmap.
  void StretchDraw(const Rect &rect, const Bitmap &source);
  // The rows first to last - 1 of that same drawing and no others, for a
  // pass that stretches and blends a band while it is in the cache. source
  // must be another bitmap.
  void StretchDrawRows(const Rect &rect, const Bitmap &source, int first, int last);
  // Copies source unchanged with its top-left corner at (x, y), clipped.
  void Draw(int x, int y, const Bitmap &source);

  bool SamePixels(const Bitmap &other) const;

 private:
  friend class StretchMap;
  void Allocate(int width, int height);
  // The pixels, made this bitmap's own first if a copy may share them.
  std::uint8_t *Own() {
    if (shared_.load(std::memory_order_acquire)) Detach();
    return pixels_.load(std::memory_order_relaxed);
  }
  void Detach();
  void Adopt(std::shared_ptr<std::uint8_t[]> owner, bool shared);
  // Another bitmap holds these pixels too.
  bool SharedNow() const;

  int width_ = 0;
  int height_ = 0;
  // owner_ keeps the pixels alive and is shared by copies; pixels_ is its
  // pointer, read by the bands without a lock; shared_ is set once a copy
  // was made to or from this bitmap and cleared when it owns its pixels
  // alone again.
  std::shared_ptr<std::uint8_t[]> owner_;
  std::atomic<std::uint8_t *> pixels_{nullptr};
  mutable std::atomic<bool> shared_{false};
  TColor brush_ = clWhite;
};

// The stretch's sampling rule: target pixel i of a run of target pixels
// takes source pixel floor((i + 0.5) x source / target), the centre of its
// place in the source.
inline int StretchSample(std::int64_t i, std::int64_t source, std::int64_t target) {
  return int((2 * i + 1) * source / (2 * target));
}

// StretchDraw of a whole bitmap onto a whole width x height picture, worked
// out once and drawn a row at a time wherever the rows are wanted (a band
// being blended, a scratch row). source must outlive the map, and may be
// empty only when the picture is.
class StretchMap {
 public:
  StretchMap(const Bitmap &source, int width, int height);
  // The source row that row y of the stretch shows; rows that show the
  // same one are equal.
  int SourceRow(int y) const { return StretchSample(y, source_->height_, height_); }
  // Row y of the stretched picture into out, 3 x width bytes.
  void Row(int y, std::uint8_t *out) const;

 private:
  const Bitmap *source_;
  int height_;
  std::vector<std::uint32_t> columnOffset_;
  std::size_t wordSafe_ = 0;  // the columns that can be read four bytes at a time
};

}  // namespace qv
