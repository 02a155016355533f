// The asset folders the build lays out: every file present, a plain JFIF
// stream the asset loader reads, and the properties the blends rely on.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

#include "ArtworkFiles.h"
#include "codecs/Codecs.h"
#include "gfx/Error.h"
#include "kernels/AssetStore.h"

namespace qv::test {
namespace {

struct Stats {
  double mean = 0;
  double deviation = 0;
  int median = 0;
  double below(int v) const { return FractionBelow[v]; }
  double above(int v) const { return 1.0 - FractionBelow[v + 1]; }
  double FractionBelow[257] = {};  // share of pixels with luminance < v
  double chroma = 0;               // mean of max - min channel
  double bright = 0;               // share of pixels with a channel above 150
};

Stats Measure(const Bitmap &b) {
  Stats s;
  const std::vector<int> lum = Luminances(b);
  std::vector<double> histogram(256);
  double sum = 0, sum2 = 0;
  for (int v : lum) {
    histogram[std::size_t(v)] += 1;
    sum += v;
    sum2 += double(v) * v;
  }
  const double n = double(lum.size());
  s.mean = sum / n;
  s.deviation = std::sqrt(std::max(0.0, sum2 / n - s.mean * s.mean));
  for (int v = 0; v < 256; ++v) s.FractionBelow[v + 1] = s.FractionBelow[v] + histogram[v] / n;
  while (s.FractionBelow[s.median + 1] < 0.5) ++s.median;
  double chroma = 0;
  for (int y = 0; y < b.Height(); ++y) {
    const std::uint8_t *row = b.ScanLine(y);
    for (int x = 0; x < b.Width(); ++x) {
      const std::uint8_t *p = row + 3 * x;
      const int top = std::max({p[0], p[1], p[2]});
      chroma += top - std::min({p[0], p[1], p[2]});
      s.bright += top > 150;
    }
  }
  s.chroma = chroma / n;
  s.bright /= n;
  return s;
}

std::string FilePath(const std::string &folder, int n) {
  return kArtworkDir + "pic/" + folder + "/" + std::to_string(n) + ".ssl";
}

Bitmap Load(const std::string &folder, int n) {
  Bitmap b;
  LoadAsset(FilePath(folder, n), b);
  return b;
}

bool IsLightFolder(const std::string &f) {
  return f == "lightA" || f == "lightB" || f == "lightC" || f == "star" || f == "amazing" ||
         f == "weather" || f == "dreamA" || f == "dreamB";
}

// A baseline JFIF stream whose APP0 segment is 16 bytes long: its first 16
// bytes can be replaced by the loader's fixed head without changing it.
TEST(AssetFiles, EveryFolderHoldsItsFilesAsPlainBaselineJfif) {
  const std::uint8_t head[] = {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 'J', 'F', 'I', 'F', 0};
  for (const AssetFolder &folder : AssetFolders()) {
    for (int n = 1; n <= folder.Files; ++n) {
      SCOPED_TRACE(FilePath(folder.Name, n));
      const Bytes bytes = ReadFileBytes(FilePath(folder.Name, n));
      ASSERT_GT(bytes.size(), 1000u);
      EXPECT_EQ(std::memcmp(bytes.data(), head, sizeof head), 0);
      // The frame is baseline (SOF0), never progressive or extended.
      bool baseline = false, other = false;
      for (std::size_t i = 2; i + 1 < bytes.size(); ++i) {
        if (bytes[i] != 0xFF) continue;
        baseline |= bytes[i + 1] == 0xC0;
        other |= bytes[i + 1] >= 0xC1 && bytes[i + 1] <= 0xCF && bytes[i + 1] != 0xC4 &&
                 bytes[i + 1] != 0xC8 && bytes[i + 1] != 0xCC;
        if (bytes[i + 1] == 0xDA) break;  // scan data follows the headers
      }
      EXPECT_TRUE(baseline);
      EXPECT_FALSE(other);

      Bitmap b;
      ASSERT_NO_THROW(LoadAsset(FilePath(folder.Name, n), b));
      EXPECT_GE(b.Width(), 640);
      EXPECT_LE(b.Width(), 1024);
      EXPECT_GE(b.Height(), 480);
      EXPECT_LE(b.Height(), 768);
      // Decoding through the loader's head gives the same picture as the
      // file's own head.
      EXPECT_TRUE(b.SamePixels(DecodeJpeg(bytes)));
    }
    // Nothing past the last number, so the folder holds exactly its files.
    EXPECT_THROW(Load(folder.Name, folder.Files + 1), Error);
  }
}

TEST(AssetFiles, SamplePictureIsALargeColourfulPainting) {
  const Bitmap sample = ReadPicture(kArtworkDir + "pic/sample.jpg");
  EXPECT_EQ(sample.Width(), 1600);
  EXPECT_EQ(sample.Height(), 1200);
  const Stats s = Measure(sample);
  EXPECT_GT(s.deviation, 35);  // light and shadow
  EXPECT_GT(s.chroma, 40);     // colour
  EXPECT_GT(s.below(40), 0.02);
  EXPECT_GT(s.above(220), 0.02);
}

// Screened maps add nothing where they are black: most of each map is
// dark, and its features are bright (in at least one channel: a saturated
// blue light is bright but has a low luminance).
TEST(AssetFiles, LightMapsAreMostlyDarkWithBrightFeatures) {
  for (const AssetFolder &folder : AssetFolders()) {
    if (!IsLightFolder(folder.Name)) continue;
    for (int n = 1; n <= folder.Files; ++n) {
      SCOPED_TRACE(FilePath(folder.Name, n));
      const Stats s = Measure(Load(folder.Name, n));
      EXPECT_LT(s.mean, 100);
      EXPECT_GT(s.below(64), 0.35);
      EXPECT_GT(s.bright, 0.002);
    }
  }
}

// Overlay with 128 leaves the picture as it is, so these maps sit around
// mid-grey: gradients tint (they carry colour), textures only add relief.
TEST(AssetFiles, GradientAndTextureMapsAreCentredOnMidGrey) {
  for (int n = 1; n <= 10; ++n) {
    SCOPED_TRACE(n);
    const Stats gradient = Measure(Load("gradient", n));
    EXPECT_NEAR(gradient.mean, 128, 25);
    EXPECT_GT(gradient.chroma, 12);
    const Stats texture = Measure(Load("texture", n));
    EXPECT_NEAR(texture.mean, 128, 6);
    EXPECT_GT(texture.deviation, 5);
    EXPECT_LT(texture.chroma, 24);
  }
}

// White shows the picture, black the fill colour: every frame has plenty
// of both, and the middle of the picture shows through.
TEST(AssetFiles, FrameMattesHaveWhiteAndBlackAreas) {
  for (const char *folder : {"EdgeA", "EdgeB"}) {
    for (int n = 1; n <= 10; ++n) {
      SCOPED_TRACE(FilePath(folder, n));
      const Bitmap b = Load(folder, n);
      const Stats s = Measure(b);
      EXPECT_GT(s.above(235), 0.3);
      EXPECT_GT(s.below(20), 0.05);
      Bitmap middle(b.Width() / 2, b.Height() / 2);
      middle.Draw(-b.Width() / 4, -b.Height() / 4, b);
      EXPECT_GT(Measure(middle).above(235), 0.6);
    }
  }
}

TEST(AssetFiles, ColourMapsHaveClearLightAndDarkParts) {
  for (int n = 1; n <= 2; ++n) {
    SCOPED_TRACE(n);
    const Stats s = Measure(Load("color", n));
    EXPECT_GT(s.above(190), 0.1);
    EXPECT_LT(s.below(64), 0.9);
    EXPECT_GT(s.below(64), 0.1);
  }
}

// Mean luminance step across the pairs (i, i + 1) of rows or columns; the
// wrapping pair (last, first) is where a seam would show.
double EdgeStep(const std::vector<int> &lum, int w, int h, bool columns, int i, int j) {
  double sum = 0;
  const int count = columns ? h : w;
  for (int k = 0; k < count; ++k) {
    const int a = columns ? lum[std::size_t(k) * w + i] : lum[std::size_t(i) * w + k];
    const int b = columns ? lum[std::size_t(k) * w + j] : lum[std::size_t(j) * w + k];
    sum += std::abs(a - b);
  }
  return sum / count;
}

// Tiled side by side, a pattern shows no seam: the step from the last
// column to the first is no larger than the steps inside the pattern (and
// likewise for rows), and the lines are black on white.
TEST(AssetFiles, LinePatternsAreBlackOnWhiteAndTileWithoutASeam) {
  for (int n = 1; n <= 10; ++n) {
    SCOPED_TRACE(n);
    const Bitmap b = Load("line", n);
    const Stats s = Measure(b);
    EXPECT_GT(s.above(235), 0.4);
    EXPECT_GT(s.below(20), 0.08);
    const std::vector<int> lum = Luminances(b);
    const int w = b.Width(), h = b.Height();
    for (bool columns : {true, false}) {
      const int size = columns ? w : h;
      double inner = 0;
      for (int i = 0; i + 1 < size; ++i)
        inner = std::max(inner, EdgeStep(lum, w, h, columns, i, i + 1));
      EXPECT_LE(EdgeStep(lum, w, h, columns, size - 1, 0), inner + 4)
          << (columns ? "columns" : "rows");
    }
  }
}

}  // namespace
}  // namespace qv::test
