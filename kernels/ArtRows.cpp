#include "kernels/ArtRows.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "effects/FilterErrors.h"
#include "effects/Filters.h"
#include "gfx/Error.h"
#include "gfx/LargeMemory.h"
#include "kernels/ArtEffect.h"
#include "kernels/ArtKernels.h"
#include "kernels/ChannelPass.h"
#include "kernels/Greyscale.h"

namespace qv {

namespace {

// The art kernels blur at distance 3: a pass reads three rows further down.
constexpr int kDistance = 3;
// Rows a ring between two passes of one group keeps: the three the blur
// reads below its row, its own row, and the three above it that it reads
// back, with room to spare.
constexpr int kInnerRing = 8;

// Work per pixel of each kind of pass, in blur passes of a colour picture;
// measured at 24 megapixels with AVX2 (a blur pass takes about 8 ms there).
constexpr double kBlurColour = 1, kBlurGrey = 0.35, kGreyPlane = 0.8, kMosaic = 0.5, kSharpen = 1.8,
                 kBlend = 0.6, kGreyBlend = 2, kCurve = 2.5;

}  // namespace

namespace detail {

// What a pass reads: another pass's rows or rows given from outside.
class RowInput {
 public:
  virtual ~RowInput() = default;
  // Makes sure row y is there: a pass makes it and the rows before it.
  virtual void Ensure(int y) = 0;
  virtual const std::uint8_t *Row(int y) const = 0;
};

class GivenRows final : public RowInput {
 public:
  void Set(const RowRing &rows) { rows_ = rows; }
  void Ensure(int) override {}
  const std::uint8_t *Row(int y) const override { return rows_[y]; }

 private:
  RowRing rows_;
};

// A pass that makes its rows in order, each from its input's rows up to
// Halo() further down, once they are there.
class ArtPass : public RowInput {
 public:
  ArtPass(std::size_t rowBytes, int height, int halo, double cost)
      : bytes_(rowBytes), height_(height), halo_(halo), cost_(cost) {}

  void ReadFrom(RowInput &input) { input_ = &input; }
  // Gives the ring its size: rows kept besides the one being made.
  void Keep(int rows) {
    const int capacity = std::min(rows + 1, height_);
    storage_ = MakeLargeBlock(bytes_ * std::size_t(capacity));
    ring_ = {storage_.get(), bytes_, capacity};
  }
  const RowRing &Ring() const { return ring_; }
  int Halo() const { return halo_; }
  double Cost() const { return cost_; }

  void Ensure(int y) override {
    for (; made_ <= y; ++made_) {
      input_->Ensure(std::min(made_ + halo_, height_ - 1));
      Make(made_, ring_[made_]);
    }
  }
  const std::uint8_t *Row(int y) const override { return ring_[y]; }

 protected:
  virtual void Make(int y, std::uint8_t *out) = 0;
  const std::uint8_t *In(int y) const { return input_->Row(y); }

  const std::size_t bytes_;
  const int height_;

 private:
  const int halo_;
  const double cost_;
  RowInput *input_ = nullptr;
  LargeBlock storage_;
  RowRing ring_;
  int made_ = 0;
};

}  // namespace detail

namespace {

// One pass of the split blur at distance 3, of a colour picture or a grey
// plane. The whole-picture pass overwrites the picture top to bottom, so row
// y reads the row three above as already blurred and the row three below
// as it was; the rows at the top read themselves as they are being
// written, and the last three read rows 1 to 3 as already blurred.
class BlurPass final : public detail::ArtPass {
 public:
  BlurPass(int width, int height, int channels)
      : ArtPass(std::size_t(width) * std::size_t(channels), height, kDistance,
                channels == 3 ? kBlurColour : kBlurGrey),
        width_(width),
        channels_(channels),
        top_(bytes_ * (kDistance + 1)) {}

 private:
  void Make(int y, std::uint8_t *out) override {
    const int u = y - kDistance >= 0 ? y - kDistance : y;
    const int l = y + kDistance < height_ ? y + kDistance : height_ - y;
    if (u == y || l == y) std::memcpy(out, In(y), bytes_);
    const std::uint8_t *upper = u == y ? out : Row(u);
    // Below the row: as it was; above it (only rows 1 to 3 are read so):
    // as blurred, kept since they were made.
    const std::uint8_t *lower = l == y ? out : l > y ? In(l) : &top_[bytes_ * std::size_t(l)];
    SplitBlurRow(out, upper, lower, width_, kDistance, channels_);
    if (y <= kDistance) std::memcpy(&top_[bytes_ * std::size_t(y)], out, bytes_);
  }

