// Every category's ten thumbnails drawn on the sample picture, as the strip
// shows them: each must change the picture clearly and differ from the
// other nine, or the artwork behind it is not doing its job.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ArtworkFiles.h"
#include "codecs/Codecs.h"
#include "kernels/Categories.h"
#include "kernels/Recipes.h"

namespace qv::test {
namespace {

class Thumbnails : public testing::TestWithParam<int> {
 protected:
  static void SetUpTestSuite() {
    const Bitmap sample = ReadPicture(kArtworkDir + "pic/sample.jpg");
    thumb_ = new Bitmap(kThumbnailSide, kThumbnailSide);
    thumb_->StretchDraw({0, 0, kThumbnailSide, kThumbnailSide}, sample);
  }
  static void TearDownTestSuite() {
    delete thumb_;
    thumb_ = nullptr;
  }
  static Bitmap *thumb_;
};

Bitmap *Thumbnails::thumb_ = nullptr;

TEST_P(Thumbnails, EachDiffersClearlyFromThePictureAndFromTheOtherNine) {
  const int id = GetParam();
  const KernelEnv env{kArtworkDir, nullptr};
  std::vector<Bitmap> results;
  for (int n = 1; n <= kThumbnailCount; ++n) {
    Bitmap result;
    RenderRecipe(id, n, *thumb_, result, env, RenderSize::Thumbnail);
    ASSERT_EQ(result.Width(), kThumbnailSide);
    ASSERT_EQ(result.Height(), kThumbnailSide);
    const double change = MeanDifference(result, *thumb_);
    EXPECT_GT(change, 4.0) << "thumbnail " << n << " hardly changes the picture";
    results.push_back(std::move(result));
  }
  for (std::size_t i = 0; i < results.size(); ++i) {
    for (std::size_t j = i + 1; j < results.size(); ++j) {
      EXPECT_GT(MeanDifference(results[i], results[j]), 3.0)
          << "thumbnails " << i + 1 << " and " << j + 1 << " look alike";
    }
  }
}

// The full-size render spells some folders in another letter case and
// works on the picture's own shape; each effect still reaches its artwork.
TEST_P(Thumbnails, FullSizeRendersChangeThePicture) {
  const int id = GetParam();
  const KernelEnv env{kArtworkDir, nullptr};
  Bitmap picture(400, 300);
  picture.StretchDraw({0, 0, 400, 300}, ReadPicture(kArtworkDir + "pic/sample.jpg"));
  for (int n = 1; n <= kThumbnailCount; ++n) {
    Bitmap result;
    RenderRecipe(id, n, picture, result, env, RenderSize::FullSize);
    ASSERT_EQ(result.Width(), 400);
    ASSERT_EQ(result.Height(), 300);
    EXPECT_GT(MeanDifference(result, picture), 3.0) << "effect " << n;
  }
}

INSTANTIATE_TEST_SUITE_P(EveryCategory, Thumbnails, testing::Range(1, kCategoryCount + 1),
                         [](const testing::TestParamInfo<int> &info) {
                           std::string name = FindCategory(info.param)->Caption;
                           std::erase(name, ' ');
                           return name;
                         });

}  // namespace
}  // namespace qv::test
