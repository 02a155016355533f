#pragma once

#include <optional>

#include <QString>

#include "gfx/Color.h"

class QWidget;

namespace qv {

// Everything the window asks of the person or the desktop goes through this
// seam, so that tests can drive the whole window with scripted answers.
// Filters are written as "description|patterns|description|patterns".
class Dialogs {
 public:
  virtual ~Dialogs() = default;

  // The picture-open dialog; nothing when cancelled.
  virtual std::optional<QString> OpenPicture(QWidget *parent, const QString &filter) = 0;
  // The save dialog. filterIndex (1-based) selects the entry shown first and
  // returns the entry chosen.
  virtual std::optional<QString> SavePicture(QWidget *parent, const QString &filter,
                                             int &filterIndex) = 0;
  // The colour dialog, opening on `initial`; nothing when cancelled.
  virtual std::optional<TColor> PickColor(QWidget *parent, TColor initial) = 0;
  virtual void ShowMessage(QWidget *parent, const QString &text) = 0;
  // Something the user should know that stopped nothing (a picture opened
  // with damage).
  virtual void ShowWarning(QWidget *parent, const QString &text) = 0;
  // Whether an existing file may be replaced.
  virtual bool ConfirmReplace(QWidget *parent, const QString &path) = 0;
  // Whether an existing read-only file may be replaced all the same.
  virtual bool ConfirmReplaceReadOnly(QWidget *parent, const QString &path) = 0;
  // Hands a document to the desktop's default viewer; failures are silent.
  virtual void OpenDocument(const QString &path) = 0;
};

}  // namespace qv
