#include "fuzz/FormatSamples.h"

#include <png.h>
#include <tiffio.h>
#include <webp/encode.h>
#include <webp/mux.h>
#include <zlib.h>

#include <libheif/heif.h>

#include <csetjmp>
#include <cstring>
#include <memory>

#include "codecs/TiffMemory.h"
#include "fuzz/HeifBuilder.h"
#include "gfx/Error.h"

namespace qv::samples {

namespace {

// --- PNG ---

struct PngOut {
  png_structp png = nullptr;
  png_infop info = nullptr;
  std::jmp_buf jump;
  char error[200] = {};
  Bytes bytes;
  ~PngOut() { png_destroy_write_struct(&png, &info); }
};

void PngFail(png_structp png, png_const_charp message) {
  PngOut &o = *static_cast<PngOut *>(png_get_error_ptr(png));
  std::snprintf(o.error, sizeof o.error, "%s", message);
  std::longjmp(o.jump, 1);
}
void PngAppend(png_structp png, png_bytep data, std::size_t n) {
  Bytes &b = static_cast<PngOut *>(png_get_io_ptr(png))->bytes;
  b.insert(b.end(), data, data + n);
}
void PngFlush(png_structp) {}

std::size_t PngRowBytes(const PngRecipe &r) {
  const int channels = r.ColorType == 0 || r.ColorType == 3 ? 1
                       : r.ColorType == 4                   ? 2
                       : r.ColorType == 2                   ? 3
                                                            : 4;
  return (std::size_t(r.Width) * std::size_t(channels * r.BitDepth) + 7) / 8;
}

template <class Body>
bool RunPng(PngOut &o, Body &&body) {
  if (setjmp(o.jump)) return false;
  body();
  return true;
}

void WriteAll(PngOut &o, const PngRecipe &r, const Bytes &rows, std::vector<png_text> &texts,
              std::vector<png_color> &palette);

Bytes WritePng(const PngRecipe &r, const Bytes &rows) {
  PngOut o;
  o.png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &o, PngFail, nullptr);
  o.info = png_create_info_struct(o.png);
  std::vector<png_text> texts;
  png_text xmp{};
  // libpng measures an international text by its terminating zero.
  std::string xmpText(r.Meta.Xmp.begin(), r.Meta.Xmp.end());
  if (!r.Meta.Xmp.empty()) {
    xmp.compression = PNG_ITXT_COMPRESSION_zTXt;
    xmp.key = const_cast<char *>("XML:com.adobe.xmp");
    xmp.text = xmpText.data();
    xmp.itxt_length = xmpText.size();
    texts.push_back(xmp);
  }
  for (const std::string &comment : r.Meta.Comments) {
    png_text t{};
    t.compression = PNG_TEXT_COMPRESSION_NONE;
    t.key = const_cast<char *>("Comment");
    t.text = const_cast<char *>(comment.c_str());
    t.text_length = comment.size();
    texts.push_back(t);
  }
  std::vector<png_color> palette;
  for (std::size_t i = 0; i + 2 < r.Palette.size(); i += 3)
    palette.push_back({r.Palette[i], r.Palette[i + 1], r.Palette[i + 2]});
  if (!RunPng(o, [&] { WriteAll(o, r, rows, texts, palette); }))
    throw Error(Text::Verbatim(std::string("libpng could not write the sample: ") + o.error));
  return std::move(o.bytes);
}

void WriteAll(PngOut &o, const PngRecipe &r, const Bytes &rows, std::vector<png_text> &texts,
              std::vector<png_color> &palette) {
  png_set_write_fn(o.png, &o, PngAppend, PngFlush);
  png_set_IHDR(o.png, o.info, png_uint_32(r.Width), png_uint_32(r.Height), r.BitDepth, r.ColorType,
               r.Interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  if (!palette.empty()) png_set_PLTE(o.png, o.info, palette.data(), int(palette.size()));
  if (!r.Transparency.empty())
    png_set_tRNS(o.png, o.info, r.Transparency.data(), int(r.Transparency.size()), nullptr);
  if (!r.Meta.Icc.empty())
    png_set_iCCP(o.png, o.info, "ICC", 0, r.Meta.Icc.data(), png_uint_32(r.Meta.Icc.size()));
  if (!r.Meta.Exif.empty())
    png_set_eXIf_1(o.png, o.info, png_uint_32(r.Meta.Exif.size()),
                   const_cast<png_bytep>(r.Meta.Exif.data()));
  if (!texts.empty()) png_set_text(o.png, o.info, texts.data(), int(texts.size()));
  png_write_info(o.png, o.info);
  const std::size_t rowBytes = PngRowBytes(r);
  const int passes = png_set_interlace_handling(o.png);
  for (int pass = 0; pass < passes; ++pass)
    for (int y = 0; y < r.Height; ++y)
      png_write_row(o.png, const_cast<png_bytep>(&rows[rowBytes * std::size_t(y)]));
  png_write_end(o.png, o.info);
}

void PutBE32At(std::uint8_t *at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) at[i] = std::uint8_t(v >> (24 - 8 * i));
}

void PutBE32(Bytes &b, std::uint32_t v) {
  b.resize(b.size() + 4);
  PutBE32At(&b[b.size() - 4], v);
}

// Length, type, data and CRC, written into place (GCC 12 warns falsely
// about the same built by inserts).
Bytes Chunk(const char *type, const Bytes &data) {
  Bytes c(12 + data.size());
  PutBE32At(&c[0], std::uint32_t(data.size()));
  std::memcpy(&c[4], type, 4);
  if (!data.empty()) std::memcpy(&c[8], data.data(), data.size());
  const uLong crc = crc32(0, &c[4], uInt(4 + data.size()));
  PutBE32At(&c[8 + data.size()], std::uint32_t(crc));
  return c;
}

// Offset of the first chunk of the given type.
std::size_t FindChunk(const Bytes &png, const char *type) {
  for (std::size_t at = 8; at + 8 <= png.size();) {
    if (std::memcmp(&png[at + 4], type, 4) == 0) return at;
    at += 12 + (std::size_t(png[at]) << 24 | std::size_t(png[at + 1]) << 16 |
                std::size_t(png[at + 2]) << 8 | png[at + 3]);
  }
  return png.size();
}

Bytes FrameControl(std::uint32_t sequence, const PngRecipe &r) {
  Bytes d;
  for (std::uint32_t v : {sequence, std::uint32_t(r.Width), std::uint32_t(r.Height), 0u, 0u})
    PutBE32(d, v);
  for (std::uint8_t b : {0, 1, 0, 10, 0, 0}) d.push_back(b);  // 1/10 s, no disposal, source
  return Chunk("fcTL", d);
}

// --- TIFF ---

void TiffField(TIFF *t, std::uint32_t tag, int value) {
  TIFFSetField(t, tag, value);
}

// --- HEIF ---

struct HeifFree {
  void operator()(heif_context *c) const { heif_context_free(c); }
  void operator()(heif_image *i) const { heif_image_release(i); }
  void operator()(heif_encoder *e) const { heif_encoder_release(e); }
  void operator()(heif_encoding_options *o) const { heif_encoding_options_free(o); }
};

heif_error Collect(heif_context *, const void *data, std::size_t size, void *user) {
  auto &out = *static_cast<Bytes *>(user);
  const auto *bytes = static_cast<const std::uint8_t *>(data);
  out.insert(out.end(), bytes, bytes + size);
  return heif_error{heif_error_Ok, heif_suberror_Unspecified, "ok"};
}

// A photo's metadata, small enough for a seed: it leads the fuzzers into
// the metadata paths.
Metadata SeedMetadata() {
  return CameraMetadata(6, 2048, 0);
}

}  // namespace

