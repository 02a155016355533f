#pragma once

#include <functional>
#include <optional>

#include <QString>
#include <QStringList>

#include "gfx/Color.h"

class QWidget;

namespace qv {

struct Preferences;

// The answers to "Save changes to NAME?".
enum class SaveChoice { Save, Discard, Cancel };

// Everything the window asks of the person or the desktop goes through this
// seam, so that tests can drive the whole window with scripted answers.
// Filters are written as "description|patterns|description|patterns".
class Dialogs {
 public:
  virtual ~Dialogs() = default;

  // The picture-open dialog, starting in `folder`; nothing when cancelled.
  virtual std::optional<QString> OpenPicture(QWidget *parent, const QString &filter,
                                             const QString &folder) = 0;
  // The save dialog, proposing `proposed` (a folder, or a folder and a
  // name). filterIndex (1-based) selects the entry shown first and returns
  // the entry chosen.
  virtual std::optional<QString> SavePicture(QWidget *parent, const QString &filter,
                                             int &filterIndex, const QString &proposed) = 0;
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
  // "Save changes to NAME?" with Save, Discard and Cancel.
  virtual SaveChoice AskSaveChanges(QWidget *parent, const QString &name) = 0;
  // "Restore the unsaved changes to NAME from TIME?" after a run that did
  // not close; true for Restore, the default.
  virtual bool AskRestore(QWidget *parent, const QString &name, const QString &time) = 0;
  // A line of text (a look's name), proposing `initial`; nothing when cancelled.
  virtual std::optional<QString> AskText(QWidget *parent, const QString &title,
                                         const QString &label, const QString &initial) = 0;
  // A yes-or-no question (Delete a look?); true for yes.
  virtual bool Confirm(QWidget *parent, const QString &question) = 0;
  // The dialogs for other files: one to open and one to save, by a filter
  // as above, starting at `proposed` (a folder, or a folder and a name).
  virtual std::optional<QString> OpenFile(QWidget *parent, const QString &title,
                                          const QString &filter, const QString &proposed) = 0;
  virtual std::optional<QString> SaveFile(QWidget *parent, const QString &title,
                                          const QString &filter, const QString &proposed) = 0;
  // The Preferences window, showing `preferences`; true when the user
  // accepted it, with `preferences` as they were left.
  virtual bool EditPreferences(QWidget *parent, Preferences &preferences) = 0;
  // Several files at once (a batch's pictures), starting in `folder`;
  // empty when cancelled.
  virtual QStringList OpenFiles(QWidget *parent, const QString &title, const QString &filter,
                                const QString &folder) = 0;
  // A folder, starting in `folder`; nothing when cancelled.
  virtual std::optional<QString> ChooseFolder(QWidget *parent, const QString &title,
                                              const QString &folder) = 0;
  // Hands a document to the desktop's viewer; `noViewer` runs (perhaps
  // later) when there is none that can show it.
  virtual void OpenDocument(const QString &path, std::function<void()> noViewer) = 0;
};

}  // namespace qv
