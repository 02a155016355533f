// The fuzzers start from these files: each must be a picture the readers
// accept, or the fuzzers would spend their time in the first error path.

#include <gtest/gtest.h>

#include "fuzz/FormatSamples.h"
#include "fuzz/SampleFiles.h"
#include "kernels/AssetStore.h"

namespace qv::samples {
namespace {

TEST(SampleFiles, EverySeedDecodes) {
  for (const auto &[name, bytes] : JpegSeeds()) EXPECT_FALSE(DecodeJpeg(bytes).Empty()) << name;
  for (const auto &[name, bytes] : BmpSeeds()) EXPECT_FALSE(DecodeBmp(bytes).Empty()) << name;
  for (const auto &[name, bytes] : AssetSeeds()) EXPECT_FALSE(DecodeAsset(bytes).Empty()) << name;
  for (const NamedFiles &seeds : {PngSeeds(), WebpSeeds(), TiffSeeds(), HeifSeeds()})
    for (const auto &[name, bytes] : seeds) {
      const DecodedPicture read = DecodePicture(bytes, name);
      EXPECT_FALSE(read.Pixels.Empty()) << name;
      EXPECT_TRUE(read.Warnings.empty()) << WarningLine(name, read.Warnings);
    }
}

TEST(SampleFiles, BmpLayoutsShowTheSameFourColours) {
  // Every two-by-two seed of more than two colours holds red and green on
  // top, blue and white below.
  for (const auto &[name, bytes] : BmpSeeds()) {
    const Bitmap b = DecodeBmp(bytes);
    if (b.Width() != 2 || b.Height() != 2 || name == "1-bit.bmp" ||
        name.find("32-bit") != std::string::npos)
      continue;
    EXPECT_EQ(b.Pixel(0, 0), clRed) << name;
    EXPECT_EQ(b.Pixel(1, 0), clLime) << name;
    EXPECT_EQ(b.Pixel(0, 1), TColor(0xFF0000)) << name;
    EXPECT_EQ(b.Pixel(1, 1), clWhite) << name;
  }
}

}  // namespace
}  // namespace qv::samples
