#pragma once

#include <QDialog>

#include "app/Preferences.h"

class QCheckBox;
class QComboBox;
class QRadioButton;
class QSpinBox;

namespace qv {

// The Preferences window: the thumbnails' style, the interface's language,
// the metadata of saved pictures and the history's memory. It shows the
// preferences it is given and Chosen() gives them back as the user left
// them; OK accepts, Cancel and Esc leave everything as it was.
class PreferencesDialog : public QDialog {
  Q_OBJECT
 public:
  explicit PreferencesDialog(const Preferences &preferences, QWidget *parent = nullptr);

  void Show(const Preferences &preferences);
  Preferences Chosen() const;

  QRadioButton *RadioFitted, *RadioClassic;
  QComboBox *ComboLanguage;
  QCheckBox *CheckMetadata;
  QSpinBox *SpinHistory;  // MiB
};

}  // namespace qv
