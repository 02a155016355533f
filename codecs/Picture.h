#pragma once

// A picture as it comes out of a file: pixels, the metadata the file
// carried, and what the decoder had to work around. Every format's decoder
// fills one; every encoder writes the metadata its format can hold.

#include <cstdint>
#include <string>
#include <vector>

#include "gfx/Bitmap.h"
#include "gfx/Error.h"

namespace qv {

using Bytes = std::vector<std::uint8_t>;

// The blocks are kept as the file held them (after the checks of
// Metadata.h), so that a save writes them back unchanged except where the
// picture itself changed (orientation, size, thumbnails).
struct Metadata {
  Bytes Exif;  // TIFF structure from its byte-order mark on ("II*\0" or "MM\0*")
  Bytes Xmp;   // the main XMP packet
  // The extended XMP packet, whole, and the 32-digit GUID that the main
  // packet names it by (xmpNote:HasExtendedXMP).
  Bytes ExtendedXmp;
  std::string ExtendedXmpGuid;
  Bytes Photoshop;  // Photoshop image resources ("8BIM" blocks): IPTC and its kin
  Bytes Icc;        // the whole ICC profile of the pixel values (RGB only)
  std::vector<std::string> Comments;

  bool Empty() const {
    return Exif.empty() && Xmp.empty() && ExtendedXmp.empty() && Photoshop.empty() && Icc.empty() &&
           Comments.empty();
  }
};

struct DecodedPicture {
  Bitmap Pixels;
  Metadata Meta;
  // How the stored pixels must be turned to stand upright, as EXIF counts
  // it (1 upright, 6 turned a quarter clockwise, ...). The reading path
  // turns them and sets 1; asset files are used as stored.
  int Orientation = 1;
  // Damage the decoder worked around, each a short phrase ("part of the
  // picture is missing or damaged (Premature end of JPEG file)"). The
  // picture is still usable; the user is told.
  std::vector<Text> Warnings;
};

// Told of a picture's rows while it is decoded, for work that can follow the
// decode on another core (the editor's screen copy). Only a JPEG picture
// stored upright is followed: Started once its bitmap has its size, then
// RowsDone(n) each time rows 0 to n - 1 are final, then Ended, whether the
// decode came to its end (complete) or failed. The bitmap's pixels stay
// where they are until then; after Ended returns they may be gone.
class DecodeFollower {
 public:
  virtual ~DecodeFollower() = default;
  virtual void Started(const Bitmap &picture) = 0;
  virtual void RowsDone(int rows) = 0;
  virtual void Ended(bool complete) noexcept = 0;
};

}  // namespace qv