Bytes RgbSamples(const Bitmap &picture) {
  Bytes out;
  out.reserve(picture.ByteCount());
  for (int y = 0; y < picture.Height(); ++y) {
    const std::uint8_t *row = picture.ScanLine(y);
    for (int x = 0; x < picture.Width(); ++x)
      out.insert(out.end(), {row[3 * x + 2], row[3 * x + 1], row[3 * x]});
  }
  return out;
}

Bytes MakePng(const PngRecipe &r) {
  Bytes png = WritePng(r, r.Rows);
  if (!r.Animated) return png;
  // The second frame's compressed rows, taken from a PNG of them alone.
  PngRecipe plain = r;
  plain.Interlaced = false;
  plain.Meta = {};
  const Bytes second = WritePng(plain, Bytes(r.Rows.size(), r.SecondFrameByte));
  const std::size_t idat = FindChunk(second, "IDAT");
  const std::size_t length = std::size_t(second[idat]) << 24 | std::size_t(second[idat + 1]) << 16 |
                             std::size_t(second[idat + 2]) << 8 | second[idat + 3];
  Bytes frameData;
  PutBE32(frameData, 2);
  frameData.insert(frameData.end(), second.begin() + std::ptrdiff_t(idat + 8),
                   second.begin() + std::ptrdiff_t(idat + 8 + length));

  Bytes control;
  PutBE32(control, 2), PutBE32(control, 0);  // two frames, played for ever
  Bytes before = Chunk("acTL", control);
  const Bytes first = FrameControl(0, r);
  before.insert(before.end(), first.begin(), first.end());
  png.insert(png.begin() + std::ptrdiff_t(FindChunk(png, "IDAT")), before.begin(), before.end());
  Bytes after = FrameControl(1, r);
  const Bytes data = Chunk("fdAT", frameData);
  after.insert(after.end(), data.begin(), data.end());
  png.insert(png.begin() + std::ptrdiff_t(FindChunk(png, "IEND")), after.begin(), after.end());
  return png;
}

