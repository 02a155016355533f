// HEIC and AVIF: files made with libheif's encoders (x265, libaom) against
// libheif's own decode; 10-bit rounding, alpha, the file's rotation, and
// the metadata kept.

#include <gtest/gtest.h>

#include <libheif/heif.h>

#include "CodecTestUtil.h"
#include "MetadataTestUtil.h"
#include "Pictures.h"
#include "fuzz/FormatSamples.h"

namespace qv {
namespace {

using samples::HeifRecipe;

// libheif's own decode of the primary picture, as interleaved samples
// (8-bit RGB(A) or 16-bit little-endian for deeper ones), and its size.
struct Reference {
  int Width = 0, Height = 0, Channels = 3, Bits = 8;
  std::vector<std::uint16_t> Samples;
};
Reference LibheifDecode(const Bytes &file, bool alpha, bool deep) {
  heif_context *context = heif_context_alloc();
  heif_context_read_from_memory_without_copy(context, file.data(), file.size(), nullptr);
  heif_image_handle *handle = nullptr;
  heif_context_get_primary_image_handle(context, &handle);
  heif_image *image = nullptr;
  const heif_chroma chroma =
      deep ? (alpha ? heif_chroma_interleaved_RRGGBBAA_LE : heif_chroma_interleaved_RRGGBB_LE)
           : (alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB);
  heif_decode_image(handle, &image, heif_colorspace_RGB, chroma, nullptr);
  Reference r;
  r.Width = heif_image_get_width(image, heif_channel_interleaved);
  r.Height = heif_image_get_height(image, heif_channel_interleaved);
  r.Channels = alpha ? 4 : 3;
  r.Bits = heif_image_get_bits_per_pixel_range(image, heif_channel_interleaved);
  int stride = 0;
  const std::uint8_t *plane =
      heif_image_get_plane_readonly(image, heif_channel_interleaved, &stride);
  for (int y = 0; y < r.Height; ++y)
    for (int i = 0; i < r.Width * r.Channels; ++i) {
      const std::uint8_t *p = plane + std::size_t(stride) * std::size_t(y);
      r.Samples.push_back(deep ? std::uint16_t(p[2 * i] | p[2 * i + 1] << 8) : p[i]);
    }
  heif_image_release(image);
  heif_image_handle_release(handle);
  heif_context_free(context);
  return r;
}

// The reference as the program must show it: rounded to 8 bits, over white.
Bitmap Expected(const Reference &r) {
  const unsigned max = (1u << r.Bits) - 1;
  auto to8 = [max](unsigned v) { return (v * 255 + max / 2) / max; };
  Bitmap b(r.Width, r.Height);
  for (int y = 0; y < r.Height; ++y)
    for (int x = 0; x < r.Width; ++x) {
      const std::uint16_t *s = &r.Samples[std::size_t(y * r.Width + x) * std::size_t(r.Channels)];
      unsigned c[3];
      for (int i = 0; i < 3; ++i) {
        c[i] = to8(s[i]);
        if (r.Channels == 4) c[i] = (c[i] * to8(s[3]) + 255 * (255 - to8(s[3])) + 127) / 255;
      }
      test::Put(b, x, y, {std::uint8_t(c[2]), std::uint8_t(c[1]), std::uint8_t(c[0])});
    }
  return b;
}

Bytes Samples(const Bitmap &picture, bool alpha, int bits) {
  Bytes out;
  for (int y = 0; y < picture.Height(); ++y)
    for (int x = 0; x < picture.Width(); ++x) {
      const test::Px p = test::At(picture, x, y);
      for (int i : {2, 1, 0, -1}) {
        if (i < 0 && !alpha) break;
        const unsigned v = i < 0 ? unsigned(x * 16 % 256) : p[std::size_t(i)];
        if (bits == 8)
          out.push_back(std::uint8_t(v));
        else
          out.insert(out.end(), {std::uint8_t(v * 4 + 3), std::uint8_t((v * 4 + 3) >> 8)});
      }
    }
  return out;
}

TEST(Heif, HeicAndAvifGiveWhatLibheifDecodesRoundedAndOverWhite) {
  const Bitmap picture = test::Gradient(64, 48);
  for (const bool avif : {false, true})
    for (const int bits : {8, 10})
      for (const bool alpha : {false, true}) {
        if (avif && bits > 8 && alpha) continue;  // libaom here cannot write it
        const HeifRecipe recipe{.Width = 64,
                                .Height = 48,
                                .Avif = avif,
                                .Alpha = alpha,
                                .Bits = bits,
                                .Samples = Samples(picture, alpha, bits)};
        const Bytes file = samples::MakeHeif(recipe);
        if (file.empty()) GTEST_SKIP() << "libheif has no encoder for " << (avif ? "AVIF" : "HEIC");
        const std::string name = std::string(avif ? "AVIF " : "HEIC ") + std::to_string(bits) +
                                 (alpha ? " with alpha" : "");
        EXPECT_EQ(SniffFormat(file), avif ? PictureFormat::Avif : PictureFormat::Heif) << name;
        const DecodedPicture read = DecodePicture(file, "photo");
        EXPECT_TRUE(read.Warnings.empty()) << name;
        EXPECT_TRUE(read.Pixels.SamePixels(Expected(LibheifDecode(file, alpha, bits > 8)))) << name;
        EXPECT_LT(test::MeanAbsoluteError(read.Pixels, picture), alpha ? 80.0 : 6.0) << name;
      }
}

TEST(Heif, TheFilesRotationIsAppliedOnceAndItsMetadataIsKept) {
  const Bitmap picture = test::Gradient(64, 32);
  HeifRecipe recipe{.Width = 64, .Height = 32, .Samples = Samples(picture, false, 8)};
  recipe.Orientation = 6;
  recipe.Meta = test::CameraMetadata(6);  // the EXIF says the same turn again
  recipe.Meta.Photoshop.clear();
  const Bytes file = samples::MakeHeif(recipe);
  if (file.empty()) GTEST_SKIP() << "libheif has no HEIC encoder";
  const DecodedPicture read = DecodePicture(file, "photo.heic");
  EXPECT_EQ(read.Pixels.Width(), 32);
  EXPECT_EQ(read.Pixels.Height(), 64);
  EXPECT_TRUE(read.Pixels.SamePixels(Expected(LibheifDecode(file, false, false))));
  EXPECT_EQ(read.Meta.Exif, recipe.Meta.Exif);
  EXPECT_EQ(read.Meta.Xmp, recipe.Meta.Xmp);
  EXPECT_EQ(read.Meta.Icc, recipe.Meta.Icc);
  const test::MetadataSeen seen =
      test::ReadBackMetadata(EncodePicture("x.jpg", read.Pixels, read.Meta));
  EXPECT_EQ(seen.Make, "Quorvane Test Camera");
  EXPECT_EQ(seen.Orientation, 1);
  EXPECT_EQ(seen.PixelWidth, 32);
  EXPECT_EQ(test::MessageOf([&] { EncodePicture("x.heic", picture, {}); }),
            "HEIC pictures can be opened but not saved: pictures are saved as .jpg, .jpeg, .jpe, "
            ".jfif, .bmp, .png, .webp, .tif or .tiff");
}

}  // namespace
}  // namespace qv
