#include "session/LookLibrary.h"

#include "session/EngineText.h"

#include <algorithm>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "gfx/Error.h"

namespace qv {

namespace {

std::string Local(const QString &path) {
  return QFile::encodeName(path).toStdString();
}

// A file name from a look's name: what a folder can hold on any system.
QString FileStem(const QString &name) {
  QString stem;
  for (const QChar c : name.trimmed())
    stem += c.isLetterOrNumber() || c == QLatin1Char(' ') || c == QLatin1Char('-') ||
                    c == QLatin1Char('_')
                ? c
                : QLatin1Char('_');
  return stem.isEmpty() ? QStringLiteral("look") : stem.left(100);
}

}  // namespace

LookLibrary::LookLibrary(QString folder) : folder_(std::move(folder)) {}

QString LookLibrary::DefaultFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
         QStringLiteral("/quorvane/looks");
}

std::vector<LookLibrary::Entry> LookLibrary::Looks() {
  problems_.clear();
  std::vector<Entry> looks;
  const QString pattern = QStringLiteral("*") + QString::fromLatin1(kLookExtension);
  for (const QFileInfo &file : QDir(folder_).entryInfoList({pattern}, QDir::Files)) {
    try {
      looks.push_back({file.absoluteFilePath(), ReadLookFile(Local(file.absoluteFilePath()))});
    } catch (const Error &e) {
      problems_ << Translated(e.Message());
    }
  }
  std::sort(looks.begin(), looks.end(), [](const Entry &a, const Entry &b) {
    return QString::fromStdString(a.Value.Name)
               .compare(QString::fromStdString(b.Value.Name), Qt::CaseInsensitive) < 0;
  });
  return looks;
}

QString LookLibrary::FreeName(const QString &name) const {
  const QString stem = FileStem(name), extension = QString::fromLatin1(kLookExtension);
  QString path = QDir(folder_).filePath(stem + extension);
  for (int n = 2; QFileInfo::exists(path); ++n)
    path = QDir(folder_).filePath(QStringLiteral("%1 %2").arg(stem).arg(n) + extension);
  return path;
}

QString LookLibrary::Add(const Look &look) {
  if (!QDir().mkpath(folder_))
    throw Error(Say(QV_TEXT("Cannot make the folder %1"), Local(folder_)));
  const QString path = FreeName(QString::fromStdString(look.Name));
  WriteLookFile(Local(path), look);
  return path;
}

QString LookLibrary::Rename(const QString &path, const QString &name) {
  Look look = ReadLookFile(Local(path));
  look.Name = name.toStdString();
  const QString renamed = Add(look);
  Remove(path);
  return renamed;
}

void LookLibrary::Remove(const QString &path) {
  if (QFileInfo::exists(path) && !QFile::remove(path))
    throw Error(Say(QV_TEXT("Cannot remove the look %1"), Local(path)));
}

QString LookLibrary::Import(const QString &path) {
  return Add(ReadLookFile(Local(path)));
}

void LookLibrary::Export(const Look &look, const QString &target) {
  WriteLookFile(Local(target), look);
}

}  // namespace qv
