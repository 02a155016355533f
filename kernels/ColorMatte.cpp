#include "kernels/ColorMatte.h"

#include "kernels/BlendByLuminance.h"

namespace qv {

TColor MatteColor(TColor defaultColor, const KernelEnv &env, TColor &brush) {
  if (!env.PickColorFlag())
    brush = defaultColor;
  else if (const auto picked = env.AskColor())
    brush = *picked;
  return brush;
}

void MatteRow(std::uint8_t *out, const std::uint8_t *in, const std::vector<std::uint8_t> &fill,
              const std::uint8_t *map, RowScratch &scratch) {
  LuminanceMixRow(out, fill.data(), in, map, fill.size() / 3, scratch.Mix());
}

}  // namespace qv