Bytes MakeWebp(const Bitmap &picture, bool lossless) {
  std::uint8_t *out = nullptr;
  const std::size_t size =
      lossless ? WebPEncodeLosslessBGR(picture.Bits(), picture.Width(), picture.Height(),
                                       int(picture.RowBytes()), &out)
               : WebPEncodeBGR(picture.Bits(), picture.Width(), picture.Height(),
                               int(picture.RowBytes()), 90, &out);
  Bytes bytes(out, out + size);
  WebPFree(out);
  return bytes;
}

Bytes MakeWebpWithAlpha(int width, int height, const Bytes &bgra, bool lossless) {
  std::uint8_t *out = nullptr;
  const std::size_t size = lossless
                               ? WebPEncodeLosslessBGRA(bgra.data(), width, height, width * 4, &out)
                               : WebPEncodeBGRA(bgra.data(), width, height, width * 4, 90, &out);
  Bytes bytes(out, out + size);
  WebPFree(out);
  return bytes;
}

Bytes MakeAnimatedWebp(const Bitmap &first, const Bitmap &second) {
  WebPAnimEncoderOptions options;
  WebPAnimEncoderOptionsInit(&options);
  WebPAnimEncoder *encoder = WebPAnimEncoderNew(first.Width(), first.Height(), &options);
  WebPConfig config;
  WebPConfigInit(&config);
  config.lossless = 1;
  int timestamp = 0;
  for (const Bitmap *frame : {&first, &second}) {
    WebPPicture picture;
    WebPPictureInit(&picture);
    picture.use_argb = 1;
    picture.width = frame->Width();
    picture.height = frame->Height();
    WebPPictureImportBGR(&picture, frame->Bits(), int(frame->RowBytes()));
    WebPAnimEncoderAdd(encoder, &picture, timestamp, &config);
    WebPPictureFree(&picture);
    timestamp += 100;
  }
  WebPAnimEncoderAdd(encoder, nullptr, timestamp, nullptr);
  WebPData data;
  WebPDataInit(&data);
  WebPAnimEncoderAssemble(encoder, &data);
  Bytes bytes(data.bytes, data.bytes + data.size);
  WebPDataClear(&data);
  WebPAnimEncoderDelete(encoder);
  return bytes;
}

