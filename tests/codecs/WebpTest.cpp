// WebP: lossless exactly, lossy against libwebp's own decode, alpha over
// white, an animation's first frame, and the encoder with its chunks.

#include <gtest/gtest.h>
#include <webp/decode.h>

#include "CodecTestUtil.h"
#include "MetadataTestUtil.h"
#include "Pictures.h"
#include "fuzz/FormatSamples.h"

namespace qv {
namespace {

// libwebp's own decode of a file without alpha.
Bitmap LibwebpDecode(const Bytes &file) {
  int width = 0, height = 0;
  std::uint8_t *bgr = WebPDecodeBGR(file.data(), file.size(), &width, &height);
  Bitmap b(width, height);
  std::copy(bgr, bgr + b.ByteCount(), b.Bits());
  WebPFree(bgr);
  return b;
}

TEST(Webp, LosslessIsExactAndLossyIsWhatLibwebpDecodes) {
  const Bitmap picture = test::Pattern(37, 21);
  EXPECT_TRUE(DecodeWebpPicture(samples::MakeWebp(picture, true)).Pixels.SamePixels(picture));
  const Bytes lossy = samples::MakeWebp(picture, false);
  EXPECT_TRUE(DecodeWebpPicture(lossy).Pixels.SamePixels(LibwebpDecode(lossy)));
  // Our own encoder: lossy at quality 90, close to the picture.
  const Bytes saved = EncodeWebp(test::Gradient(64, 48));
  const DecodedPicture back = DecodeWebpPicture(saved);
  EXPECT_TRUE(back.Pixels.SamePixels(LibwebpDecode(saved)));
  EXPECT_LT(test::MeanAbsoluteError(back.Pixels, test::Gradient(64, 48)), 3.0);
}

TEST(Webp, AlphaLiesOverWhiteAndAnAnimationShowsItsFirstFrame) {
  const Bytes bgra = {0, 0, 0, 128, 0, 100, 200, 0, 30, 20, 10, 255};
  const Bitmap over = DecodeWebpPicture(samples::MakeWebpWithAlpha(3, 1, bgra, true)).Pixels;
  EXPECT_EQ(test::At(over, 0, 0), (test::Px{127, 127, 127}));
  EXPECT_EQ(test::At(over, 1, 0), (test::Px{255, 255, 255}));
  EXPECT_EQ(test::At(over, 2, 0), (test::Px{30, 20, 10}));

  const Bitmap first = test::Pattern(12, 8), second = test::Uniform(12, 8, {9, 9, 9});
  EXPECT_TRUE(DecodeWebpPicture(samples::MakeAnimatedWebp(first, second)).Pixels.SamePixels(first));
}

TEST(Webp, SavesKeepTheirChunksAndRefuseWhatWebpCannotHold) {
  const Metadata meta = test::CameraMetadata(8);
  const Bitmap picture = test::Gradient(6, 4);
  const DecodedPicture read = DecodeWebpPicture(EncodeWebp(picture, 90, meta));
  EXPECT_TRUE(read.Warnings.empty()) << WarningLine("x", read.Warnings);
  EXPECT_EQ(read.Meta.Exif, meta.Exif);
  EXPECT_EQ(read.Meta.Xmp, meta.Xmp);
  EXPECT_EQ(read.Meta.Icc, meta.Icc);
  EXPECT_EQ(read.Orientation, 8);
  const test::MetadataSeen seen = test::ReadBackMetadata(EncodePicture("x.webp", picture, meta));
  EXPECT_EQ(seen.DateTaken, "2024:05:06 07:08:09");
  EXPECT_EQ(seen.Orientation, 1);
  EXPECT_EQ(seen.XmpCreator, "Ann Example");

  EXPECT_EQ(test::MessageOf([] { EncodeWebp(Bitmap(16384, 1)); }),
            "Picture is too large for a WebP file (16384 x 1 pixels): WebP holds at most 16,383 "
            "pixels a side; save it as PNG or TIFF, which can hold it");
}

}  // namespace
}  // namespace qv
