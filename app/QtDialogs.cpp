#include "app/QtDialogs.h"

#include <cstdio>

#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QUrl>

#include "app/PictureOpenDialog.h"
#include "app/PreferencesDialog.h"
#include "app/SaveName.h"
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

std::optional<QString> QtDialogs::OpenPicture(QWidget *parent, const QString &filter,
                                              const QString &folder) {
  PictureOpenDialog dialog(parent);
  dialog.setNameFilters(NameFilters(filter));
  dialog.setDirectory(folder);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first();
}

std::optional<QString> QtDialogs::SavePicture(QWidget *parent, const QString &filter,
                                              int &filterIndex, const QString &proposed) {
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
  // Another entry picked: a name with a format's extension takes the
  // entry's, since the name's extension decides the format written.
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString &chosen) {
    const QStringList typed = dialog.selectedFiles();
    const qsizetype entry = filters.indexOf(chosen);
    if (typed.isEmpty() || entry < 0) return;
    const QString name = QFileInfo(typed.first()).fileName();
    const QString renamed = NameForEntry(name, int(entry) + 1);
    if (renamed != name) dialog.selectFile(renamed);
  });
  const QFileInfo target(proposed);
  if (target.isDir()) {
    dialog.setDirectory(proposed);
  } else {
    dialog.setDirectory(target.absolutePath());
    dialog.selectFile(target.fileName());
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  const qsizetype chosen = filters.indexOf(dialog.selectedNameFilter());
  if (chosen >= 0) filterIndex = int(chosen) + 1;
  return dialog.selectedFiles().first();
}

