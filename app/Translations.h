#pragma once

// The interface in the user's language: the program's own translations
// (translations/quorvane_LANG.qm beside the artwork) and Qt's for the
// buttons of its standard dialogs.

#include <QLocale>
#include <QString>

class QCoreApplication;

namespace qv {

// The file in `folder` named by `pattern` (its %1 the language, as in
// "quorvane_%1.qm") for the first of the locale's languages, in the order
// the user put them (LANGUAGE, then the locale), that the program speaks:
// empty for English, the language of the source texts, or where none is
// there.
QString LocalisedFile(const QLocale &locale, const QString &folder, const QString &pattern);
QString TranslationFile(const QLocale &locale, const QString &folder);

// The help page in the locale's language (help_LANG.html in the program's
// folder), else the English help.html.
QString HelpPage(const QLocale &locale, const QString &appDir);

// Installs the translations for `locale` into `app`.
void InstallTranslations(QCoreApplication &app, const QLocale &locale, const QString &folder);

}  // namespace qv
