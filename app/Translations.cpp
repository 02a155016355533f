#include "app/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

namespace qv {

QString LocalisedFile(const QLocale &locale, const QString &folder, const QString &pattern) {
  for (QString language : locale.uiLanguages()) {
    language.replace(QLatin1Char('-'), QLatin1Char('_'));
    // English first means English, even where other languages follow.
    if (language == QLatin1String("C") || language.startsWith(QLatin1String("en"))) return {};
    // "zh_Hans_CN" is found as zh_CN, "pt_BR" as itself, "de_AT" as de.
    const QStringList parts = language.split(QLatin1Char('_'));
    QStringList tries{language};
    if (parts.size() == 3) tries << parts[0] + QLatin1Char('_') + parts[2];
    if (parts.size() > 1) tries << parts[0];
    for (const QString &name : tries) {
      const QString file = QDir(folder).filePath(pattern.arg(name));
      if (QFileInfo::exists(file)) return file;
    }
  }
  return {};
}

QString TranslationFile(const QLocale &locale, const QString &folder) {
  return LocalisedFile(locale, folder, QStringLiteral("quorvane_%1.qm"));
}

QString HelpPage(const QLocale &locale, const QString &appDir) {
  const QString page = LocalisedFile(locale, appDir, QStringLiteral("help_%1.html"));
  return page.isEmpty() ? QDir(appDir).filePath(QStringLiteral("help.html")) : page;
}

void InstallTranslations(QCoreApplication &app, const QLocale &locale, const QString &folder) {
  const QString file = TranslationFile(locale, folder);
  if (file.isEmpty()) return;
  auto *own = new QTranslator(&app);
  if (own->load(file)) QCoreApplication::installTranslator(own);
  // The engine's messages (session/EngineText.h), in a catalog of their own.
  const QString language = QFileInfo(file).completeBaseName().mid(9);
  auto *engine = new QTranslator(&app);
  if (engine->load(QDir(folder).filePath(QStringLiteral("quorvane_engine_%1.qm").arg(language))))
    QCoreApplication::installTranslator(engine);
  // Qt's own texts (Yes, No, Cancel in the message boxes), where the
  // desktop has them.
  auto *qt = new QTranslator(&app);
  if (qt->load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
               QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(qt);
}

}  // namespace qv
