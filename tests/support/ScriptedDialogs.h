#pragma once

#include <deque>
#include <optional>

#include <QString>
#include <QStringList>

#include "app/Dialogs.h"

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

  QStringList Messages;
  QStringList Warnings;
  QStringList ReplaceQuestions;
  QStringList ReadOnlyQuestions;
  QStringList OpenedDocuments;
  QString LastOpenFilter, LastSaveFilter;
  int LastSaveFilterShown = 0;
  TColor LastColorShown = 0;

  std::optional<QString> OpenPicture(QWidget *, const QString &filter) override {
    LastOpenFilter = filter;
    return Take(OpenAnswers).value_or(std::nullopt);
  }
  std::optional<QString> SavePicture(QWidget *, const QString &filter, int &filterIndex) override {
    LastSaveFilter = filter;
    LastSaveFilterShown = filterIndex;
    const auto answer = Take(SaveAnswers).value_or(std::nullopt);
    if (!answer) return {};
    filterIndex = answer->FilterIndex;
    return answer->Path;
  }
  std::optional<TColor> PickColor(QWidget *, TColor initial) override {
    LastColorShown = initial;
    return Take(ColorAnswers).value_or(std::nullopt);
  }
  void ShowMessage(QWidget *, const QString &text) override { Messages << text; }
  void ShowWarning(QWidget *, const QString &text) override { Warnings << text; }
  bool ConfirmReplace(QWidget *, const QString &path) override {
    ReplaceQuestions << path;
    return Take(ReplaceAnswers).value_or(false);
  }
  bool ConfirmReplaceReadOnly(QWidget *, const QString &path) override {
    ReadOnlyQuestions << path;
    return Take(ReadOnlyAnswers).value_or(false);
  }
  void OpenDocument(const QString &path) override { OpenedDocuments << path; }

 private:
  template <class T>
  static std::optional<T> Take(std::deque<T> &queue) {
    if (queue.empty()) return {};
    T value = std::move(queue.front());
    queue.pop_front();
    return value;
  }
};

}  // namespace qv
