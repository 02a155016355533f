#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

#include "Pictures.h"
#include "effects/FilterTable.h"
#include "effects/Random.h"
#include "gfx/Error.h"

namespace qv {
namespace {

// No filter may be a silent no-op on an ordinary picture.
TEST(FilterTable, EveryFilterChangesAPicture) {
  EXPECT_EQ(Filters().size(), 21u);
  const Bitmap original = test::Pattern(101, 77);
  for (const FilterInfo &f : Filters()) {
    EXPECT_EQ(FindFilter(f.name), &f);
    EXPECT_EQ(FindFilter(f.method), &f);
    Bitmap picture = original;
    RandomGenerator random;
    f.Apply(picture, f.Defaults(), random);
    EXPECT_EQ(picture.Width(), 101) << f.name;
    EXPECT_EQ(picture.Height(), 77) << f.name;
    EXPECT_FALSE(picture.SamePixels(original)) << f.name;
  }
  EXPECT_EQ(FindFilter("blur"), nullptr);
}

std::uint64_t Hash(const Bitmap &bmp) {  // FNV-1a
  std::uint64_t h = 14695981039346656037ULL;
  for (std::size_t i = 0; i < bmp.ByteCount(); ++i) h = (h ^ bmp.Bits()[i]) * 1099511628211ULL;
  return h;
}

// The bytes each filter gives on one standard picture, recorded once: any
// change to a kernel's arithmetic or order shows here.
TEST(FilterTable, GoldenResults) {
  const std::uint64_t expected[] = {
      0x367de6fd292f287eULL, 0xe87b0b1e50d5757eULL, 0x2d0fd44b1f46bcfULL,  0x3116a0e37925b241ULL,
      0x41540b1859a40740ULL, 0x1140bd15ffe9d8fcULL, 0x37dd42cad5920918ULL, 0x526d9c9cf6a35b5cULL,
      0x457f92a03586758dULL, 0x38bb986e4981f762ULL, 0x335ccce0f0b93ba1ULL, 0xe284592d3ac7fe5fULL,
      0xaf7337f16b296505ULL, 0xf4f6def82790c47cULL, 0x9d9a9297a4ff8b9eULL, 0x93a6c229381ecabaULL,
      0x444cb0c9b542f815ULL, 0x265fe2909649c620ULL, 0x8298a0bf79246ec9ULL, 0xee0ee81931b3ac5eULL,
      0xbc8cb3f04eb88d61ULL};
  const Bitmap original = test::Pattern(101, 77);
  for (std::size_t i = 0; i < Filters().size(); ++i) {
    Bitmap picture = original;
    RandomGenerator random(2024);
    Filters()[i].run(picture, Filters()[i].Defaults(), random);
    EXPECT_EQ(Hash(picture), expected[i])
        << Filters()[i].name << " 0x" << std::hex << Hash(picture);
  }
}

// Every filter, at the ends of its ranges and far beyond, on pictures down
// to nothing: it keeps the size, or fails with the picture untouched. Under
// the sanitizers this also catches any read outside the picture.
TEST(FilterTable, SmallPicturesAndExtremeArguments) {
  const int sizes[][2] = {{0, 0}, {1, 1}, {2, 2}, {1, 6}, {6, 1}, {3, 5}, {5, 3}, {7, 4}, {17, 13}};
  for (const FilterInfo &f : Filters()) {
    std::vector<std::vector<int>> argSets = {f.Defaults()};
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
        RandomGenerator random;
        try {
          f.run(picture, args, random);
          EXPECT_TRUE(picture.Width() == size[0] && picture.Height() == size[1]) << f.name;
        } catch (const Error &) {
          EXPECT_TRUE(picture.SamePixels(original)) << f.name;
        }
      }
  }
}

// Each bounded parameter just outside its range is refused with a message
// naming the range, before any pixel is touched; its ends are taken.
TEST(FilterTable, ValuesOutsideTheRangesAreRefused) {
  const Bitmap original = test::Pattern(23, 19);
  for (const FilterInfo &f : Filters()) {
    RandomGenerator random;
    for (std::size_t i = 0; i < f.params.size(); ++i) {
      const FilterParam &p = f.params[i];
      EXPECT_TRUE(p.Accepts(p.byDefault)) << f.name;
      if (p.Unbounded()) continue;
      const std::string range =
          std::to_string(p.min) + " to " + std::to_string(p.max) + (p.notZero ? " except 0" : "");
      for (long long outside : {(long long)p.min - 1, (long long)p.max + 1, 2000000000LL, 0LL}) {
        if (p.Accepts(outside)) continue;
        std::vector<int> args = f.Defaults();
        args[i] = int(outside);
        const auto why = f.Refusal(args);
        ASSERT_TRUE(why) << f.name << " " << outside;
        EXPECT_NE(why->English().find(range), std::string::npos) << why->English();
        EXPECT_NE(why->English().find(p.name), std::string::npos) << why->English();
        Bitmap picture = original;
        EXPECT_THROW(f.Apply(picture, args, random), Error) << f.name;
        EXPECT_TRUE(picture.SamePixels(original)) << f.name;
      }
      for (int end : {p.min, p.max}) {
        std::vector<int> args = f.Defaults();
        args[i] = end;
        EXPECT_FALSE(f.Refusal(args)) << f.name << " " << end;
      }
    }
    EXPECT_TRUE(f.Refusal(std::vector<int>(f.params.size() + 1, 0))) << f.name;
  }
}

// The ends the ranges reach now render, each with a picture of its own:
// negative amounts do what the filters' arithmetic defines for them, not
// what the positive ones do.
TEST(FilterTable, TheNewEndsOfTheRangesRenderPicturesOfTheirOwn) {
  const Bitmap original = test::Pattern(61, 47);
  auto render = [&](const char *name, int value) {
    Bitmap picture = original;
    RandomGenerator random;
    std::vector<int> args = FindFilter(name)->Defaults();
    args[0] = value;
    FindFilter(name)->Apply(picture, args, random);
    return picture;
  };
  // Each end, and the value it must differ from.
  const std::tuple<const char *, int, int> ends[] = {
      {"twist", -1000, 1000},  {"twist", -60, 60},      {"fish-eye", -10, 10},
      {"fish-eye", -1, 1},     {"lightness", -255, 0},  {"darkness", -255, 0},
      {"saturation", -510, 0}, {"spot-light", -255, 0}, {"posterize", 510, 255},
      {"posterize", 300, 255},
  };
  for (const auto &[name, value, other] : ends) {
    const Bitmap picture = render(name, value);
    EXPECT_FALSE(picture.SamePixels(original)) << name << " " << value;
    EXPECT_FALSE(picture.SamePixels(render(name, other))) << name << " " << value;
  }
  EXPECT_TRUE(render("tile", 0).SamePixels(original));
  // Worked by hand: lightness -255 is 2c - 255, darkness -255 doubles,
  // posterize 510 is black everywhere.
  const Bitmap grey = test::Uniform(3, 2, {200, 100, 50});
  auto one = [&](const char *name, int value) {
    Bitmap picture = grey;
    RandomGenerator random;
    std::vector<int> args = FindFilter(name)->Defaults();
    args[0] = value;
    FindFilter(name)->Apply(picture, args, random);
    return test::At(picture, 1, 1);
  };
  EXPECT_EQ(one("lightness", -255), (test::Px{145, 0, 0}));
  EXPECT_EQ(one("darkness", -255), (test::Px{255, 200, 100}));
  EXPECT_EQ(one("posterize", 510), (test::Px{0, 0, 0}));
}

}  // namespace
}  // namespace qv
