#include "fuzz/SampleFiles.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include <exiv2/exiv2.hpp>

#include "codecs/JpegErrorManager.h"
#include "codecs/Metadata.h"

namespace qv::samples {

namespace {

void Put(Bytes &b, std::size_t at, std::uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) b[at + std::size_t(i)] = std::uint8_t(v >> (8 * i));
}

// Interleaved samples of the gradient in the compressor's input order.
Bytes SamplesOf(const Bitmap &picture, JpegColors colors) {
  Bytes out;
  for (int y = 0; y < picture.Height(); ++y) {
    const std::uint8_t *row = picture.ScanLine(y);
    for (int x = 0; x < picture.Width(); ++x) {
      const std::uint8_t b = row[3 * x], g = row[3 * x + 1], r = row[3 * x + 2];
      switch (colors) {
        case JpegColors::Rgb:
          out.insert(out.end(), {r, g, b});
          break;
        case JpegColors::Grey:
          out.push_back(std::uint8_t((r * 77 + g * 150 + b * 29) >> 8));
          break;
        case JpegColors::Cmyk:  // Adobe's inverted inks
          out.insert(out.end(), {r, g, b, std::uint8_t(255 - x % 64)});
          break;
      }
    }
  }
  return out;
}

struct Compressor {
  jpeg_compress_struct cinfo;
  JpegErrorManager errors;
  unsigned char *buffer = nullptr;
  unsigned long size = 0;
  bool created = false;

  Compressor() {
    std::memset(&cinfo, 0, sizeof cinfo);
    cinfo.err = InstallJpegErrorManager(errors);
  }
  ~Compressor() {
    if (created) jpeg_destroy_compress(&cinfo);
    std::free(buffer);
  }
  Compressor(const Compressor &) = delete;
  Compressor &operator=(const Compressor &) = delete;
};

}  // namespace

Bitmap Gradient(int width, int height) {
  Bitmap b(width, height);
  for (int y = 0; y < height; ++y) {
    std::uint8_t *row = b.ScanLine(y);
    for (int x = 0; x < width; ++x) {
      row[3 * x] = std::uint8_t(64 + (x + y) % 128);
      row[3 * x + 1] = std::uint8_t(y * 255 / std::max(1, height - 1));
      row[3 * x + 2] = std::uint8_t(x * 255 / std::max(1, width - 1));
    }
  }
  return b;
}

Bytes MakeJpeg(const JpegRecipe &recipe) {
  const int components = recipe.Colors == JpegColors::Grey   ? 1
                         : recipe.Colors == JpegColors::Cmyk ? 4
                                                             : 3;
  const Bytes samples = SamplesOf(Gradient(recipe.Width, recipe.Height), recipe.Colors);
  Compressor c;
  jpeg_compress_struct *cinfo = &c.cinfo;
  RunJpeg(c.errors, [&] {
    jpeg_create_compress(cinfo);
    c.created = true;
    jpeg_mem_dest(cinfo, &c.buffer, &c.size);
    cinfo->image_width = JDIMENSION(recipe.Width);
    cinfo->image_height = JDIMENSION(recipe.Height);
    cinfo->input_components = components;
    cinfo->in_color_space = components == 1 ? JCS_GRAYSCALE : components == 4 ? JCS_CMYK : JCS_RGB;
    jpeg_set_defaults(cinfo);
    jpeg_set_quality(cinfo, 90, TRUE);
    if (recipe.Coding == JpegCoding::Progressive ||
        recipe.Coding == JpegCoding::ArithmeticProgressive)
      jpeg_simple_progression(cinfo);
    cinfo->arith_code = recipe.Coding == JpegCoding::Arithmetic ||
                        recipe.Coding == JpegCoding::ArithmeticProgressive;
    cinfo->restart_in_rows = recipe.RestartRows;
    jpeg_start_compress(cinfo, TRUE);
    const std::size_t stride = std::size_t(recipe.Width) * std::size_t(components);
    while (cinfo->next_scanline < cinfo->image_height) {
      JSAMPROW row = const_cast<JSAMPROW>(samples.data() + cinfo->next_scanline * stride);
      jpeg_write_scanlines(cinfo, &row, 1);
    }
    jpeg_finish_compress(cinfo);
  });
  return Bytes(c.buffer, c.buffer + c.size);
}

