#pragma once

#include <QStringList>

#include "app/Dialogs.h"

namespace qv {

// The dialogs of a running editor.
class QtDialogs : public Dialogs {
 public:
  std::optional<QString> OpenPicture(QWidget *parent, const QString &filter,
                                     const QString &folder) override;
  std::optional<QString> SavePicture(QWidget *parent, const QString &filter, int &filterIndex,
                                     const QString &proposed) override;
  std::optional<TColor> PickColor(QWidget *parent, TColor initial) override;
  void ShowMessage(QWidget *parent, const QString &text) override;
  void ShowWarning(QWidget *parent, const QString &text) override;
  bool ConfirmReplace(QWidget *parent, const QString &path) override;
  bool ConfirmReplaceReadOnly(QWidget *parent, const QString &path) override;
  SaveChoice AskSaveChanges(QWidget *parent, const QString &name) override;
  bool AskRestore(QWidget *parent, const QString &name, const QString &time) override;
  std::optional<QString> AskText(QWidget *parent, const QString &title, const QString &label,
                                 const QString &initial) override;
  bool Confirm(QWidget *parent, const QString &question) override;
  std::optional<QString> OpenFile(QWidget *parent, const QString &title, const QString &filter,
                                  const QString &proposed) override;
  std::optional<QString> SaveFile(QWidget *parent, const QString &title, const QString &filter,
                                  const QString &proposed) override;
  bool EditPreferences(QWidget *parent, Preferences &preferences) override;
  QStringList OpenFiles(QWidget *parent, const QString &title, const QString &filter,
                        const QString &folder) override;
  std::optional<QString> ChooseFolder(QWidget *parent, const QString &title,
                                      const QString &folder) override;
  void OpenDocument(const QString &path, std::function<void()> noViewer) override;
};

// "desc|patterns|desc|patterns" as Qt's name filters, "desc (patterns)".
QStringList NameFilters(const QString &filter);

}  // namespace qv
