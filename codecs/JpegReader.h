#pragma once

// A JPEG decoded a band of rows at a time through libjpeg: the header (size,
// metadata, orientation) first, then the rows in order. The whole-picture
// decoder reads every band into one bitmap; the streamed render hands each
// band on as soon as it is decoded.

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "codecs/Picture.h"

namespace qv {

class JpegReader {
 public:
  // Reads the header of data, which must outlive the reader: libjpeg's
  // default decompression settings (full scale); greyscale comes out as
  // 24-bit grey, CMYK and YCCK as RGB. With withMetadata the metadata
  // segments are collected as libjpeg meets them. Throws "JPEG error #N:
  // ..." or the size refusal.
  JpegReader(std::span<const std::uint8_t> data, bool withMetadata);
  ~JpegReader();
  JpegReader(const JpegReader &) = delete;
  JpegReader &operator=(const JpegReader &) = delete;

  int Width() const;
  int Height() const;
  // The rows decoded so far; the next ReadRows starts at this row.
  int NextRow() const;
  // Decodes the next count rows (at most the rows left) into rows[0] to
  // rows[count - 1], each 3 x Width bytes of blue, green, red.
  void ReadRows(std::uint8_t *const *rows, int count);
  // After the last row: ends the decode (too few rows read is an error).
  void Finish();

  // Puts the metadata blocks of the segments met so far together and checks
  // them, and reads the orientation from them. Segments may also stand
  // between or after the scans: after Finish all of them are in.
  void ReadMetadata();
  // How many segments have been met so far, for a reader that must know
  // whether any came after its ReadMetadata.
  std::size_t MetadataSegmentCount() const;
  // As stored: the reader does not turn the picture.
  int Orientation() const { return orientation_; }
  Metadata &Meta() { return meta_; }
  // Damage worked around: libjpeg's first warning, then the metadata's.
  // Complete after Finish.
  std::vector<Text> Warnings() const;

 private:
  struct State;
  std::unique_ptr<State> state_;
  Metadata meta_;
  int orientation_ = 1;
  std::vector<Text> metaWarnings_;
};

}  // namespace qv
