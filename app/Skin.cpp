#include "app/Skin.h"

#include <QApplication>
#include <QFile>

namespace qv {

void SkinStart(const QString &skinFile) {
  QFile file(skinFile);
  if (!file.open(QIODevice::ReadOnly)) return;
  qApp->setStyleSheet(QString::fromUtf8(file.readAll()));
}

void SkinRemove() {
  qApp->setStyleSheet(QString());
}

}  // namespace qv