  const int width_, channels_;
  std::vector<std::uint8_t> top_;
};

// The mosaic: every row of a block row is the first row of the block row
// with each block in the colour of its first pixel.
class MosaicPass final : public detail::ArtPass {
 public:
  MosaicPass(int width, int height, int block)
      : ArtPass(std::size_t(width) * 3, height, 0, kMosaic), block_(block), blocks_(bytes_) {}

 private:
  void Make(int y, std::uint8_t *out) override {
    if (block_ <= 1) return void(std::memcpy(out, In(y), bytes_));
    if (y % block_ == 0) {
      const std::uint8_t *in = In(y);
      const std::size_t step = std::size_t(block_) * 3;
      for (std::size_t start = 0; start < bytes_; start += step)
        for (std::size_t i = start; i < std::min(start + step, bytes_); i += 3)
          std::memcpy(&blocks_[i], in + start, 3);
    }
    std::memcpy(out, blocks_.data(), bytes_);
  }

  const int block_;
  std::vector<std::uint8_t> blocks_;
};

// One diagonal sharpening, from the row above as already sharpened.
class SharpenPass final : public detail::ArtPass {
 public:
  SharpenPass(int width, int height) : ArtPass(std::size_t(width) * 3, height, 0, kSharpen) {}

 private:
  void Make(int y, std::uint8_t *out) override {
    std::memcpy(out, In(y), bytes_);
    DiagonalSharpenRow(out, y > 0 ? Row(y - 1) : nullptr, bytes_);
  }
};

// The grey value of every pixel, one byte each, or its complement.
class GreyPlanePass final : public detail::ArtPass {
 public:
  GreyPlanePass(int width, int height, bool inverted)
      : ArtPass(std::size_t(width), height, 0, kGreyPlane), inverted_(inverted) {}

 private:
  void Make(int y, std::uint8_t *out) override {
    GreyPlaneRow(In(y), out, bytes_, inverted_ ? 255 : 0);
  }

