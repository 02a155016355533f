#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

#include <QThreadPool>
#include <QWidget>

#include "session/LookLibrary.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace qv {

class Dialogs;
class EditSession;

// The user's looks, each shown as it would make the open photo: applied
// from here (through the preview, as one step named after the look),
// saved from the steps of the session, renamed, deleted, imported from and
// exported to files, or taken from the picture opened when it says how it
// was made. A tool window of the main window; its list follows the working
// picture.
class LooksWindow : public QWidget {
  Q_OBJECT
 public:
  LooksWindow(EditSession &session, Dialogs &dialogs, QWidget *parent);
  ~LooksWindow() override;

  // "Save Look...": the steps up to the working picture, under a name asked
  // for. True when one was saved.
  bool SaveLook();
  // The look chosen in the list, previewed on the working picture.
  void ApplyChosen();
  void RenameChosen();
  void DeleteChosen();
  void ImportLook();
  void ExportChosen();
  // Saves the look the opened picture carries.
  void TakeFromPicture();

  // Shows it in front, the first time over the main window's lower right.
  void ShowBeside();
  // Reads the folder again and renders the previews anew.
  void Refresh();
  LookLibrary &Library() { return library_; }
  QListWidget *List;
  QLabel *Note;
  QPushButton *BtnApply, *BtnSaveLook, *BtnRename, *BtnDelete, *BtnImport, *BtnExport,
      *BtnFromPicture;

  // The previews' size in logical pixels.
  static constexpr int kPreviewWidth = 128, kPreviewHeight = 96;

 protected:
  void showEvent(QShowEvent *event) override;

 private:
  const LookLibrary::Entry *Chosen() const;
  void UpdateButtons();
  void RenderPreviews();
  void Guard(const std::function<void()> &action);

  EditSession &session_;
  Dialogs &dialogs_;
  LookLibrary library_;
  std::vector<LookLibrary::Entry> looks_;
  std::atomic<std::uint64_t> generation_{0};  // the previews that count
  bool placed_ = false;
  QThreadPool previews_;
};

}  // namespace qv
