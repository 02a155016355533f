// PNG encoding through libpng: 8-bit RGB straight from the Bitmap's rows,
// with the EXIF (eXIf), the colour profile (iCCP), the XMP packet and the
// comments (iTXt) of the picture.

#include <png.h>

#include <csetjmp>
#include <cstring>
#include <string>
#include <vector>

#include "codecs/Codecs.h"
#include "gfx/Error.h"

namespace qv {

namespace {

struct PngWriter {
  png_structp png = nullptr;
  png_infop info = nullptr;
  std::jmp_buf jump;
  char error[200] = {};
  Bytes *out = nullptr;

  ~PngWriter() { png_destroy_write_struct(&png, &info); }
};

void JumpBack(png_structp png, png_const_charp message) {
  PngWriter &writer = *static_cast<PngWriter *>(png_get_error_ptr(png));
  std::snprintf(writer.error, sizeof writer.error, "%s", message);
  std::longjmp(writer.jump, 1);
}
void Ignore(png_structp, png_const_charp) {}

void Append(png_structp png, png_bytep data, std::size_t count) {
  Bytes &out = *static_cast<PngWriter *>(png_get_io_ptr(png))->out;
  out.insert(out.end(), data, data + count);
}
void Flush(png_structp) {}

// libpng measures an international text by its terminating zero, so the
// text is a string that has one.
png_text TextChunk(const char *key, const std::string &text) {
  png_text t{};
  t.compression = PNG_ITXT_COMPRESSION_NONE;
  t.key = const_cast<png_charp>(key);
  t.text = const_cast<png_charp>(text.c_str());
  t.itxt_length = text.size();
  return t;
}

// Runs body, which may only call libpng and touch plain data; a libpng
// error comes back as false.
template <class Body>
bool WritePng(PngWriter &writer, Body &&body) {
  if (setjmp(writer.jump)) return false;
  body();
  return true;
}

}  // namespace

Bytes EncodePng(const Bitmap &bitmap, const Metadata &meta) {
  if (bitmap.Empty()) throw Error(QV_TEXT("PNG image is not valid: a picture without pixels"));
  Bytes out;
  PngWriter w;
  w.out = &out;
  w.png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &w, JumpBack, Ignore);
  if (!w.png || !(w.info = png_create_info_struct(w.png))) throw Error(QV_TEXT("Out of memory"));
  std::vector<png_text> texts;
  const std::string xmp(meta.Xmp.begin(), meta.Xmp.end());
  if (!xmp.empty()) texts.push_back(TextChunk("XML:com.adobe.xmp", xmp));
  for (const std::string &comment : meta.Comments) texts.push_back(TextChunk("Comment", comment));
  if (!WritePng(w, [&] {
        png_set_write_fn(w.png, &w, Append, Flush);
        // A profile libpng finds fault with is left out rather than failing the save.
        png_set_benign_errors(w.png, 1);
        png_set_IHDR(w.png, w.info, png_uint_32(bitmap.Width()), png_uint_32(bitmap.Height()), 8,
                     PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                     PNG_FILTER_TYPE_DEFAULT);
        if (!meta.Icc.empty())
          png_set_iCCP(w.png, w.info, "ICC profile", PNG_COMPRESSION_TYPE_BASE, meta.Icc.data(),
                       png_uint_32(meta.Icc.size()));
        if (!meta.Exif.empty())
          png_set_eXIf_1(w.png, w.info, png_uint_32(meta.Exif.size()),
                         const_cast<png_bytep>(meta.Exif.data()));
        if (!texts.empty()) png_set_text(w.png, w.info, texts.data(), int(texts.size()));
        png_write_info(w.png, w.info);
        png_set_bgr(w.png);
        for (int y = 0; y < bitmap.Height(); ++y)
          png_write_row(w.png, const_cast<png_bytep>(bitmap.ScanLine(y)));
        // Without the info: libpng 1.6.39 would write its eXIf chunk a second
        // time, after the picture data.
        png_write_end(w.png, nullptr);
      }))
    throw Error(Say(QV_TEXT("PNG error: %1"), w.error));
  return out;
}

}  // namespace qv
