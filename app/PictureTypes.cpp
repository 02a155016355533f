#include "app/PictureTypes.h"

#include <QCoreApplication>
#include <QStringList>

#include <vector>

namespace qv {

namespace {

QString Caption(const PictureCodec &codec) {
  return QCoreApplication::translate("qv::PictureTypes", "%1 picture")
      .arg(QString::fromLatin1(codec.Name));
}

QString Pattern(const char *extension) {
  return QStringLiteral("*.") + QString::fromLatin1(extension);
}

std::vector<const PictureCodec *> Writable() {
  std::vector<const PictureCodec *> codecs;
  for (const PictureCodec &codec : PictureCodecs())
    if (codec.Encode) codecs.push_back(&codec);
  return codecs;
}

}  // namespace

QString OpenFilter() {
  QStringList all, entries;
  for (const PictureCodec &codec : PictureCodecs()) {
    QStringList patterns;
    for (const char *extension : codec.Extensions) patterns << Pattern(extension);
    all << patterns;
    entries << Caption(codec) << patterns.join(QLatin1Char(';'));
  }
  return (QStringList{QCoreApplication::translate("qv::PictureTypes", "All pictures"),
                      all.join(QLatin1Char(';'))} +
          entries +
          QStringList{QCoreApplication::translate("qv::PictureTypes", "All files"),
                      QStringLiteral("*")})
      .join(QLatin1Char('|'));
}

QString SaveFilter() {
  QStringList entries;
  for (const PictureCodec *codec : Writable()) {
    const QString added = QLatin1Char('.') + QString::fromLatin1(codec->Extensions[0]);
    QStringList patterns;
    for (const char *extension : codec->Extensions)
      if ((QLatin1Char('.') + QString::fromLatin1(extension)).contains(added))
        patterns << Pattern(extension);
    entries << Caption(*codec) << patterns.join(QLatin1Char(';'));
  }
  return entries.join(QLatin1Char('|'));
}

PictureFormat SaveFormat(int filterIndex) {
  const std::vector<const PictureCodec *> codecs = Writable();
  const bool known = filterIndex >= 1 && filterIndex <= int(codecs.size());
  return codecs[known ? std::size_t(filterIndex - 1) : 0]->Format;
}

QString SavedExtension(int filterIndex) {
  const std::vector<const PictureCodec *> codecs = Writable();
  const bool known = filterIndex >= 1 && filterIndex <= int(codecs.size());
  return QLatin1Char('.') +
         QString::fromLatin1(codecs[known ? std::size_t(filterIndex - 1) : 0]->Extensions[0]);
}

QString SaveFileName(const QString &entered, int filterIndex) {
  const QString extension = SavedExtension(filterIndex);
  return entered.contains(extension, Qt::CaseSensitive) ? entered : entered + extension;
}

}  // namespace qv
