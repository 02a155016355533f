#pragma once

// Photos with metadata as cameras and editors write them, built with
// libexiv2, and what libexiv2's own JPEG reader finds in a file we wrote.

#include <string>
#include <vector>

#include "codecs/Codecs.h"

namespace qv::test {

// EXIF (camera, date, GPS, artist, copyright, the orientation given, pixel
// size 0 x 0 and an embedded thumbnail), XMP (creator, the orientation, a
// thumbnail, naming an extended packet of 100 KB), Photoshop resources (IPTC
// keyword "beach" and a thumbnail), a 150 KB RGB colour profile and a comment.
Metadata CameraMetadata(int orientation);

struct MetadataSeen {
  std::string Make, DateTaken, GpsLatitude, Artist, XmpCreator, IptcKeyword, Comment;
  long Orientation = 0, PixelWidth = 0, PixelHeight = 0, XmpOrientation = 0;
  bool ExifThumbnail = false, XmpThumbnail = false, PhotoshopThumbnail = false;
  Bytes Icc;
  bool Empty() const {
    return Make.empty() && XmpCreator.empty() && IptcKeyword.empty() && Comment.empty() &&
           Icc.empty();
  }
};
MetadataSeen ReadBackMetadata(const Bytes &jpeg);

// A JPEG of picture with meta written exactly as given.
Bytes JpegWith(const Bitmap &picture, const Metadata &meta);

// A Canon camera's metadata: EXIF with Canon maker notes (owner, serial
// number, camera settings: 35 tags in exiftool's reading), whose offsets
// count from the start of the TIFF structure; XMP naming an extended packet
// that holds a description, "kept in the extended packet".
Metadata CanonMetadata();

// What exiftool says of a file (run as a child, the file in a temporary
// folder): its output for the arguments given, "-validate -warning -a" for
// its complaints.
std::string Exiftool(const Bytes &file, const std::string &extension,
                     const std::vector<std::string> &arguments);

}  // namespace qv::test
