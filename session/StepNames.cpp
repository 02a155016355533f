#include "session/StepNames.h"

#include <QCoreApplication>
#include <QStringList>

#include "gfx/ColorText.h"
#include "kernels/Categories.h"

namespace qv {

namespace {

// "Light A 3", the caption in the interface's language as the category's
// button has it.
QString EffectCaption(const Step &step) {
  const Category *category = FindCategory(step.Category);
  return QCoreApplication::translate("qv::StepName", "%1 %2")
      .arg(category ? QCoreApplication::translate("Category", category->Caption)
                    : QStringLiteral("?"))
      .arg(step.Number);
}

}  // namespace

QString StepName(const Step &step) {
  if (step.IsLook()) {
    QString name = QCoreApplication::translate("qv::StepName", "Look %1")
                       .arg(QString::fromStdString(step.Look));
    if (step.Strength != kFullStrength)
      name += QCoreApplication::translate("qv::StepName", ", strength %1 %").arg(step.Strength);
    if (step.Mask.Any()) name += QCoreApplication::translate("StepNames", ", masked");
    return name;
  }
  QString name = EffectCaption(step);
  QStringList colors;
  for (const auto &answer : step.Colors)
    if (answer) colors << QLatin1Char('#') + QString::fromStdString(ColorText(*answer));
  if (!colors.isEmpty())
    name += (colors.size() == 1 ? QCoreApplication::translate("qv::StepName", ", colour %1")
                                : QCoreApplication::translate("qv::StepName", ", colours %1"))
                .arg(colors.join(QStringLiteral(", ")));
  if (step.Strength != kFullStrength)
    name += QCoreApplication::translate("qv::StepName", ", strength %1 %").arg(step.Strength);
  if (step.Mask.Any()) name += QCoreApplication::translate("StepNames", ", masked");
  return name;
}

QString BrushesLeftOutNotice(const std::vector<Step> &steps) {
  QStringList brushed;
  for (const Step &step : steps)
    if (step.Mask.Brushed()) brushed << EffectCaption(step);
  if (brushed.isEmpty()) return {};
  const QString last = brushed.takeLast();
  const QString effects =
      brushed.isEmpty()
          ? last
          : QCoreApplication::translate("StepNames", "%1 and %2").arg(brushed.join(", "), last);
  return QCoreApplication::translate(
             "StepNames", "Brush strokes belong to their photo: the look keeps %1 without them.")
      .arg(effects);
}

QString OpenedName(const QString &documentName) {
  return QCoreApplication::translate("qv::StepName", "Opened %1").arg(documentName);
}

}  // namespace qv
