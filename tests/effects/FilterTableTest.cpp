#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Pictures.h"
#include "effects/FilterTable.h"
#include "gfx/Error.h"

namespace qv {
namespace {

TEST(FilterTable, NamesTheTwentyOneInOrder) {
  const std::vector<std::string> expected = {
      "invert",    "color-noise", "mono-noise",  "anti-alias", "contrast",   "fish-eye",
      "grayscale", "lightness",   "darkness",    "saturation", "split-blur", "gaussian-blur",
      "mosaic",    "twist",       "split-light", "tile",       "spot-light", "trace",
      "emboss",    "solorize",    "posterize"};
  ASSERT_EQ(Filters().size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const FilterInfo &f = Filters()[i];
    EXPECT_EQ(f.name, expected[i]);
    EXPECT_EQ(FindFilter(expected[i]), &f);
    EXPECT_EQ(f.example.size(), f.params.size()) << f.name;
  }
  EXPECT_EQ(FindFilter("blur"), nullptr);
  EXPECT_EQ(FindFilter("spot-light")->params.size(), 5u);
}

// No filter may be a silent no-op on an ordinary picture.
TEST(FilterTable, EveryFilterChangesAPicture) {
  const Bitmap original = test::Pattern(101, 77);
  for (const FilterInfo &f : Filters()) {
    Bitmap picture = original;
    f.apply(picture, f.example);
    EXPECT_EQ(picture.Width(), 101) << f.name;
    EXPECT_EQ(picture.Height(), 77) << f.name;
    EXPECT_FALSE(picture.SamePixels(original)) << f.name;
  }
}

// Every filter, at the ends of its ranges and beyond, on pictures down to
// nothing: it either keeps the size or fails with the picture untouched.
// Under the sanitizers this also catches any read outside the picture.
TEST(FilterTable, SmallPicturesAndExtremeArguments) {
  const int sizes[][2] = {{0, 0}, {1, 1}, {2, 2}, {1, 6}, {6, 1}, {3, 5}, {5, 3}, {7, 4}, {17, 13}};
  for (const FilterInfo &f : Filters()) {
    std::vector<std::vector<int>> argSets = {f.example};
    for (int value : {0, -1, 1, 3, -1000000, 1000000})
      argSets.push_back(std::vector<int>(f.params.size(), value));
    std::vector<int> low, high;
    for (const FilterParam &p : f.params) low.push_back(p.min), high.push_back(p.max);
    argSets.push_back(low);
    argSets.push_back(high);
    for (const auto &size : sizes)
      for (const auto &args : argSets) {
        const Bitmap original = test::Pattern(size[0], size[1]);
        Bitmap picture = original;
        try {
          f.apply(picture, args);
          EXPECT_EQ(picture.Width(), size[0]) << f.name;
          EXPECT_EQ(picture.Height(), size[1]) << f.name;
        } catch (const Error &) {
          EXPECT_EQ(picture.Width(), size[0]) << f.name;
          EXPECT_TRUE(picture.SamePixels(original)) << f.name;
        }
      }
  }
}

TEST(FilterTable, DocumentedFailures) {
  struct Case {
    const char *name;
    std::vector<int> args;
    int w, h;
  };
  const Case cases[] = {{"fish-eye", {0}, 8, 8},    {"twist", {0}, 5, 5},
                        {"posterize", {0}, 4, 4},   {"gaussian-blur", {0}, 10, 3},
                        {"split-blur", {5}, 10, 5}, {"mosaic", {4}, 0, 0}};
  for (const Case &c : cases) {
    const Bitmap original = test::Pattern(c.w, c.h);
    Bitmap picture = original;
    EXPECT_THROW(FindFilter(c.name)->apply(picture, c.args), Error) << c.name;
    EXPECT_TRUE(picture.SamePixels(original)) << c.name;
  }
}

}  // namespace
}  // namespace qv
