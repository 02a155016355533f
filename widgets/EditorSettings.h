#pragma once

#include <QSettings>

namespace qv {

// The editor's settings: ~/.config/Quorvane/Quorvane.conf on Linux (the
// recent files, the windows' places, the preferences).
inline QSettings EditorSettings() {
  return QSettings(QStringLiteral("Quorvane"), QStringLiteral("Quorvane"));
}

}  // namespace qv
