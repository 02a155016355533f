#pragma once

// What happens to metadata between reading and writing. It is attacker data
// like the pixels: its size is capped, and each block is checked by the
// library that knows its format (libexiv2 for EXIF, XMP and IPTC) before it
// is kept. A block that fails is dropped with a warning; the picture opens
// all the same.

#include <span>
#include <string>
#include <vector>

#include "codecs/Picture.h"

namespace qv {

// All metadata segments of one file together, and one block put together
// from chunks (ICC profile, extended XMP, Photoshop resources).
inline constexpr std::size_t kMaxMetadataBytes = std::size_t(64) << 20;
inline constexpr std::size_t kMaxMetadataBlockBytes = std::size_t(16) << 20;

// Drops the blocks of meta that their library cannot read, naming each in
// warnings ("its EXIF block is damaged and was left out"), and colour
// profiles that cannot describe RGB pixels.
void CheckMetadata(Metadata &meta, std::vector<Text> &warnings);

// The EXIF orientation, 1 to 8; 1 when there is none or it is out of range.
int ExifOrientation(const Bytes &exif);

// meta as a picture of width x height written now carries it: EXIF and XMP
// say orientation 1 and the new pixel size, and the thumbnails embedded in
// EXIF, XMP and the Photoshop resources are gone, since they would show the
// picture as it was. A block that cannot be rewritten is left out. Without
// separateExtendedXmp (every format but JPEG) the extended XMP packet is
// merged into the main one.
Metadata MetadataForOutput(const Metadata &meta, int width, int height,
                           bool separateExtendedXmp = true);

// Each checked block on its own (ExifBlock.cpp, XmpBlock.cpp,
// PhotoshopBlock.cpp, IccProfile.cpp): Check* says whether it reads,
// *ForOutput gives it rewritten as above, or empty when that fails.
// EXIF that libexiv2 reads only with complaints (a directory pointing
// outside the block or back at one read before) is written anew from the
// tags it could read: that block replaces exif, Repaired.
enum class ExifVerdict { Sound, Repaired, Damaged };
ExifVerdict CheckExif(Bytes &exif);
Bytes ExifForOutput(const Bytes &exif, int width, int height);
bool CheckXmp(const Bytes &xmp);
// The main packet rewritten as above; with merge, with what the extended
// packet says, without the note naming it; without merge, the note only
// where the extended packet is there.
Bytes XmpForOutput(const Bytes &xmp, int width, int height, const Bytes &extended, bool merge);
bool CheckPhotoshop(const Bytes &resources);
Bytes PhotoshopForOutput(const Bytes &resources);
// A TIFF file's EXIF as a block of its own: the camera's tags of the first
// page (make, model, dates, exposure, GPS), without those that describe the
// file's layout; empty when there are none.
Bytes ExifFromTiff(std::span<const std::uint8_t> tiff);
// tiff, a file just written, with the camera's tags of exif added by
// libexiv2; tiff unchanged when they cannot be.
Bytes ExifIntoTiff(const Bytes &tiff, const Bytes &exif);
enum class IccVerdict { Rgb, OtherColours, Damaged };
// The profile's verdict; an RGB profile is trimmed to the size its header
// gives.
IccVerdict CheckIcc(Bytes &profile);

// libexiv2 is set up once per process: silent (its warnings would go to
// standard error) and safe to use from several threads.
void PrepareExiv2();

// Whether libexiv2 warned or failed on this thread while the scope lived:
// what it reads with complaints is damaged.
class Exiv2Complaints {
 public:
  Exiv2Complaints();
  ~Exiv2Complaints();
  Exiv2Complaints(const Exiv2Complaints &) = delete;
  Exiv2Complaints &operator=(const Exiv2Complaints &) = delete;
  bool Any() const { return count_ > 0; }
  void Heard() { ++count_; }

 private:
  int count_ = 0;
  Exiv2Complaints *outer_;
};

}  // namespace qv
