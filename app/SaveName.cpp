#include "app/SaveName.h"

#include <QDir>
#include <QFileInfo>

#include "app/PictureTypes.h"

namespace qv {

namespace {

// The writable format whose extensions hold the name's own; none for a
// name without one or with a format that is only read.
const PictureCodec *WritableCodecOf(const QString &name) {
  const QString suffix = QFileInfo(name).suffix().toLower();
  if (suffix.isEmpty()) return nullptr;
  for (const PictureCodec &codec : PictureCodecs())
    for (const char *extension : codec.Extensions)
      if (codec.Encode && suffix == QLatin1String(extension)) return &codec;
  return nullptr;
}

}  // namespace

SaveTarget SaveTargetFor(const QString &entered, int filterIndex) {
  if (const PictureCodec *codec = WritableCodecOf(entered)) return {entered, codec->Format};
  return {SaveFileName(entered, filterIndex), SaveFormat(filterIndex)};
}

QString NameForEntry(const QString &name, int filterIndex) {
  if (!WritableCodecOf(name)) return name;
  const QFileInfo file(name);
  const QString renamed = file.completeBaseName() + SavedExtension(filterIndex);
  return file.path() == QStringLiteral(".") && !name.startsWith(QStringLiteral("./"))
             ? renamed
             : file.dir().filePath(renamed);
}

}  // namespace qv
