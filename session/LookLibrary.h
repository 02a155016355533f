#pragma once

#include <vector>

#include <QString>
#include <QStringList>

#include "kernels/Look.h"

namespace qv {

// The user's looks: one .qvlook file each in a folder of theirs
// (~/.local/share/quorvane/looks), listed by name. Errors (a file that
// cannot be written, a look that does not read) are thrown as Error with
// the file's name.
class LookLibrary {
 public:
  explicit LookLibrary(QString folder = DefaultFolder());
  static QString DefaultFolder();

  struct Entry {
    QString Path;
    Look Value;
  };
  // Every look that reads, by name (letter case aside); the files that do
  // not read are left out, each said in Problems.
  std::vector<Entry> Looks();
  const QStringList &Problems() const { return problems_; }

  // A new file for the look, named after it; its path.
  QString Add(const Look &look);
  // The look under another name, in a file of that name.
  QString Rename(const QString &path, const QString &name);
  void Remove(const QString &path);
  // A look file from elsewhere, checked, then added; its path here.
  QString Import(const QString &path);
  // A copy of the look at `target`.
  static void Export(const Look &look, const QString &target);

  const QString &Folder() const { return folder_; }

 private:
  QString FreeName(const QString &name) const;

  QString folder_;
  QStringList problems_;
};

}  // namespace qv
