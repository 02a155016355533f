#include "kernels/LookMetadata.h"

#include "codecs/XmpNote.h"
#include "gfx/ContentHash.h"
#include "gfx/Error.h"

namespace qv {

std::string PixelsHash(const Bitmap &picture) {
  return HashText(ContentHash({picture.Bits(), picture.ByteCount()}));
}

std::optional<MadeWith> MadeWithOf(const Metadata &meta) {
  const auto text = XmpNote(meta.Xmp, "look");
  if (!text) return std::nullopt;
  try {
    MadeWith made{ParseLook(*text), XmpNote(meta.Xmp, "source").value_or("")};
    return made;
  } catch (const Error &) {
    return std::nullopt;
  }
}

Metadata WithMadeWith(const Metadata &meta, const std::optional<MadeWith> &before,
                      const std::vector<Step> &steps, const Bitmap &opened) {
  if (steps.empty()) return meta;
  MadeWith made = before ? *before : MadeWith{{}, PixelsHash(opened)};
  for (const Step &step : Effects(steps)) made.Steps.Steps.push_back(step);
  if (made.Steps.Steps.size() > kMaxLookSteps) return meta;
  Metadata out = meta;
  Bytes xmp = XmpWithNote(meta.Xmp, "look", LookText(made.Steps, true));
  if (!xmp.empty()) xmp = XmpWithNote(xmp, "source", made.SourcePixels);
  if (!xmp.empty()) out.Xmp = std::move(xmp);
  return out;
}

}  // namespace qv
