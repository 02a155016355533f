// TIFF encoding through libtiff: 8-bit RGB in strips, deflate with the
// horizontal predictor, and the colour profile, XMP, Photoshop resources
// (IPTC) and first comment as tags of their own; EXIF is added to the
// finished file by libexiv2 (ExifIntoTiff).

#include <memory>
#include <vector>

#include "codecs/Codecs.h"
#include "codecs/Metadata.h"
#include "codecs/TiffMemory.h"
#include "gfx/Error.h"

namespace qv {

Bytes EncodeTiff(const Bitmap &bitmap, const Metadata &meta) {
  if (bitmap.Empty()) throw Error(QV_TEXT("TIFF image is not valid: a picture without pixels"));
  TiffMemory memory;
  memory.Writing = true;
  {
    const std::unique_ptr<TIFF, TiffClose> tif(OpenTiff(memory, "w", std::uint64_t(1) << 30));
    if (!tif) throw Error(Say(QV_TEXT("TIFF error: %1"), memory.FirstError));
    TIFF *t = tif.get();
    const std::uint32_t width = std::uint32_t(bitmap.Width());
    TIFFSetField(t, TIFFTAG_IMAGEWIDTH, width);
    TIFFSetField(t, TIFFTAG_IMAGELENGTH, std::uint32_t(bitmap.Height()));
    TIFFSetField(t, TIFFTAG_BITSPERSAMPLE, 8);
    TIFFSetField(t, TIFFTAG_SAMPLESPERPIXEL, 3);
    TIFFSetField(t, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_RGB);
    TIFFSetField(t, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
    TIFFSetField(t, TIFFTAG_ORIENTATION, ORIENTATION_TOPLEFT);
    TIFFSetField(t, TIFFTAG_COMPRESSION, COMPRESSION_ADOBE_DEFLATE);
    TIFFSetField(t, TIFFTAG_PREDICTOR, PREDICTOR_HORIZONTAL);
    TIFFSetField(t, TIFFTAG_ROWSPERSTRIP, TIFFDefaultStripSize(t, 0));
    if (!meta.Icc.empty())
      TIFFSetField(t, TIFFTAG_ICCPROFILE, std::uint32_t(meta.Icc.size()), meta.Icc.data());
    if (!meta.Xmp.empty())
      TIFFSetField(t, TIFFTAG_XMLPACKET, std::uint32_t(meta.Xmp.size()), meta.Xmp.data());
    if (!meta.Photoshop.empty())
      TIFFSetField(t, TIFFTAG_PHOTOSHOP, std::uint32_t(meta.Photoshop.size()),
                   meta.Photoshop.data());
    if (!meta.Comments.empty())
      TIFFSetField(t, TIFFTAG_IMAGEDESCRIPTION, meta.Comments.front().c_str());
    std::vector<std::uint8_t> rgb(bitmap.RowBytes());
    for (int y = 0; y < bitmap.Height(); ++y) {
      const std::uint8_t *bgr = bitmap.ScanLine(y);
      for (std::size_t x = 0; x < rgb.size(); x += 3)
        rgb[x] = bgr[x + 2], rgb[x + 1] = bgr[x + 1], rgb[x + 2] = bgr[x];
      if (TIFFWriteScanline(t, rgb.data(), std::uint32_t(y), 0) < 0)
        throw Error(Say(QV_TEXT("TIFF error: %1"), memory.FirstError));
    }
    if (!TIFFWriteDirectory(t)) throw Error(Say(QV_TEXT("TIFF error: %1"), memory.FirstError));
  }
  if (!memory.FirstError.empty()) throw Error(Say(QV_TEXT("TIFF error: %1"), memory.FirstError));
  return meta.Exif.empty() ? std::move(memory.Output) : ExifIntoTiff(memory.Output, meta.Exif);
}

}  // namespace qv
