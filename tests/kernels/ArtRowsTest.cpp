// The art effects made band by band against the whole-picture kernels, on
// the sizes where banding can go wrong: band edges, the blur's halo at the
// top and the bottom, pictures lower than a band or the halo, one row or
// one column, rings that wrap many times, and every split of the passes
// between the two threads.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "gfx/Error.h"
#include "kernels/ArtEffect.h"
#include "kernels/ArtRows.h"
#include "kernels/ScriptedColorPrompt.h"

namespace qv {
namespace {

// Noise over ramps, with flat blocks whose edges the blurs and the
// sharpening must carry across bands.
Bitmap Picture(int width, int height) {
  Bitmap picture(width, height);
  std::uint32_t s = 12345;
  for (int y = 0; y < height; ++y)
    for (std::size_t i = 0; i < picture.RowBytes(); ++i) {
      s = s * 1664525u + 1013904223u;
      const bool flat = (i / 3 / 5 + std::size_t(y) / 4) % 3 == 0;
      picture.ScanLine(y)[i] = std::uint8_t(flat ? 200 : (i + 3 * std::size_t(y)) / 2 + (s >> 29));
    }
  return picture;
}

// Gives the source `chunk` rows at a time into a ring that keeps no more
// than ArtRows is promised, and takes every result row as soon as it may.
Bitmap Banded(int effect, const Bitmap &picture, int chunk, ArtThreads threads,
              const KernelEnv &env) {
  const int width = picture.Width(), height = picture.Height();
  threads.AheadRows = chunk;
  ArtRows art(effect, width, height, env, threads);
  const int capacity = chunk + 16 + art.Lag();
  std::vector<std::uint8_t> kept(picture.RowBytes() * std::size_t(capacity));
  const RowRing ring{kept.data(), picture.RowBytes(), capacity};
  Bitmap result(width, height);
  int made = 0;
  for (int ready = 0; ready < height;) {
    const int given = std::min(ready + chunk, height);
    for (; ready < given; ++ready)
      std::memcpy(ring[ready], picture.ScanLine(ready), picture.RowBytes());
    art.Advance(ring, ready);
    for (const int last = ready == height ? height : ready - art.Lag(); made < last; ++made)
      art.Run(ring.From(made), {result.ScanLine(made), result.RowBytes(), made}, made, made + 1);
  }
  return result;
}

struct Size {
  int width, height, chunk;
  const char *why;
};

const Size kSizes[] = {
    {37, 4, 16, "the lowest picture a blur takes: every row reads the top rows"},
    {37, 5, 2, "the bottom rows read rows 1 to 3 as blurred, two rows given at a time"},
    {37, 7, 1, "one row given at a time"},
    {23, 15, 16, "lower than a band"},
    {23, 17, 16, "a band and one row"},
    {23, 33, 16, "two bands and one row"},
    {1, 40, 16, "one column"},
    {2, 25, 5, "two columns"},
    {7, 29, 3, "as wide as the blur reaches both ways"},
    {8, 29, 3, "one column wider"},
    {41, 1, 16, "one row: the blurs fail as the whole kernels do"},
    {41, 3, 16, "three rows"},
    {19, 300, 7, "rings that wrap many times"},
    {64, 200, 200, "all rows at once"},
};

TEST(ArtRows, BandsGiveTheWholePicturesBytes) {
  // Work the giving thread already has, or the taking one: the first group
  // then keeps one pass, or takes them all.
  const ArtThreads splits[] = {{}, {100, 0}, {0, 100}};
  for (const Size &size : kSizes)
    for (int effect = 1; effect <= kPencilSketch; ++effect) {
      SCOPED_TRACE(testing::Message() << size.width << " x " << size.height << ", " << size.why
                                      << ", effect " << effect);
      const Bitmap picture = Picture(size.width, size.height);
      Bitmap whole;
      try {
        RenderArtEffect(effect, picture, whole, KernelEnv{});
      } catch (const Error &e) {
        EXPECT_THROW(Banded(effect, picture, size.chunk, {}, KernelEnv{}), Error) << e.what();
        continue;
      }
      for (const ArtThreads &split : splits)
        EXPECT_TRUE(Banded(effect, picture, size.chunk, split, KernelEnv{}).SamePixels(whole));
    }
}

// The pencil sketch asks before anything is made; a colour tints it, a
// cancelled question leaves the grey sketch.
TEST(ArtRows, PencilSketchAsksOnceForItsColour) {
  const Bitmap picture = Picture(30, 20);
  for (const ScriptedColorPrompt::Answer answer :
       {ScriptedColorPrompt::Answer(0x2060C0), ScriptedColorPrompt::Answer()}) {
    ScriptedColorPrompt wholePrompt({answer}), bandPrompt({answer});
    Bitmap whole;
    RenderArtEffect(kPencilSketch, picture, whole, KernelEnv{"", &wholePrompt});
    EXPECT_TRUE(
        Banded(kPencilSketch, picture, 16, {}, KernelEnv{"", &bandPrompt}).SamePixels(whole));
    EXPECT_EQ(bandPrompt.TimesAsked(), 1);
  }
}

}  // namespace
}  // namespace qv