Bytes MakeTiff(const TiffRecipe &r) {
  TiffMemory memory;
  memory.Writing = true;
  {
    const std::unique_ptr<TIFF, TiffClose> tif(OpenTiff(memory, "w", std::uint64_t(1) << 30));
    TIFF *t = tif.get();
    TIFFSetField(t, TIFFTAG_IMAGEWIDTH, std::uint32_t(r.Width));
    TIFFSetField(t, TIFFTAG_IMAGELENGTH, std::uint32_t(r.Height));
    TiffField(t, TIFFTAG_BITSPERSAMPLE, r.Bits);
    TiffField(t, TIFFTAG_SAMPLESPERPIXEL, r.Samples);
    TiffField(t, TIFFTAG_PHOTOMETRIC, r.Photometric);
    TiffField(t, TIFFTAG_COMPRESSION, r.Compression);
    TiffField(t, TIFFTAG_ORIENTATION, r.Orientation);
    TiffField(t, TIFFTAG_PLANARCONFIG, r.Planes ? PLANARCONFIG_SEPARATE : PLANARCONFIG_CONTIG);
    if (r.Compression == COMPRESSION_JPEG) TiffField(t, TIFFTAG_JPEGQUALITY, 90);
    if (r.SampleFormat != SAMPLEFORMAT_UINT) TiffField(t, TIFFTAG_SAMPLEFORMAT, r.SampleFormat);
    if (r.ExtraSample) {
      const std::vector<std::uint16_t> extra(std::size_t(r.ExtraCount),
                                             std::uint16_t(r.ExtraSample));
      TIFFSetField(t, TIFFTAG_EXTRASAMPLES, std::uint16_t(r.ExtraCount), extra.data());
    }
    if (r.SubsampleX)
      TIFFSetField(t, TIFFTAG_YCBCRSUBSAMPLING, std::uint16_t(r.SubsampleX),
                   std::uint16_t(r.SubsampleY));
    for (const auto &[tag, value] : r.Fields) TiffField(t, std::uint32_t(tag), value);
    if (!r.Colormap.empty()) {
      const std::size_t n = r.Colormap.size() / 3;
      TIFFSetField(t, TIFFTAG_COLORMAP, r.Colormap.data(), r.Colormap.data() + n,
                   r.Colormap.data() + 2 * n);
    }
    const std::size_t pixelBits = std::size_t(r.Bits) * std::size_t(r.Samples);
    const std::size_t rowBytes = (std::size_t(r.Width) * pixelBits + 7) / 8;
    // One sample's plane of row y, when the samples are in planes (8 and
    // 16 bits only).
    auto plane = [&](int y, int s) {
      const std::size_t bytes = std::size_t(r.Bits / 8);
      Bytes out;
      for (int x = 0; x < r.Width; ++x) {
        const std::size_t at = rowBytes * std::size_t(y) +
                               (std::size_t(x) * std::size_t(r.Samples) + std::size_t(s)) * bytes;
        out.insert(out.end(), r.Rows.begin() + std::ptrdiff_t(at),
                   r.Rows.begin() + std::ptrdiff_t(at + bytes));
      }
      return out;
    };
    if (r.Tiled) {
      TIFFSetField(t, TIFFTAG_TILEWIDTH, 16u);
      TIFFSetField(t, TIFFTAG_TILELENGTH, 16u);
      const std::size_t bytesPerPixel = pixelBits / 8;  // tiles: 8 and 16 bits, interleaved
      Bytes tile(16 * 16 * bytesPerPixel);
      for (int ty = 0; ty < r.Height; ty += 16)
        for (int tx = 0; tx < r.Width; tx += 16) {
          std::fill(tile.begin(), tile.end(), 0);
          for (int y = ty; y < std::min(ty + 16, r.Height); ++y)
            for (int x = tx; x < std::min(tx + 16, r.Width); ++x)
              std::memcpy(&tile[(std::size_t(y - ty) * 16 + std::size_t(x - tx)) * bytesPerPixel],
                          &r.Rows[rowBytes * std::size_t(y) + std::size_t(x) * bytesPerPixel],
                          bytesPerPixel);
          TIFFWriteTile(t, tile.data(), std::uint32_t(tx), std::uint32_t(ty), 0, 0);
        }
    } else if (r.SubsampleX) {
      TIFFSetField(t, TIFFTAG_ROWSPERSTRIP, std::uint32_t(r.RowsPerStrip));
      std::size_t at = 0;
      for (int top = 0, strip = 0; top < r.Height; top += r.RowsPerStrip, ++strip) {
        const tmsize_t size =
            TIFFVStripSize(t, std::uint32_t(std::min(r.RowsPerStrip, r.Height - top)));
        TIFFWriteEncodedStrip(t, std::uint32_t(strip), const_cast<std::uint8_t *>(&r.Rows[at]),
                              size);
        at += std::size_t(size);
      }
    } else {
      TIFFSetField(t, TIFFTAG_ROWSPERSTRIP, std::uint32_t(r.RowsPerStrip));
      for (int s = 0; s < (r.Planes ? r.Samples : 1); ++s)
        for (int y = 0; y < r.Height; ++y) {
          Bytes row = r.Planes
                          ? plane(y, s)
                          : Bytes(r.Rows.begin() + std::ptrdiff_t(rowBytes * std::size_t(y)),
                                  r.Rows.begin() + std::ptrdiff_t(rowBytes * std::size_t(y + 1)));
          TIFFWriteScanline(t, row.data(), std::uint32_t(y), std::uint16_t(s));
        }
    }
    TIFFWriteDirectory(t);
  }
  if (!memory.FirstError.empty())
    throw Error(Text::Verbatim("libtiff could not write the sample: " + memory.FirstError));
  return std::move(memory.Output);
}

