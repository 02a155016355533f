#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <vector>

#include <QWidget>

#include "app/BatchJob.h"
#include "kernels/Step.h"
#include "session/LookLibrary.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace qv {

class Dialogs;
class EditSession;

// The Batch window: the effect of the open preview, the session's steps or
// a saved look put on pictures chosen as files or folders, written into a
// folder by a name pattern, in a format and size, with or without their
// metadata. It says before it starts what happens to files that exist,
// and never writes over an original. The run is the command line's (the
// same bytes), off the GUI thread on both cores, with a progress bar, the
// current file and the time left, Cancel, each failure with its reason, a
// summary and "Show in folder". The settings are kept for the next time.
class BatchWindow : public QWidget {
  Q_OBJECT
 public:
  // previewStrength: the preview's slider, while its effect can be applied.
  BatchWindow(EditSession &session, Dialogs &dialogs, std::function<int()> previewStrength,
              QWidget *parent);
  ~BatchWindow() override;

  void ShowBeside();
  void AddFiles();
  void AddFolder();
  void AddInputs(const QStringList &paths);
  void RemoveChosen();
  void ChooseOutput();
  void StartBatch();
  void CancelBatch();
  void ShowInFolder();
  BatchJob &Job() { return job_; }

  QListWidget *ListInputs;
  QPushButton *BtnAddFiles, *BtnAddFolder, *BtnRemove;
  QCheckBox *CheckSubfolders;
  QRadioButton *RadioPreview, *RadioSteps, *RadioLook;
  QComboBox *ComboLook;
  QLineEdit *EditFolder;
  QPushButton *BtnChooseFolder;
  QCheckBox *CheckKeepFolders;
  QLineEdit *EditPattern;
  QComboBox *ComboFormat;
  QSpinBox *SpinQuality;
  QCheckBox *CheckLongEdge;
  QSpinBox *SpinLongEdge;
  QCheckBox *CheckMetadata;
  QComboBox *ComboExisting;
  QLabel *LabelPolicy;  // what happens to existing files, before the start
  QPushButton *BtnStart, *BtnCancel, *BtnShowFolder;
  QProgressBar *Progress;
  QLabel *LabelProgress, *LabelSummary;
  QListWidget *ListFailures;

 protected:
  void showEvent(QShowEvent *event) override;
  void closeEvent(QCloseEvent *event) override;

 private:
  // The steps to apply and what {look} stands for; nothing after telling
  // the user why there are none.
  std::optional<std::pair<std::vector<Step>, std::string>> ChosenSteps();
  void UpdateControls();
  void UpdatePolicy();
  void Started(int index, const QString &input);
  void Finished(int index, const BatchResult &result);
  void Ended();
  void AddFailure(const QString &input, const QString &reason);
  void Remember() const;
  void Recall();
  void Guard(const std::function<void()> &action);

  EditSession &session_;
  Dialogs &dialogs_;
  std::function<int()> previewStrength_;
  LookLibrary library_;
  std::vector<LookLibrary::Entry> looks_;
  BatchJob job_;
  int total_ = 0, finished_ = 0;
  std::chrono::steady_clock::time_point start_;
  bool placed_ = false;
};

}  // namespace qv
