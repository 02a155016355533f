#pragma once

// What a screen reader says of a control, in the interface's language: its
// name (none keeps the one Qt gives it, a button's text) and what it does.
// The texts are marked for the translators where they are written, with
// QT_TRANSLATE_NOOP(context, ...).

#include <QCoreApplication>
#include <QWidget>

namespace qv {

inline void SetAccessibleText(QWidget *control, const char *context, const char *name,
                              const char *description) {
  if (name) control->setAccessibleName(QCoreApplication::translate(context, name));
  control->setAccessibleDescription(QCoreApplication::translate(context, description));
}

}  // namespace qv
