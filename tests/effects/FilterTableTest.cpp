#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Pictures.h"
#include "effects/FilterTable.h"
#include "gfx/Error.h"

namespace qv {
namespace {

// No filter may be a silent no-op on an ordinary picture.
TEST(FilterTable, EveryFilterChangesAPicture) {
  EXPECT_EQ(Filters().size(), 21u);
  const Bitmap original = test::Pattern(101, 77);
  for (const FilterInfo &f : Filters()) {
    EXPECT_EQ(FindFilter(f.name), &f);
    ASSERT_EQ(f.example.size(), f.params.size()) << f.name;
    Bitmap picture = original;
    f.apply(picture, f.example);
    EXPECT_EQ(picture.Width(), 101) << f.name;
    EXPECT_EQ(picture.Height(), 77) << f.name;
    EXPECT_FALSE(picture.SamePixels(original)) << f.name;
  }
  EXPECT_EQ(FindFilter("blur"), nullptr);
}

// Every filter, at the ends of its ranges and far beyond, on pictures down
// to nothing: it keeps the size, or fails with the picture untouched. Under
// the sanitizers this also catches any read outside the picture.
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
          EXPECT_TRUE(picture.Width() == size[0] && picture.Height() == size[1]) << f.name;
        } catch (const Error &) {
          EXPECT_TRUE(picture.SamePixels(original)) << f.name;
        }
      }
  }
}

}  // namespace
}  // namespace qv