Bytes MakeBmp(const BmpRecipe &r) {
  const bool os2 = r.HeaderBytes == 12;
  Bytes f(14 + std::max<std::size_t>(r.HeaderBytes, 12));
  f[0] = 'B', f[1] = 'M';
  Put(f, 14, r.HeaderBytes, 4);
  if (os2) {
    Put(f, 18, std::uint32_t(r.Width), 2), Put(f, 20, std::uint32_t(r.Height), 2);
    Put(f, 22, r.Planes, 2), Put(f, 24, r.Bits, 2);
  } else if (f.size() >= 30) {
    // Fields past a short (OS/2 2.x) header are left out.
    Put(f, 18, std::uint32_t(r.Width), 4), Put(f, 22, std::uint32_t(r.Height), 4);
    Put(f, 26, r.Planes, 2), Put(f, 28, r.Bits, 2);
    if (f.size() >= 34) Put(f, 30, r.Compression, 4);
    if (f.size() >= 50) Put(f, 46, r.ColorsUsed, 4);
  }
  // Masks lie at offset 54 whether the header holds them (V2 and later) or
  // they follow a 40-byte one.
  if (!r.Masks.empty()) {
    f.resize(std::max(f.size(), 54 + 4 * r.Masks.size()));
    for (std::size_t i = 0; i < r.Masks.size(); ++i) Put(f, 54 + 4 * i, r.Masks[i], 4);
  }
  f.insert(f.end(), r.Palette.begin(), r.Palette.end());
  Put(f, 10, std::uint32_t(f.size()), 4);
  f.insert(f.end(), r.Pixels.begin(), r.Pixels.end());
  Put(f, 2, std::uint32_t(f.size()), 4);
  return f;
}

std::size_t FindMarker(const Bytes &data, std::uint8_t type, std::size_t from) {
  for (std::size_t i = from; i + 1 < data.size(); ++i)
    if (data[i] == 0xFF && data[i + 1] == type) return i;
  return data.size();
}

namespace {

constexpr const char *kGuid = "0123456789ABCDEF0123456789ABCDEF";

void PutBigEndian(Bytes &b, std::size_t at, std::uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) b[at + std::size_t(i)] = std::uint8_t(v >> (8 * (bytes - 1 - i)));
}

// Signature, id, an empty name padded to two bytes, size, data, padding.
Bytes PhotoshopResource(std::uint16_t id, const Bytes &data) {
  Bytes r(12 + data.size() + (data.size() & 1), 0);
  std::memcpy(r.data(), "8BIM", 4);
  PutBigEndian(r, 4, id, 2);
  PutBigEndian(r, 8, std::uint32_t(data.size()), 4);
  std::copy(data.begin(), data.end(), r.begin() + 12);
  return r;
}

}  // namespace

Bytes FakeIccProfile(std::size_t size) {
  Bytes icc(size, 0x5A);
  std::memset(icc.data(), 0, 132);
  PutBigEndian(icc, 0, std::uint32_t(size), 4);
  std::memcpy(&icc[12], "mntr", 4);  // a display's profile
  std::memcpy(&icc[16], "RGB ", 4);
  std::memcpy(&icc[20], "XYZ ", 4);
  std::memcpy(&icc[36], "acsp", 4);
  // The D50 white of the connection space, which libpng checks for.
  PutBigEndian(icc, 68, 0xF6D6, 4), PutBigEndian(icc, 72, 0x10000, 4),
      PutBigEndian(icc, 76, 0xD32D, 4);
  return icc;
}

