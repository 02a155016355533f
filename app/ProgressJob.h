#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace qv {

// Runs work on a thread of its own while the window waits for it without
// freezing: it keeps painting, and after half a second a progress dialog
// over parent shows how far the work has come (what it tells its
// RunProgress) with a Cancel button, which sets the work's cancel token.
// Until then the user's clicks and keys wait. Returns false when the user
// cancelled (whatever the work then did); rethrows the work's error.
bool RunWithProgress(QWidget *parent, const QString &label, const std::function<void()> &work);

}  // namespace qv