  const bool inverted_;
};

// Each byte of a grey plane three times, or its complement.
void Spread(const std::uint8_t *plane, std::uint8_t *out, int width, std::uint8_t flip) {
  for (int x = 0; x < width; ++x) out[3 * x] = out[3 * x + 1] = out[3 * x + 2] = plane[x] ^ flip;
}

bool Blurs(int effect) {
  return (effect >= 1 && effect <= 7) || effect == kPencilSketch;
}

}  // namespace

ArtRows::ArtRows(int effect, int width, int height, const KernelEnv &env, const ArtThreads &threads)
    : effect_(effect), width_(width), height_(height), bytes_(std::size_t(width) * 3) {
  if (effect < 1 || effect > kPencilSketch)
    throw Error(Say(QV_TEXT("There is no art effect %1"), effect));
  // The blur's lower sample of row 0 is row 3.
  if (Blurs(effect) && height <= kDistance) throw Error(kScanLineOutOfRange);

  auto blurs = [&](int count, int channels) {
    for (int i = 0; i < count; ++i)
      passes_.push_back(std::make_unique<BlurPass>(width, height, channels));
  };
  double blend = kGreyBlend;
  if (effect <= 6) {
    blurs(4, 3);  // the Gaussian blur of amount 3
    if (effect == 1 || effect == 2 || effect == 6) blend = kBlend;
  } else if (effect == 7) {
    // The grey negative is the same in all three bytes, and so is its blur.
    passes_.push_back(std::make_unique<GreyPlanePass>(width, height, true));
    blurs(4, 1);
  } else if (effect == 9) {
    const int block = width >= height ? width / 15 : height / 15;
    passes_.push_back(std::make_unique<MosaicPass>(width, height, block));
    for (int i = 0; i < 3; ++i) passes_.push_back(std::make_unique<SharpenPass>(width, height));
  } else if (effect == kPencilSketch) {
    passes_.push_back(std::make_unique<GreyPlanePass>(width, height, false));
    blurs(2, 1);  // the Gaussian blur of amount 1
  } else {
    blend = kCurve;  // a table per byte
  }

  // The first group takes passes while that shortens the longer of the two
  // threads' work; it takes at least the first, so that the second group
  // never reads the source beyond the rows of its band.
  const int count = int(passes_.size());
  double giving = threads.Giving, taking = threads.Taking + blend;
  for (const auto &pass : passes_) taking += pass->Cost();
  if (count > 0) {
    front_ = 1;
    giving += passes_[0]->Cost();
    taking -= passes_[0]->Cost();
    while (front_ < count) {
      const double cost = passes_[std::size_t(front_)]->Cost();
      if (std::max(giving + cost, taking - cost) >= std::max(giving, taking)) break;
      giving += cost;
      taking -= cost;
      ++front_;
    }
  }

  for (int i = 0; i < count; ++i) {
    lag_ += passes_[std::size_t(i)]->Halo();
    if (i < front_) frontLag_ += passes_[std::size_t(i)]->Halo();
  }
  source_ = std::make_unique<detail::GivenRows>();
  boundary_ = std::make_unique<detail::GivenRows>();
  for (int i = 0; i < count; ++i) {
    detail::ArtPass &pass = *passes_[std::size_t(i)];
    if (i == 0)
      pass.ReadFrom(*source_);
    else if (i == front_)
      pass.ReadFrom(*boundary_);
    else
      pass.ReadFrom(*passes_[std::size_t(i - 1)]);
    // The first group's last pass is read on the other thread, which may
    // be as far behind as the source may run ahead.
    const int reader = i + 1 < count ? passes_[std::size_t(i + 1)]->Halo() : 0;
    pass.Keep(i + 1 == front_ ? threads.AheadRows + lag_ + 16 : std::max(kInnerRing, reader + 4));
  }
  if (front_ > 0) boundary_->Set(passes_[std::size_t(front_ - 1)]->Ring());

  scratch_.resize(2 * bytes_);
  if (effect == kPencilSketch && env.PickColorFlag())
    if (const auto color = env.AskColor()) {
      tinted_ = true;
      tint_ = ColorRow(*color, width);
    }
}

ArtRows::~ArtRows() = default;

void ArtRows::Advance(const RowRing &source, int ready) {
  source_->Set(source);
  if (front_ == 0) return;
  const int target = ready >= height_ ? height_ - 1 : ready - 1 - frontLag_;
  if (target >= 0) passes_[std::size_t(front_ - 1)]->Ensure(target);
}

void ArtRows::Run(PictureRows source, PictureRows result, int first, int last) {
  const int count = int(passes_.size());
  for (int y = first; y < last; ++y) {
    const std::uint8_t *made = nullptr;
    if (count > front_) {
      passes_.back()->Ensure(y);
      made = passes_.back()->Row(y);
    } else if (count > 0) {
      made = boundary_->Row(y);
    }
    Combine(source[y], made, result[y]);
  }
}

// The blend of the source row with the row the passes made, as the
// whole-picture kernel blends the two pictures.
void ArtRows::Combine(const std::uint8_t *source, const std::uint8_t *made, std::uint8_t *out) {
  std::uint8_t *greySource = scratch_.data(), *other = greySource + bytes_;
  auto grey = [&](const std::uint8_t *row, std::uint8_t *copy) {
    std::memcpy(copy, row, bytes_);
    GreyscaleRow(copy, std::size_t(width_));
    return copy;
  };
  switch (effect_) {
    case 1:
      return LightenRow(out, source, made, bytes_);
    case 2:
      return DarkenRow(out, source, made, bytes_);
    case 3:
      return DarkenRow(out, grey(source, greySource), grey(made, other), bytes_);
    case 4:
      return DarkenRow(out, grey(source, greySource), made, bytes_);
    case 5:
      return OverlayRow(out, grey(source, greySource), made, bytes_);
    case 6:
      return ScreenRow(out, source, made, bytes_);
    case 7:
      Spread(made, other, width_, 0);
      return DodgeRow(out, source, other, bytes_);
    case 8:
      return ContrastCurveRow(out, source, bytes_);
    case 9:
      return OverlayRow(out, made, source, bytes_);
    default:
      // The pencil sketch: the grey picture dodged with its blurred negative.
      Spread(made, other, width_, 255);
      DodgeRow(out, grey(source, greySource), other, bytes_);
      if (tinted_) OverlayRow(out, out, tint_.data(), bytes_);
  }
}

}  // namespace qv
