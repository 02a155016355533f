#pragma once

#include <QString>
#include <QStringList>

namespace qv {

// The pictures opened or saved last (at most ten, newest first) and the
// folder of the last one, kept in the user's settings under the program's
// name, so that they outlive the run.
class RecentFiles {
 public:
  static constexpr int kMaxFiles = 10;

  RecentFiles();

  const QStringList &Files() const { return files_; }
  // The folder a file dialog starts in: that of the last picture, or the
  // user's pictures folder before there was one.
  QString LastFolder() const;

  // `path` moves to the front, and its folder becomes the last folder.
  void Add(const QString &path);
  // A file that could not be opened any more leaves the list.
  void Remove(const QString &path);

 private:
  void Store() const;

  QStringList files_;
  QString folder_;
};

}  // namespace qv