Bytes MakeOldJpegTiff(const Bytes &jpeg, int width, int height) {
  struct Entry {
    std::uint16_t Tag, Type;
    std::uint32_t Count, Value;
  };
  constexpr std::uint16_t kShort = 3, kLong = 4;
  constexpr std::uint32_t kEntries = 13, kBits = 8 + 2 + 12 * kEntries + 4, kJpeg = kBits + 6;
  const std::uint32_t size = std::uint32_t(jpeg.size());
  const Entry entries[kEntries] = {
      {256, kLong, 1, std::uint32_t(width)},
      {257, kLong, 1, std::uint32_t(height)},
      {258, kShort, 3, kBits},
      {259, kShort, 1, COMPRESSION_OJPEG},
      {262, kShort, 1, PHOTOMETRIC_YCBCR},
      {273, kLong, 1, kJpeg},
      {277, kShort, 1, 3},
      {278, kLong, 1, std::uint32_t(height)},
      {279, kLong, 1, size},
      {284, kShort, 1, PLANARCONFIG_CONTIG},
      {513, kLong, 1, kJpeg},
      {514, kLong, 1, size},
      {530, kShort, 2, 2 | 2 << 16},  // 2 x 2 subsampling, both in the entry
  };
  Bytes b = {'I', 'I', 42, 0, 8, 0, 0, 0};
  auto put = [&b](std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) b.push_back(std::uint8_t(v >> (8 * i)));
  };
  put(kEntries, 2);
  for (const Entry &e : entries) {
    put(e.Tag, 2), put(e.Type, 2), put(e.Count, 4);
    if (e.Type == kShort && e.Count == 1)
      put(e.Value, 2), put(0, 2);
    else
      put(e.Value, 4);
  }
  put(0, 4);
  put(8, 2), put(8, 2), put(8, 2);
  b.insert(b.end(), jpeg.begin(), jpeg.end());
  return b;
}

