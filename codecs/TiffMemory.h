#pragma once

// libtiff on bytes in memory rather than on a file, with the library's
// error messages kept for our own message instead of going to standard
// error.

#include <tiffio.h>

#include <cstdint>
#include <span>
#include <string>

#include "codecs/Picture.h"

namespace qv {

struct TiffMemory {
  // Reading: the file's bytes. Writing: the bytes written so far.
  std::span<const std::uint8_t> Input;
  Bytes Output;
  std::uint64_t At = 0;
  bool Writing = false;
  std::string FirstError;  // libtiff's first error, "" when none
};

struct TiffClose {
  void operator()(TIFF *tif) const { TIFFClose(tif); }
};

// A TIFF handle on memory ("r" or "w"), or null with memory.FirstError set.
// No single allocation of libtiff's may exceed maxAllocation bytes.
TIFF *OpenTiff(TiffMemory &memory, const char *mode, std::uint64_t maxAllocation);

}  // namespace qv
