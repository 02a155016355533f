// libFuzzer target: any bytes through one picture reader, chosen when the
// target is built (QV_FUZZ_DECODER, such as qv::DecodePngPicture), with its
// metadata made ready for a save as a picture written afterwards would
// take it. The reader must decode the bytes or throw qv::Error; anything
// else (a crash, a leak, a sanitizer report, another exception) is a
// finding.

#include <cstddef>
#include <cstdint>

#include "codecs/Codecs.h"
#include "codecs/Metadata.h"
#include "gfx/Error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  try {
    const qv::DecodedPicture picture = QV_FUZZ_DECODER({data, size});
    if (picture.Pixels.Empty()) __builtin_trap();  // a picture without pixels is no success
    if (!picture.Meta.Empty())
      (void)qv::MetadataForOutput(picture.Meta, picture.Pixels.Width(), picture.Pixels.Height(),
                                  false);
  } catch (const qv::Error &) {
  }
  return 0;
}
