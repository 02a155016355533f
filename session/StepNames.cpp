#include "session/StepNames.h"

#include <QCoreApplication>
#include <QStringList>

#include "gfx/ColorText.h"
#include "kernels/Categories.h"

namespace qv {

QString StepName(const Step &step) {
  if (step.IsLook()) {
    QString name = QCoreApplication::translate("qv::StepName", "Look %1")
                       .arg(QString::fromStdString(step.Look));
    if (step.Strength != kFullStrength)
      name += QCoreApplication::translate("qv::StepName", ", strength %1 %").arg(step.Strength);
    return name;
  }
  const Category *category = FindCategory(step.Category);
  QString name = QStringLiteral("%1 %2")
                     .arg(category ? QString::fromUtf8(category->Caption) : QStringLiteral("?"))
                     .arg(step.Number);
  QStringList colors;
  for (const auto &answer : step.Colors)
    if (answer) colors << QLatin1Char('#') + QString::fromStdString(ColorText(*answer));
  if (!colors.isEmpty())
    name += (colors.size() == 1 ? QStringLiteral(", colour ") : QStringLiteral(", colours ")) +
            colors.join(QStringLiteral(", "));
  if (step.Strength != kFullStrength) name += QStringLiteral(", strength %1 %").arg(step.Strength);
  return name;
}

QString OpenedName(const QString &documentName) {
  return QStringLiteral("Opened %1").arg(documentName);
}

}  // namespace qv
