#include "app/QtDialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

#include "app/PictureOpenDialog.h"
#include "widgets/BitmapImage.h"

namespace qv {

QStringList NameFilters(const QString &filter) {
  const QStringList parts = filter.split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString patterns = parts[i + 1];
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    filters << parts[i] + QStringLiteral(" (") + patterns + QLatin1Char(')');
  }
  return filters;
}

std::optional<QString> QtDialogs::OpenPicture(QWidget *parent, const QString &filter) {
  PictureOpenDialog dialog(parent);
  dialog.setNameFilters(NameFilters(filter));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first();
}

std::optional<QString> QtDialogs::SavePicture(QWidget *parent, const QString &filter,
                                              int &filterIndex) {
  QFileDialog dialog(parent);
  // The window asks about replacing a file itself, once it knows the final
  // name with its extension.
  dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  const QStringList filters = NameFilters(filter);
  dialog.setNameFilters(filters);
  if (filterIndex >= 1 && filterIndex <= filters.size())
    dialog.selectNameFilter(filters[filterIndex - 1]);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  const qsizetype chosen = filters.indexOf(dialog.selectedNameFilter());
  if (chosen >= 0) filterIndex = int(chosen) + 1;
  return dialog.selectedFiles().first();
}

std::optional<TColor> QtDialogs::PickColor(QWidget *parent, TColor initial) {
  const QColor color = QColorDialog::getColor(ToQColor(initial), parent);
  if (!color.isValid()) return {};
  return RGBColor(std::uint8_t(color.red()), std::uint8_t(color.green()),
                  std::uint8_t(color.blue()));
}

void QtDialogs::ShowMessage(QWidget *parent, const QString &text) {
  QMessageBox::critical(parent, QApplication::applicationName(), text);
}

void QtDialogs::ShowWarning(QWidget *parent, const QString &text) {
  QMessageBox::warning(parent, QApplication::applicationName(), text);
}

namespace {

// "Confirm Save As" with Yes and No, No the default.
bool AskBeforeSaving(QWidget *parent, const QString &text) {
  return QMessageBox::warning(parent, QStringLiteral("Confirm Save As"), text,
                              QMessageBox::Yes | QMessageBox::No,
                              QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace

bool QtDialogs::ConfirmReplaceReadOnly(QWidget *parent, const QString &path) {
  return AskBeforeSaving(parent,
                         QStringLiteral("%1 is read-only.\nDo you want to replace it all the same?")
                             .arg(QFileInfo(path).fileName()));
}

bool QtDialogs::ConfirmReplace(QWidget *parent, const QString &path) {
  return AskBeforeSaving(parent, QStringLiteral("%1 already exists.\nDo you want to replace it?")
                                     .arg(QFileInfo(path).fileName()));
}

void QtDialogs::OpenDocument(const QString &path) {
  // A missing document is not reported, and neither is a desktop without a
  // viewer for it.
  if (QFileInfo::exists(path)) QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

}  // namespace qv