Bytes MakeHeif(const HeifRecipe &r) {
  static const bool initialised = heif_init(nullptr).code == heif_error_Ok;
  if (!initialised) return {};
  const std::unique_ptr<heif_context, HeifFree> context(heif_context_alloc());
  heif_encoder *rawEncoder = nullptr;
  if (heif_context_get_encoder_for_format(
          context.get(), r.Avif ? heif_compression_AV1 : heif_compression_HEVC, &rawEncoder)
          .code != heif_error_Ok)
    return {};
  const std::unique_ptr<heif_encoder, HeifFree> encoder(rawEncoder);
  heif_encoder_set_lossy_quality(encoder.get(), 90);
  // Debian 12's libaom stops on an assertion for 10-bit 4:2:0 and 4:4:4;
  // 4:2:2 encodes.
  if (r.Avif && r.Bits > 8) heif_encoder_set_parameter(encoder.get(), "chroma", "422");
  const heif_chroma chroma =
      r.Bits > 8
          ? (r.Alpha ? heif_chroma_interleaved_RRGGBBAA_LE : heif_chroma_interleaved_RRGGBB_LE)
          : (r.Alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB);
  heif_image *rawImage = nullptr;
  heif_image_create(r.Width, r.Height, heif_colorspace_RGB, chroma, &rawImage);
  const std::unique_ptr<heif_image, HeifFree> image(rawImage);
  heif_image_add_plane(rawImage, heif_channel_interleaved, r.Width, r.Height, r.Bits);
  int stride = 0;
  std::uint8_t *plane = heif_image_get_plane(rawImage, heif_channel_interleaved, &stride);
  const std::size_t rowBytes = std::size_t(r.Width) * (r.Alpha ? 4 : 3) * (r.Bits > 8 ? 2 : 1);
  for (int y = 0; y < r.Height; ++y)
    std::memcpy(plane + std::size_t(stride) * std::size_t(y), &r.Samples[rowBytes * std::size_t(y)],
                rowBytes);
  if (!r.Meta.Icc.empty())
    heif_image_set_raw_color_profile(rawImage, "prof", r.Meta.Icc.data(), r.Meta.Icc.size());
  const std::unique_ptr<heif_encoding_options, HeifFree> options(heif_encoding_options_alloc());
  options->image_orientation = heif_orientation(r.Orientation);
  heif_image_handle *handle = nullptr;
  if (heif_context_encode_image(context.get(), rawImage, encoder.get(), options.get(), &handle)
          .code != heif_error_Ok)
    return {};
  if (!r.Meta.Exif.empty())
    heif_context_add_exif_metadata(context.get(), handle, r.Meta.Exif.data(),
                                   int(r.Meta.Exif.size()));
  if (!r.Meta.Xmp.empty())
    heif_context_add_XMP_metadata(context.get(), handle, r.Meta.Xmp.data(), int(r.Meta.Xmp.size()));
  heif_image_handle_release(handle);
  Bytes out;
  heif_writer writer{1, Collect};
  heif_context_write(context.get(), &writer, &out);
  return out;
}

NamedFiles PngSeeds() {
  NamedFiles seeds;
  const Bitmap picture = Gradient(9, 7);
  const Bytes rgb = RgbSamples(picture);
  seeds.emplace_back("rgb.png", MakePng({.Width = 9, .Height = 7, .Rows = rgb}));
  seeds.emplace_back("interlaced.png",
                     MakePng({.Width = 9, .Height = 7, .Rows = rgb, .Interlaced = true}));
  Bytes wide;
  for (std::uint8_t v : rgb) wide.insert(wide.end(), {v, std::uint8_t(v ^ 0x5A)});
  seeds.emplace_back("rgb16.png", MakePng({.Width = 9, .Height = 7, .BitDepth = 16, .Rows = wide}));
  Bytes grey2(std::size_t(7) * 3, 0xE4);  // 2-bit grey, 9 pixels a row
  seeds.emplace_back(
      "grey2.png",
      MakePng({.Width = 9, .Height = 7, .ColorType = 0, .BitDepth = 2, .Rows = grey2}));
  Bytes indices(std::size_t(9) * 7);
  for (std::size_t i = 0; i < indices.size(); ++i) indices[i] = std::uint8_t(i % 4);
  seeds.emplace_back("palette.png", MakePng({.Width = 9,
                                             .Height = 7,
                                             .ColorType = 3,
                                             .Rows = indices,
                                             .Palette = {255, 0, 0, 0, 255, 0, 0, 0, 255, 9, 9, 9},
                                             .Transparency = {255, 128, 0}}));
  Bytes rgba;
  for (std::size_t i = 0; i < rgb.size(); i += 3)
    rgba.insert(rgba.end(), {rgb[i], rgb[i + 1], rgb[i + 2], std::uint8_t(i * 7)});
  seeds.emplace_back("animated.png", MakePng({.Width = 9,
                                              .Height = 7,
                                              .ColorType = 6,
                                              .Rows = rgba,
                                              .Animated = true,
                                              .SecondFrameByte = 200}));
  PngRecipe described{.Width = 9, .Height = 7, .Rows = rgb};
  described.Meta = SeedMetadata();
  seeds.emplace_back("with-text.png", MakePng(described));
  return seeds;
}