Metadata CameraMetadata(int orientation, std::size_t iccBytes, std::size_t extendedXmpBytes) {
  PrepareExiv2();
  Exiv2::XmpProperties::registerNs("http://ns.adobe.com/xmp/note/", "xmpNote");
  Metadata meta;
  Exiv2::ExifData exif;
  exif["Exif.Image.Make"] = "Quorvane Test Camera";
  exif["Exif.Image.Orientation"] = std::uint16_t(orientation);
  exif["Exif.Image.Artist"] = "Ann Example";
  exif["Exif.Image.Copyright"] = "(c) Ann Example";
  exif["Exif.Photo.DateTimeOriginal"] = "2024:05:06 07:08:09";
  exif["Exif.Photo.PixelXDimension"] = std::uint32_t(0);
  exif["Exif.Photo.PixelYDimension"] = std::uint32_t(0);
  exif["Exif.GPSInfo.GPSLatitudeRef"] = "N";
  Exiv2::URationalValue latitude;
  latitude.read("48/1 6/1 0/1");
  exif.add(Exiv2::ExifKey("Exif.GPSInfo.GPSLatitude"), &latitude);
  const Bytes thumb = EncodeJpeg(Bitmap(8, 8));
  Exiv2::ExifThumb(exif).setJpegThumbnail(thumb.data(), long(thumb.size()));
  Exiv2::Blob blob;
  Exiv2::ExifParser::encode(blob, Exiv2::littleEndian, exif);
  meta.Exif.assign(blob.begin(), blob.end());

  Exiv2::XmpData xmp;
  xmp["Xmp.dc.creator"] = "Ann Example";
  xmp["Xmp.tiff.Orientation"] = std::to_string(orientation);
  xmp["Xmp.xmpNote.HasExtendedXMP"] = kGuid;
  Exiv2::XmpTextValue thumbnails;
  thumbnails.setXmpArrayType(Exiv2::XmpValue::xaAlt);
  xmp.add(Exiv2::XmpKey("Xmp.xmp.Thumbnails"), &thumbnails);
  xmp["Xmp.xmp.Thumbnails[1]/xmpGImg:image"] = "/9j/4AAQSkZJRgABAQ==";
  std::string packet;
  Exiv2::XmpParser::encode(packet, xmp);
  meta.Xmp.assign(packet.begin(), packet.end());
  meta.ExtendedXmp.assign(extendedXmpBytes, 'x');
  meta.ExtendedXmpGuid = kGuid;

  Exiv2::IptcData iptc;
  iptc["Iptc.Application2.Keywords"] = "beach";
  const Exiv2::DataBuf record = Exiv2::IptcParser::encode(iptc);
  meta.Photoshop = PhotoshopResource(0x0404, Bytes(record.pData_, record.pData_ + record.size_));
  const Bytes irbThumb = PhotoshopResource(0x040C, Bytes(40, 7));
  meta.Photoshop.insert(meta.Photoshop.end(), irbThumb.begin(), irbThumb.end());

  meta.Icc = FakeIccProfile(iccBytes);
  meta.Comments = {"taken by the test"};
  return meta;
}

