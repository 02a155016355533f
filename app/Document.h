#pragma once

#include <QString>

#include "app/History.h"

namespace qv {

// What the editor knows about the picture it works on: the file it came
// from, the history of its pictures (Undo and Redo) and whether it changed
// since it was opened or saved. The window derives its title and every
// enabled state from this one record (TFormMain::UpdateActions).
//
// Every picture the history holds has a revision: Open and each Apply make
// a new one, Undo and Redo go back and forth between them, and the picture
// counts as modified while its revision differs from the one last opened
// or saved. So Apply followed by Undo is not a change, and Undo after a
// Save is one.
class Document {
 public:
  // The sample picture shown at start: no file of the user's.
  void OpenedSample(PictureRef picture) { Reset({}, std::move(picture)); }
  void Opened(const QString &path, PictureRef picture) { Reset(path, std::move(picture)); }
  void Saved(const QString &path) { Saved(path, Revision()); }
  // A save of revision `revision` that ended after the picture may have
  // changed again.
  void Saved(const QString &path, int revision) {
    path_ = path;
    saved_ = revision;
  }
  // Apply: `picture` becomes the current one; the steps Redo would have
  // gone to are dropped.
  void Applied(PictureRef picture) { history_.Push(std::move(picture), ++last_); }
  // One step back or forward; nothing happens at either end.
  void Undone() { history_.Undo(); }
  void Redone() { history_.Redo(); }

  // Empty for the sample picture.
  const QString &FilePath() const { return path_; }
  // The working picture (null before the first Open or OpenedSample).
  PictureRef Picture() const { return history_.Count() ? history_.Current().Picture : nullptr; }
  bool Modified() const { return history_.Count() && history_.Current().Revision != saved_; }
  bool CanUndo() const { return history_.CanUndo(); }
  bool CanRedo() const { return history_.CanRedo(); }
  // The revision of the working picture.
  int Revision() const { return history_.Count() ? history_.Current().Revision : 0; }
  const History &Steps() const { return history_; }
  History &Steps() { return history_; }

 private:
  void Reset(const QString &path, PictureRef picture) {
    path_ = path;
    saved_ = ++last_;
    history_.Reset(std::move(picture), saved_);
  }

  QString path_;
  History history_;
  int last_ = 0;
  int saved_ = 0;
};

}  // namespace qv
