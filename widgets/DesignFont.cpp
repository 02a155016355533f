#include "widgets/DesignFont.h"

#include <QFontDatabase>

namespace qv {

QFont DesignFont(const QString &family, int height) {
  QFont font;
  if (family == QLatin1String("MS Sans Serif")) {
    font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setStyleHint(QFont::SansSerif);
  } else {
    font.setFamily(family);
  }
  if (height != 0) font.setPixelSize(height < 0 ? -height : height);
  return font;
}

}  // namespace qv
