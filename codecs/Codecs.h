#pragma once

// Reading and writing pictures. Every decoder gives a 24-bit Bitmap, checks
// the declared size against the pixel limit before allocating, and reports
// failure by throwing qv::Error with the program's message:
//   "Cannot open file %s"            a file that cannot be read or written
//   "JPEG error #%d"                 any libjpeg error (its message number)
//   "Bitmap image is not valid"      anything that is no valid BMP
//   "Unknown picture file extension (.%s)"  neither BMP nor JPEG
// A decoder that throws has not touched anything the caller owns.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "gfx/Bitmap.h"

namespace qv {

using Bytes = std::vector<std::uint8_t>;

// JPEG through libjpeg with its default decompression settings (full scale);
// greyscale becomes 24-bit grey, CMYK and YCCK are converted to RGB.
Bitmap DecodeJpeg(std::span<const std::uint8_t> data);
// Baseline JFIF, colour, default (4:2:0) subsampling.
Bytes EncodeJpeg(const Bitmap &bitmap, int quality = 90);

// Windows bitmaps: 1, 4, 8, 16, 24 and 32 bits, RLE4/RLE8, bit fields,
// top-down and bottom-up, OS/2 headers.
Bitmap DecodeBmp(std::span<const std::uint8_t> data);
// Uncompressed 24-bit bottom-up BMP.
Bytes EncodeBmp(const Bitmap &bitmap);

enum class PictureFormat { Unknown, Bmp, Jpeg };
// By content: "BM" or the JPEG start-of-image marker.
PictureFormat SniffFormat(std::span<const std::uint8_t> data);
// By extension, without regard to case: .bmp, .jpg, .jpeg.
PictureFormat FormatFromExtension(const std::string &path);

Bytes ReadFileBytes(const std::string &path);
void WriteFileBytes(const std::string &path, std::span<const std::uint8_t> data);

// Opens a picture by its content. Content that is neither BMP nor JPEG goes
// to the codec its extension names, which says what is wrong with it; any
// other extension gives "Unknown picture file extension (.%s)".
Bitmap ReadPicture(const std::string &path);
// Writes BMP or JPEG (quality 90) chosen by the extension.
void WritePicture(const std::string &path, const Bitmap &bitmap);

}  // namespace qv
