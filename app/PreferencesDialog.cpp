#include "app/PreferencesDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace qv {

namespace {

// A budget below this would drop the pictures of every other step.
constexpr int kLeastHistoryMiB = 64, kMostHistoryMiB = 1 << 20;

QLabel *Note(const QString &text, QWidget *parent) {
  auto *note = new QLabel(text, parent);
  note->setWordWrap(true);
  QFont small = note->font();
  small.setPointSizeF(small.pointSizeF() * 0.9);
  note->setFont(small);
  note->setForegroundRole(QPalette::PlaceholderText);
  return note;
}

}  // namespace

PreferencesDialog::PreferencesDialog(const Preferences &preferences, QWidget *parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("PreferencesDialog"));
  setWindowTitle(tr("Preferences"));
  auto *form = new QFormLayout;

  RadioFitted = new QRadioButton(tr("&Fitted to the strip, at the photo's shape"), this);
  RadioFitted->setObjectName(QStringLiteral("RadioFitted"));
  RadioFitted->setAccessibleDescription(
      tr("The thumbnails grow with the strip and keep the photo's shape"));
  RadioClassic = new QRadioButton(tr("&Classic: 105 x 105 squares"), this);
  RadioClassic->setObjectName(QStringLiteral("RadioClassic"));
  RadioClassic->setAccessibleDescription(
      tr("Every thumbnail is the photo squeezed into a 105 x 105 square"));
  auto *styles = new QVBoxLayout;
  styles->addWidget(RadioFitted);
  styles->addWidget(RadioClassic);
  form->addRow(tr("Thumbnails:"), styles);

  ComboLanguage = new QComboBox(this);
  ComboLanguage->setObjectName(QStringLiteral("ComboLanguage"));
  ComboLanguage->addItem(tr("The desktop's language"), QString());
  for (const QString &language : InterfaceLanguages())
    ComboLanguage->addItem(LanguageName(language), language);
  ComboLanguage->setAccessibleName(tr("Language"));
  ComboLanguage->setAccessibleDescription(tr("The language of the interface, from the next start"));
  auto *language = new QVBoxLayout;
  language->addWidget(ComboLanguage);
  language->addWidget(Note(tr("A new language applies when Quorvane next starts."), this));
  form->addRow(tr("&Language:"), language);

  CheckMetadata = new QCheckBox(tr("&Keep the photo's metadata in saved pictures"), this);
  CheckMetadata->setObjectName(QStringLiteral("CheckMetadata"));
  CheckMetadata->setAccessibleDescription(
      tr("Camera, date, place, author and colour profile go with the saved picture"));
  auto *metadata = new QVBoxLayout;
  metadata->addWidget(CheckMetadata);
  metadata->addWidget(
      Note(tr("Camera, date, place, author and colour profile; without them a saved picture "
              "says nothing about where it was taken."),
           this));
  form->addRow(tr("Metadata:"), metadata);

  SpinHistory = new QSpinBox(this);
  SpinHistory->setObjectName(QStringLiteral("SpinHistory"));
  SpinHistory->setRange(kLeastHistoryMiB, kMostHistoryMiB);
  SpinHistory->setSingleStep(64);
  SpinHistory->setSuffix(tr(" MiB"));
  SpinHistory->setAccessibleName(tr("History memory"));
  SpinHistory->setAccessibleDescription(
      tr("How much memory the pictures of Undo and Redo may take"));
  auto *history = new QVBoxLayout;
  history->addWidget(SpinHistory);
  history->addWidget(Note(tr("The default is 512 MiB (a quarter of the memory where that is "
                             "less). Beyond it, pictures of earlier steps are made again from "
                             "the steps when Undo or Redo needs them."),
                          this));
  form->addRow(tr("&History memory:"), history);

  auto *buttons = new QDialogButtonBox(
      QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::RestoreDefaults, this);
  buttons->setObjectName(QStringLiteral("ButtonsPreferences"));
  buttons->setAccessibleName(tr("Buttons"));
  buttons->button(QDialogButtonBox::Ok)->setAccessibleDescription(tr("Keeps these preferences"));
  buttons->button(QDialogButtonBox::Cancel)
      ->setAccessibleDescription(tr("Leaves the preferences as they were"));
  buttons->button(QDialogButtonBox::RestoreDefaults)
      ->setAccessibleDescription(tr("Shows the preferences Quorvane starts with"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(buttons->button(QDialogButtonBox::RestoreDefaults), &QPushButton::clicked, this,
          [this] { Show(Preferences()); });

  auto *layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addStretch();
  layout->addWidget(buttons);
  Show(preferences);
}

void PreferencesDialog::Show(const Preferences &preferences) {
  (preferences.Thumbnails == ThumbnailStyle::Classic ? RadioClassic : RadioFitted)
      ->setChecked(true);
  ComboLanguage->setCurrentIndex(std::max(0, ComboLanguage->findData(preferences.Language)));
  CheckMetadata->setChecked(preferences.KeepMetadata);
  SpinHistory->setValue(preferences.HistoryMiB > 0 ? preferences.HistoryMiB : DefaultHistoryMiB());
}

Preferences PreferencesDialog::Chosen() const {
  Preferences p;
  p.Thumbnails = RadioClassic->isChecked() ? ThumbnailStyle::Classic : ThumbnailStyle::Fitted;
  p.Language = ComboLanguage->currentData().toString();
  p.KeepMetadata = CheckMetadata->isChecked();
  // The program's own budget stays its own until another is chosen.
  p.HistoryMiB = SpinHistory->value() == DefaultHistoryMiB() ? 0 : SpinHistory->value();
  return p;
}

}  // namespace qv
