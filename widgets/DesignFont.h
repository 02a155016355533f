#pragma once

#include <QFont>
#include <QString>

namespace qv {

// The windows are designed in "MS Sans Serif"; it becomes the system's
// sans-serif face. A negative height is a pixel height, as designed.
QFont DesignFont(const QString &family, int height);

}  // namespace qv