NamedFiles JpegSeeds() {
  using enum JpegCoding;
  using enum JpegColors;
  return {
      {"encoder.jpg", EncodeJpeg(Gradient(24, 16))},
      {"odd-size.jpg", EncodeJpeg(Gradient(17, 9))},
      {"baseline-restarts.jpg", MakeJpeg({40, 24, Baseline, Rgb, 1})},
      {"progressive.jpg", MakeJpeg({24, 16, Progressive, Rgb})},
      {"arithmetic.jpg", MakeJpeg({24, 16, Arithmetic, Rgb})},
      {"arithmetic-progressive.jpg", MakeJpeg({24, 16, ArithmeticProgressive, Rgb})},
      {"grey.jpg", MakeJpeg({16, 16, Baseline, Grey})},
      {"grey-progressive.jpg", MakeJpeg({16, 8, Progressive, Grey})},
      {"cmyk.jpg", MakeJpeg({16, 8, Baseline, Cmyk})},
      {"cmyk-progressive.jpg", MakeJpeg({16, 8, Progressive, Cmyk})},
      // Every metadata block, the extended XMP in two chunks.
      {"metadata.jpg", EncodeJpeg(Gradient(16, 8), 90, CameraMetadata(6, 3000, 66'000))},
  };
}

NamedFiles BmpSeeds() {
  // Two rows of two pixels in each layout, plus the compressed forms.
  const Bytes palette = {0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0, 0, 255, 255, 255, 0};
  const Bytes os2Palette = {0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 255};
  const Bytes bgr = {255, 0, 0, 255, 255, 255, 0, 0, 0, 0, 255, 0, 255, 0, 0, 0};
  const Bytes rle8 = {3, 1, 0, 3, 2, 3, 1, 0,  0, 0, 2, 3, 0,
                      2, 2, 0, 2, 2, 0, 0, 10, 1, 0, 0, 0, 1};
  const Bytes rle4 = {3, 0x12, 0, 0, 0, 3, 0x30, 0x20, 0, 1};
  NamedFiles seeds = {
      {"encoder.bmp", EncodeBmp(Gradient(5, 3))},
      {"1-bit.bmp", MakeBmp({40,
                             2,
                             2,
                             1,
                             1,
                             0,
                             2,
                             {},
                             Bytes(palette.begin(), palette.begin() + 8),
                             {0x80, 0, 0, 0, 0x40, 0, 0, 0}})},
      {"4-bit.bmp", MakeBmp({40, 2, 2, 1, 4, 0, 0, {}, palette, {0x23, 0, 0, 0, 0x01, 0, 0, 0}})},
      {"8-bit.bmp", MakeBmp({40, 2, 2, 1, 8, 0, 4, {}, palette, {2, 3, 0, 0, 0, 1, 0, 0}})},
      {"8-bit-os2.bmp", MakeBmp({12, 2, 2, 1, 8, 0, 0, {}, os2Palette, {2, 3, 0, 0, 0, 1, 0, 0}})},
      {"24-bit-top-down.bmp",
       MakeBmp({40,
                2,
                -2,
                1,
                24,
                0,
                0,
                {},
                {},
                {0, 0, 255, 0, 255, 0, 0, 0, 255, 0, 0, 255, 255, 255, 0, 0}})},
      {"24-bit-v5.bmp", MakeBmp({124, 2, 2, 1, 24, 0, 0, {}, {}, bgr})},
      {"16-bit.bmp",
       MakeBmp({40, 2, 2, 1, 16, 0, 0, {}, {}, {0x1F, 0, 0xFF, 0x7F, 0, 0x7C, 0xE0, 3}})},
      {"16-bit-565.bmp", MakeBmp({40,
                                  2,
                                  2,
                                  1,
                                  16,
                                  3,
                                  0,
                                  {0xF800, 0x07E0, 0x001F},
                                  {},
                                  {0x1F, 0, 0xFF, 0xFF, 0, 0xF8, 0xE0, 7}})},
      {"32-bit.bmp", MakeBmp({40, 2, 2, 1, 32, 0, 0, {}, {}, Bytes(16, 0x7F)})},
      {"32-bit-alpha-fields.bmp",
       MakeBmp({40, 2, 2, 1, 32, 6, 0, {0xFF0000, 0xFF00, 0xFF, 0xFF000000}, {}, Bytes(16, 0x3C)})},
      {"rle8.bmp", MakeBmp({40, 6, 3, 1, 8, 1, 4, {}, palette, rle8})},
      {"rle4.bmp", MakeBmp({40, 3, 2, 1, 4, 2, 4, {}, palette, rle4})},
  };
  return seeds;
}

NamedFiles AssetSeeds() {
  Bytes zeroHead = EncodeJpeg(Gradient(32, 24));
  std::fill_n(zeroHead.begin(), 16, 0);
  Bytes progressive = MakeJpeg({24, 16, JpegCoding::Progressive, JpegColors::Rgb});
  std::fill_n(progressive.begin(), 16, 0);
  return {
      {"jfif.ssl", EncodeJpeg(Gradient(20, 12))},
      {"zero-head.ssl", zeroHead},
      {"grey.ssl", MakeJpeg({16, 16, JpegCoding::Baseline, JpegColors::Grey})},
      {"progressive-zero-head.ssl", progressive},
  };
}

}  // namespace qv::samples