NamedFiles WebpSeeds() {
  const Bitmap picture = Gradient(20, 12);
  Bytes bgra;
  for (std::size_t i = 0; i < picture.ByteCount(); i += 3)
    bgra.insert(bgra.end(),
                {picture.Bits()[i], picture.Bits()[i + 1], picture.Bits()[i + 2], std::uint8_t(i)});
  return {
      {"lossy.webp", MakeWebp(picture, false)},
      {"lossless.webp", MakeWebp(picture, true)},
      {"lossy-alpha.webp", MakeWebpWithAlpha(20, 12, bgra, false)},
      {"lossless-alpha.webp", MakeWebpWithAlpha(20, 12, bgra, true)},
      {"animated.webp", MakeAnimatedWebp(picture, Gradient(20, 12))},
      {"with-chunks.webp", EncodeWebp(picture, 90, SeedMetadata())},
  };
}

NamedFiles TiffSeeds() {
  const Bitmap picture = Gradient(20, 18);
  const Bytes rgb = RgbSamples(picture);
  NamedFiles seeds;
  const std::pair<const char *, int> compressions[] = {{"none", COMPRESSION_NONE},
                                                       {"lzw", COMPRESSION_LZW},
                                                       {"deflate", COMPRESSION_ADOBE_DEFLATE},
                                                       {"packbits", COMPRESSION_PACKBITS},
                                                       {"jpeg", COMPRESSION_JPEG}};
  for (const auto &[name, compression] : compressions) {
    TiffRecipe r{.Width = 20, .Height = 18};
    r.Compression = compression;
    if (compression == COMPRESSION_JPEG) r.RowsPerStrip = 16;  // whole blocks
    r.Rows = rgb;
    seeds.emplace_back(std::string("rgb-") + name + ".tif", MakeTiff(r));
  }
  TiffRecipe tiled{.Width = 20, .Height = 18};
  tiled.Tiled = true;
  tiled.Compression = COMPRESSION_LZW;
  tiled.Rows = rgb;
  seeds.emplace_back("tiled.tif", MakeTiff(tiled));
  TiffRecipe planes{.Width = 20, .Height = 18};
  planes.Planes = true;
  planes.Rows = rgb;
  seeds.emplace_back("planes.tif", MakeTiff(planes));
  TiffRecipe cmyk{.Width = 20, .Height = 18, .Photometric = 5, .Samples = 4};
  for (std::size_t i = 0; i < rgb.size(); i += 3)
    cmyk.Rows.insert(cmyk.Rows.end(), {rgb[i], rgb[i + 1], rgb[i + 2], std::uint8_t(i)});
  seeds.emplace_back("cmyk.tif", MakeTiff(cmyk));
  TiffRecipe palette{.Width = 20, .Height = 18, .Photometric = 3, .Bits = 4, .Samples = 1};
  palette.Rows.assign(std::size_t(10) * 18, 0x1E);
  for (int i = 0; i < 48; ++i) palette.Colormap.push_back(std::uint16_t(i * 1300));
  seeds.emplace_back("palette4.tif", MakeTiff(palette));
  TiffRecipe grey16{.Width = 20, .Height = 18, .Photometric = 1, .Bits = 16, .Samples = 1};
  for (int i = 0; i < 20 * 18; ++i) {
    const std::uint16_t v = std::uint16_t(i * 181);
    grey16.Rows.insert(grey16.Rows.end(), {std::uint8_t(v), std::uint8_t(v >> 8)});
  }
  seeds.emplace_back("grey16.tif", MakeTiff(grey16));
  seeds.emplace_back("with-tags.tif", EncodeTiff(picture, SeedMetadata()));
  // The rarer kinds: our conversions and libtiff's RGBA reader.
  TiffRecipe grey12{.Width = 20, .Height = 18, .Photometric = 1, .Bits = 12, .Samples = 1};
  grey12.Rows.assign(std::size_t(30) * 18, 0x5A);
  seeds.emplace_back("grey12.tif", MakeTiff(grey12));
  TiffRecipe real{.Width = 20, .Height = 18, .Bits = 32, .SampleFormat = SAMPLEFORMAT_IEEEFP};
  for (std::size_t i = 0; i < rgb.size(); ++i) {
    const float v = float(rgb[i]) / 200.0f - 0.1f;
    std::uint8_t bytes[4];
    std::memcpy(bytes, &v, 4);
    real.Rows.insert(real.Rows.end(), bytes, bytes + 4);
  }
  seeds.emplace_back("float.tif", MakeTiff(real));
  TiffRecipe logLuv = real;
  logLuv.Photometric = PHOTOMETRIC_LOGLUV;
  logLuv.Compression = COMPRESSION_SGILOG;
  logLuv.SampleFormat = SAMPLEFORMAT_UINT;
  logLuv.Fields = {{TIFFTAG_SGILOGDATAFMT, SGILOGDATAFMT_FLOAT}};
  seeds.emplace_back("logluv.tif", MakeTiff(logLuv));
  TiffRecipe lab{.Width = 20, .Height = 18, .Photometric = PHOTOMETRIC_CIELAB, .Rows = rgb};
  seeds.emplace_back("cielab.tif", MakeTiff(lab));
  TiffRecipe ycbcr{.Width = 20,
                   .Height = 18,
                   .Photometric = PHOTOMETRIC_YCBCR,
                   .Compression = COMPRESSION_LZW,
                   .RowsPerStrip = 6};
  ycbcr.SubsampleX = ycbcr.SubsampleY = 2;
  ycbcr.Rows.assign(std::size_t(10 * 9 * 6), 0x80);
  seeds.emplace_back("ycbcr.tif", MakeTiff(ycbcr));
  seeds.emplace_back("old-jpeg.tif", MakeOldJpegTiff(EncodeJpeg(picture), 20, 18));
  return seeds;
}

