#pragma once

// What a person sets once for the editor, kept in the settings beside the
// recent files (~/.config/Quorvane/Quorvane.conf, group "Preferences"):
// how the strip makes its thumbnails, the language of the interface, whether
// a saved picture carries the photo's metadata, and how much memory the
// history's pictures may take.

#include <cstddef>

#include <QLocale>
#include <QString>
#include <QStringList>

#include "kernels/ThumbnailPicture.h"

namespace qv {

struct Preferences {
  ThumbnailStyle Thumbnails = ThumbnailStyle::Fitted;
  // Empty: the desktop's language; else one of InterfaceLanguages(). A
  // change applies at the next start.
  QString Language;
  bool KeepMetadata = true;
  // The history's budget in MiB; 0 keeps the program's own (512 MiB, or a
  // quarter of the memory where that is less).
  int HistoryMiB = 0;

  friend bool operator==(const Preferences &, const Preferences &) = default;

  static Preferences Load();
  void Save() const;
};

// The languages the interface can be chosen in, as locale names: de, fr,
// es, it, pt_BR, zh_CN, ja.
const QStringList &InterfaceLanguages();

// A language as its speakers name it ("Deutsch", "Português (Brasil)").
QString LanguageName(const QString &language);

// The locale the interface starts in: the chosen language, or the desktop's.
QLocale InterfaceLocale(const Preferences &preferences);

// The history's budget the program picks by itself, in MiB.
int DefaultHistoryMiB();
// The budget in bytes that the preferences give the history.
std::size_t HistoryBudget(const Preferences &preferences);

}  // namespace qv
