#include "session/EngineText.h"

#include <QCoreApplication>

namespace qv {

QString Translated(const Text &text) {
  if (text.IsVerbatim()) return QString::fromLocal8Bit(text.Template());
  const QString form = QCoreApplication::translate(kEngineContext, text.Template().c_str());
  // Each %N once, left to right, so that an argument holding "%2" stays as
  // it is; a translation may put them in any order.
  QString said;
  said.reserve(form.size());
  for (qsizetype i = 0; i < form.size(); ++i) {
    const QChar next = i + 1 < form.size() ? form[i + 1] : QChar();
    const int index = next.digitValue() - 1;
    if (form[i] == u'%' && index >= 0 && index < int(text.Arguments().size())) {
      said += Translated(text.Arguments()[std::size_t(index)]);
      ++i;
    } else {
      said += form[i];
    }
  }
  return said;
}

}  // namespace qv
