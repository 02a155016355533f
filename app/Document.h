#pragma once

#include <QString>

namespace qv {

// What the editor knows about the picture it works on, besides its pixels:
// the file it came from and whether it changed since it was opened or
// saved. The window derives its title and every enabled state from this one
// record (TFormMain::UpdateActions).
//
// Changes are counted as revisions: each Apply makes a new one, Undo returns
// to the one before, and the picture counts as modified while its revision
// differs from the one last opened or saved. So Apply followed by Undo is
// not a change.
class Document {
 public:
  // The sample picture shown at start: no file of the user's.
  void OpenedSample() { Reset({}); }
  void Opened(const QString &path) { Reset(path); }
  void Saved(const QString &path) {
    path_ = path;
    saved_ = revision_;
  }
  // Apply: a new picture, the one before it kept for Undo.
  void Changed() {
    undo_ = revision_;
    revision_ = ++last_;
  }
  // Undo: back to the picture before the last Apply, once.
  void Undone() {
    if (!CanUndo()) return;
    revision_ = undo_;
    undo_ = kNone;
  }

  // Empty for the sample picture.
  const QString &FilePath() const { return path_; }
  bool Modified() const { return revision_ != saved_; }
  bool CanUndo() const { return undo_ != kNone; }

 private:
  static constexpr int kNone = -1;
  void Reset(const QString &path) {
    path_ = path;
    revision_ = saved_ = ++last_;
    undo_ = kNone;
  }

  QString path_;
  int last_ = 0;
  int revision_ = 0, saved_ = 0, undo_ = kNone;
};

}  // namespace qv
