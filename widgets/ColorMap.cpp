#include "widgets/ColorMap.h"

#include "widgets/BitmapImage.h"

namespace qv {

QColor ColorToQColor(TColor color, const QPalette &palette) {
  switch (color) {
    case clBtnFace:
      return palette.color(QPalette::Button);
    case clBtnShadow:
      return palette.color(QPalette::Dark);
    case clBtnHighlight:
      return palette.color(QPalette::Light);
    case clWindowText:
      return palette.color(QPalette::WindowText);
    default:
      return ToQColor(color & 0xFFFFFF);
  }
}

}  // namespace qv
