#include "kernels/RowStep.h"

#include "gfx/Bands.h"
#include "kernels/BlendByLuminance.h"

namespace qv {

RowScratch::RowScratch(int width)
    : rowBytes_(std::size_t(width) * 3),
      rows_(2 * rowBytes_),
      mix_(LuminanceMixScratchBytes(std::size_t(width))) {}

std::vector<std::uint8_t> ColorRow(TColor color, int width) {
  std::vector<std::uint8_t> row(std::size_t(width) * 3);
  for (std::size_t i = 0; i < row.size(); i += 3) {
    row[i] = BlueOf(color);
    row[i + 1] = GreenOf(color);
    row[i + 2] = RedOf(color);
  }
  return row;
}

void RunRowStep(const RowStep &step, const Bitmap &in, Bitmap &out) {
  const int height = out.Height();
  if (out.Empty()) return;
  const PictureRows from = RowsOf(in), to = RowsOf(out);
  ForEachBand(height, 32, WorthSharing(out.ByteCount()), [&](int first, int last) {
    RowScratch scratch(out.Width());
    step.Run(from, to, first, last, scratch);
  });
}

}  // namespace qv
