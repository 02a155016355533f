#include "kernels/ColorMatte.h"

#include "kernels/BlendByLuminance.h"

namespace qv {

void ColorMatte(const Bitmap &source, Bitmap &dest, const Bitmap &map, TColor defaultColor,
                const KernelEnv &env) {
  if (&source == &dest) {  // the fill would wipe the picture before it is read
    const Bitmap picture(source);
    ColorMatte(picture, dest, map, defaultColor, env);
    return;
  }
  dest.Recreate(source.Width(), source.Height());
  if (!env.PickColorFlag())
    dest.SetBrushColor(defaultColor);
  else if (const auto picked = env.AskColor())
    dest.SetBrushColor(*picked);
  BlendByLuminanceOverColor(dest, dest.BrushColor(), source, map);
}

}  // namespace qv
