#pragma once

#include <deque>
#include <optional>
#include <type_traits>
#include <utility>

#include <QString>
#include <QStringList>

#include "app/Dialogs.h"
#include "app/Preferences.h"

namespace qv {

// Answers the window's dialogs from queues filled by the test and records
// what was asked. An empty queue answers "cancelled" (or "no").
class ScriptedDialogs : public Dialogs {
 public:
  struct SaveAnswer {
    QString Path;
    int FilterIndex;
  };

  std::deque<std::optional<QString>> OpenAnswers;
  std::deque<std::optional<SaveAnswer>> SaveAnswers;
  std::deque<std::optional<TColor>> ColorAnswers;
  std::deque<bool> ReplaceAnswers;
  std::deque<bool> ReadOnlyAnswers;
  std::deque<SaveChoice> SaveChangesAnswers;
  std::deque<bool> RestoreAnswers;
  std::deque<std::optional<QString>> TextAnswers, FileAnswers;
  std::deque<QStringList> FileListAnswers;
  std::deque<bool> ConfirmAnswers;
  // What the user leaves in the Preferences window; none: Cancel.
  std::deque<std::optional<Preferences>> PreferencesAnswers;
  bool NoViewer = false;  // the desktop has nothing that shows a document

  QStringList Messages;
  QStringList Warnings;
  QStringList ReplaceQuestions;
  QStringList ReadOnlyQuestions;
  QStringList SaveChangesQuestions;
  QStringList RestoreQuestions;                           // "NAME|TIME"
  QStringList TextQuestions, Confirmations, FileDialogs;  // labels, questions, titles
  QStringList OpenedDocuments;
  QList<Preferences> PreferencesShown;
  QString LastOpenFilter, LastSaveFilter, LastOpenFolder, LastSaveProposed;
  int LastSaveFilterShown = 0;
  int DialogsShown = 0;  // open, save and colour dialogs, in all
  TColor LastColorShown = 0;
  QWidget *LastColorParent = nullptr;

  std::optional<QString> OpenPicture(QWidget *, const QString &filter,
                                     const QString &folder) override {
    ++DialogsShown;
    LastOpenFilter = filter;
    LastOpenFolder = folder;
    return Take(OpenAnswers, std::nullopt);
  }
  std::optional<QString> SavePicture(QWidget *, const QString &filter, int &filterIndex,
                                     const QString &proposed) override {
    ++DialogsShown;
    LastSaveFilter = filter;
    LastSaveFilterShown = filterIndex;
    LastSaveProposed = proposed;
    const std::optional<SaveAnswer> answer = Take(SaveAnswers, std::nullopt);
    if (!answer) return {};
    filterIndex = answer->FilterIndex;
    return answer->Path;
  }
  std::optional<TColor> PickColor(QWidget *parent, TColor initial) override {
    ++DialogsShown;
    LastColorShown = initial;
    LastColorParent = parent;
    return Take(ColorAnswers, std::nullopt);
  }
  void ShowMessage(QWidget *, const QString &text) override { Messages << text; }
  void ShowWarning(QWidget *, const QString &text) override { Warnings << text; }
  bool ConfirmReplace(QWidget *, const QString &path) override {
    ReplaceQuestions << path;
    return Take(ReplaceAnswers, false);
  }
  bool ConfirmReplaceReadOnly(QWidget *, const QString &path) override {
    ReadOnlyQuestions << path;
    return Take(ReadOnlyAnswers, false);
  }
  SaveChoice AskSaveChanges(QWidget *, const QString &name) override {
    SaveChangesQuestions << name;
    return Take(SaveChangesAnswers, SaveChoice::Cancel);
  }
  bool AskRestore(QWidget *, const QString &name, const QString &time) override {
    RestoreQuestions << name + QLatin1Char('|') + time;
    return Take(RestoreAnswers, false);
  }
  std::optional<QString> AskText(QWidget *, const QString &, const QString &label,
                                 const QString &) override {
    TextQuestions << label;
    return Take(TextAnswers, std::nullopt);
  }
  bool Confirm(QWidget *, const QString &question) override {
    Confirmations << question;
    return Take(ConfirmAnswers, false);
  }
  std::optional<QString> OpenFile(QWidget *, const QString &title, const QString &,
                                  const QString &) override {
    FileDialogs << title;
    return Take(FileAnswers, std::nullopt);
  }
  std::optional<QString> SaveFile(QWidget *, const QString &title, const QString &,
                                  const QString &) override {
    FileDialogs << title;
    return Take(FileAnswers, std::nullopt);
  }
  bool EditPreferences(QWidget *, Preferences &preferences) override {
    PreferencesShown << preferences;
    const std::optional<Preferences> answer = Take(PreferencesAnswers, std::nullopt);
    if (answer) preferences = *answer;
    return answer.has_value();
  }
  QStringList OpenFiles(QWidget *, const QString &title, const QString &,
                        const QString &) override {
    FileDialogs << title;
    return Take(FileListAnswers, QStringList());
  }
  std::optional<QString> ChooseFolder(QWidget *, const QString &title, const QString &) override {
    FileDialogs << title;
    return Take(FileAnswers, std::nullopt);
  }
  void OpenDocument(const QString &path, std::function<void()> noViewer) override {
    OpenedDocuments << path;
    if (NoViewer) noViewer();
  }

 private:
  // The next answer, or `otherwise` when the test gave no more.
  // Kept out of line: inlined into its callers, GCC takes the empty
  // optional it returns for an uninitialised QString.
  template <class T>
  [[gnu::noinline]] static T Take(std::deque<T> &queue, std::type_identity_t<T> otherwise) {
    if (!queue.empty()) {
      std::swap(otherwise, queue.front());
      queue.pop_front();
    }
    return otherwise;
  }
};

}  // namespace qv