NamedFiles HeifSeeds() {
  NamedFiles seeds;
  const Bitmap picture = Gradient(24, 16);
  for (const bool avif : {false, true}) {
    HeifRecipe r{.Width = 24, .Height = 16, .Avif = avif, .Samples = RgbSamples(picture)};
    r.Meta = SeedMetadata();
    r.Meta.Comments.clear();
    const Bytes file = MakeHeif(r);
    if (file.empty()) continue;
    const std::string ext = avif ? ".avif" : ".heic";
    seeds.emplace_back("rgb" + ext, file);
    // The structures libheif builds a picture from, around a small tile.
    const Bitmap small = Gradient(16, 16);
    const CodedTile tile = CodedPictureOf(
        MakeHeif({.Width = 16, .Height = 16, .Avif = avif, .Samples = RgbSamples(small)}));
    seeds.emplace_back("grid" + ext, BuildHeif(GridOf(tile, 2, 3, 40, 30)));
    HeifBuild overlay = GridOf(tile, 1, 2, 40, 30);
    overlay.Items[0].Type = "iovl";
    overlay.Items[0].Data = OverlayDescription(40, 30, {{0, 0}, {20, 10}});
    seeds.emplace_back("overlay" + ext, BuildHeif(overlay));
    HeifBuild turned = GridOf(tile, 1, 1, 16, 16);
    turned.Items[0].Type = "iden";
    turned.Items[0].Data.clear();
    turned.Properties.push_back(Rotation(3));
    turned.Items[0].Properties.push_back(4);
    turned.Items.push_back({.Id = 3, .Type = tile.Type, .Data = tile.Data, .Properties = {1, 2}});
    turned.References.push_back({"thmb", 3, {1}});
    seeds.emplace_back("turned-with-thumbnail" + ext, BuildHeif(turned));
  }
  return seeds;
}

}  // namespace qv::samples
