#pragma once

#include <QString>

namespace qv {

// The window skin is a Qt style sheet file applied to the whole
// application. A missing or unreadable file leaves the windows unskinned.
void SkinStart(const QString &skinFile);
void SkinRemove();

}  // namespace qv