bool QtDialogs::EditPreferences(QWidget *parent, Preferences &preferences) {
  PreferencesDialog dialog(preferences, parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  preferences = dialog.Chosen();
  return true;
}

std::optional<TColor> QtDialogs::PickColor(QWidget *parent, TColor initial) {
  const QColor color = QColorDialog::getColor(ToQColor(initial), parent);
  if (!color.isValid()) return {};
  return RGBColor(std::uint8_t(color.red()), std::uint8_t(color.green()),
                  std::uint8_t(color.blue()));
}

void QtDialogs::ShowMessage(QWidget *parent, const QString &text) {
  // Also for whoever started the editor from a terminal or reads its log.
  std::fprintf(stderr, "quorvane: %s\n", qPrintable(text));
  // The program's name as people write it (the application's name, which
  // names its settings, is in lower case).
  QMessageBox::critical(parent, QStringLiteral("Quorvane"), text);
}

void QtDialogs::ShowWarning(QWidget *parent, const QString &text) {
  QMessageBox::warning(parent, QStringLiteral("Quorvane"), text);
}

namespace {

// "Confirm Save As" with Yes and No, No the default.
bool AskBeforeSaving(QWidget *parent, const QString &text) {
  return QMessageBox::warning(
             parent, QCoreApplication::translate("qv::QtDialogs", "Confirm Save As"), text,
             QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace

bool QtDialogs::ConfirmReplaceReadOnly(QWidget *parent, const QString &path) {
  return AskBeforeSaving(
      parent, QCoreApplication::translate(
                  "qv::QtDialogs", "%1 is read-only.\nDo you want to replace it all the same?")
                  .arg(QFileInfo(path).fileName()));
}

bool QtDialogs::ConfirmReplace(QWidget *parent, const QString &path) {
  return AskBeforeSaving(
      parent,
      QCoreApplication::translate("qv::QtDialogs", "%1 already exists.\nDo you want to replace it?")
          .arg(QFileInfo(path).fileName()));
}

SaveChoice QtDialogs::AskSaveChanges(QWidget *parent, const QString &name) {
  QMessageBox box(QMessageBox::Warning, QStringLiteral("Quorvane"),
                  QCoreApplication::translate("qv::QtDialogs", "Save changes to %1?").arg(name),
                  QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
  box.setInformativeText(
      QCoreApplication::translate("qv::QtDialogs",
                                  "The effects applied since it was last saved are lost "
                                  "if you discard them."));
  box.setDefaultButton(QMessageBox::Save);
  box.setEscapeButton(QMessageBox::Cancel);
  switch (box.exec()) {
    case QMessageBox::Save:
      return SaveChoice::Save;
    case QMessageBox::Discard:
      return SaveChoice::Discard;
    default:
      return SaveChoice::Cancel;
  }
}

bool QtDialogs::AskRestore(QWidget *parent, const QString &name, const QString &time) {
  QMessageBox box(
      QMessageBox::Question, QStringLiteral("Quorvane"),
      QCoreApplication::translate("qv::QtDialogs", "Restore the unsaved changes to %1 from %2?")
          .arg(name, time),
      QMessageBox::NoButton, parent);
  box.setInformativeText(QCoreApplication::translate(
      "qv::QtDialogs", "Quorvane ended without closing, and these changes were not saved."));
  QPushButton *restore = box.addButton(QCoreApplication::translate("qv::QtDialogs", "Restore"),
                                       QMessageBox::AcceptRole);
  QPushButton *discard = box.addButton(QMessageBox::Discard);
  box.setDefaultButton(restore);
  box.setEscapeButton(discard);
  box.exec();
  return box.clickedButton() == restore;
}

std::optional<QString> QtDialogs::AskText(QWidget *parent, const QString &title,
                                          const QString &label, const QString &initial) {
  bool ok = false;
  const QString text =
      QInputDialog::getText(parent, title, label, QLineEdit::Normal, initial, &ok).trimmed();
  if (!ok || text.isEmpty()) return std::nullopt;
  return text;
}

bool QtDialogs::Confirm(QWidget *parent, const QString &question) {
  return QMessageBox::question(parent, QStringLiteral("Quorvane"), question) == QMessageBox::Yes;
}

std::optional<QString> QtDialogs::OpenFile(QWidget *parent, const QString &title,
                                           const QString &filter, const QString &proposed) {
  const QString path =
      QFileDialog::getOpenFileName(parent, title, proposed, NameFilters(filter).join(";;"));
  if (path.isEmpty()) return std::nullopt;
  return path;
}

QStringList QtDialogs::OpenFiles(QWidget *parent, const QString &title, const QString &filter,
                                 const QString &folder) {
  return QFileDialog::getOpenFileNames(parent, title, folder, NameFilters(filter).join(";;"));
}

std::optional<QString> QtDialogs::ChooseFolder(QWidget *parent, const QString &title,
                                               const QString &folder) {
  const QString path = QFileDialog::getExistingDirectory(parent, title, folder);
  if (path.isEmpty()) return std::nullopt;
  return path;
}

std::optional<QString> QtDialogs::SaveFile(QWidget *parent, const QString &title,
                                           const QString &filter, const QString &proposed) {
  const QString path =
      QFileDialog::getSaveFileName(parent, title, proposed, NameFilters(filter).join(";;"));
  if (path.isEmpty()) return std::nullopt;
  return path;
}

void QtDialogs::OpenDocument(const QString &path, std::function<void()> noViewer) {
  const QUrl url = QUrl::fromLocalFile(path);
  // Qt hands the page to xdg-open and forgets it; started here, its exit
  // status tells whether anything could show the page.
  const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
  if (opener.isEmpty()) {
    if (!QDesktopServices::openUrl(url)) noViewer();
    return;
  }
  auto *process = new QProcess;
  process->setStandardOutputFile(QProcess::nullDevice());
  process->setStandardErrorFile(QProcess::nullDevice());
  QObject::connect(process, &QProcess::finished, process,
                   [process, noViewer](int code, QProcess::ExitStatus status) {
                     if (status != QProcess::NormalExit || code != 0) noViewer();
                     process->deleteLater();
                   });
  QObject::connect(process, &QProcess::errorOccurred, process,
                   [process, noViewer](QProcess::ProcessError error) {
                     if (error != QProcess::FailedToStart) return;
                     noViewer();
                     process->deleteLater();
                   });
  process->start(opener, {url.toString()});
}

}  // namespace qv
