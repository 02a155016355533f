#include "app/RecentFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include "widgets/EditorSettings.h"

namespace qv {

namespace {

const QString kFilesKey = QStringLiteral("RecentFiles");
const QString kFolderKey = QStringLiteral("LastFolder");

}  // namespace

RecentFiles::RecentFiles() {
  const QSettings settings = EditorSettings();
  files_ = settings.value(kFilesKey).toStringList().mid(0, kMaxFiles);
  folder_ = settings.value(kFolderKey).toString();
}

QString RecentFiles::LastFolder() const {
  if (!folder_.isEmpty() && QFileInfo(folder_).isDir()) return folder_;
  const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
  return QFileInfo(pictures).isDir() ? pictures : QDir::homePath();
}

void RecentFiles::Add(const QString &path) {
  const QString absolute = QFileInfo(path).absoluteFilePath();
  files_.removeAll(absolute);
  files_.prepend(absolute);
  while (files_.size() > kMaxFiles) files_.removeLast();
  folder_ = QFileInfo(absolute).absolutePath();
  Store();
}

void RecentFiles::Remove(const QString &path) {
  if (files_.removeAll(QFileInfo(path).absoluteFilePath()) > 0) Store();
}

void RecentFiles::Store() const {
  QSettings settings = EditorSettings();
  settings.setValue(kFilesKey, files_);
  settings.setValue(kFolderKey, folder_);
}

}  // namespace qv
