#include "app/Preferences.h"

#include <QHash>
#include <QSettings>

#include "session/History.h"
#include "widgets/EditorSettings.h"

namespace qv {

namespace {

const QString kThumbnailsKey = QStringLiteral("Preferences/thumbnails");
const QString kLanguageKey = QStringLiteral("Preferences/language");
const QString kMetadataKey = QStringLiteral("Preferences/keepMetadata");
const QString kHistoryKey = QStringLiteral("Preferences/historyMiB");
const QString kClassic = QStringLiteral("classic"), kFitted = QStringLiteral("fitted");

constexpr std::size_t kMiB = std::size_t(1) << 20;

}  // namespace

Preferences Preferences::Load() {
  const QSettings settings = EditorSettings();
  Preferences p;
  if (settings.value(kThumbnailsKey).toString() == kClassic) p.Thumbnails = ThumbnailStyle::Classic;
  const QString language = settings.value(kLanguageKey).toString();
  if (InterfaceLanguages().contains(language)) p.Language = language;
  p.KeepMetadata = settings.value(kMetadataKey, true).toBool();
  p.HistoryMiB = std::max(settings.value(kHistoryKey, 0).toInt(), 0);
  return p;
}

void Preferences::Save() const {
  QSettings settings = EditorSettings();
  settings.setValue(kThumbnailsKey, Thumbnails == ThumbnailStyle::Classic ? kClassic : kFitted);
  settings.setValue(kLanguageKey, Language);
  settings.setValue(kMetadataKey, KeepMetadata);
  if (HistoryMiB > 0)
    settings.setValue(kHistoryKey, HistoryMiB);
  else
    settings.remove(kHistoryKey);
}

const QStringList &InterfaceLanguages() {
  static const QStringList languages{
      QStringLiteral("de"),    QStringLiteral("fr"),    QStringLiteral("es"), QStringLiteral("it"),
      QStringLiteral("pt_BR"), QStringLiteral("zh_CN"), QStringLiteral("ja")};
  return languages;
}

QString LanguageName(const QString &language) {
  // As their speakers write them; Chinese as its script is known.
  static const QHash<QString, QString> names{
      {QStringLiteral("de"), QStringLiteral("Deutsch")},
      {QStringLiteral("fr"), QStringLiteral("Fran\u00e7ais")},
      {QStringLiteral("es"), QStringLiteral("Espa\u00f1ol")},
      {QStringLiteral("it"), QStringLiteral("Italiano")},
      {QStringLiteral("pt_BR"), QStringLiteral("Portugu\u00eas (Brasil)")},
      {QStringLiteral("zh_CN"), QStringLiteral("\u7b80\u4f53\u4e2d\u6587")},
      {QStringLiteral("ja"), QStringLiteral("\u65e5\u672c\u8a9e")},
  };
  return names.value(language, QLocale(language).nativeLanguageName());
}

QLocale InterfaceLocale(const Preferences &preferences) {
  return preferences.Language.isEmpty() ? QLocale::system() : QLocale(preferences.Language);
}

int DefaultHistoryMiB() {
  return int(History::DefaultBudget() / kMiB);
}

std::size_t HistoryBudget(const Preferences &preferences) {
  return preferences.HistoryMiB > 0 ? std::size_t(preferences.HistoryMiB) * kMiB
                                    : History::DefaultBudget();
}

}  // namespace qv
