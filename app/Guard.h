#pragma once

#include <exception>

#include <QString>

#include "app/Dialogs.h"
#include "session/EditSession.h"

namespace qv {

// Every event handler runs inside this: Qt cannot carry an exception
// through its event loop, so a failure is shown in a message box here and
// the loop goes on. What the handler did before it threw stays done.
template <class Handler>
void Guarded(Dialogs &dialogs, QWidget *parent, Handler &&handler) noexcept {
  QString message;
  try {
    handler();
    return;
  } catch (...) {
    message = FailureText(std::current_exception());
  }
  try {
    dialogs.ShowMessage(parent, message);
  } catch (...) {
    // Nothing is left that could report it.
  }
}

}  // namespace qv
