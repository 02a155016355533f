#include "session/EngineText.h"

#include <QCoreApplication>

namespace qv {

QString Translated(const Text &text) {
  if (text.IsVerbatim()) return QString::fromLocal8Bit(text.Template());
  // A translation may put the arguments in any order; they are filled in by
  // the same rule as the English.
  const QString form = QCoreApplication::translate(kEngineContext, text.Template().c_str());
  return QString::fromStdString(text.Fill(
      form.toStdString(), [](const Text &argument) { return Translated(argument).toStdString(); }));
}

}  // namespace qv
