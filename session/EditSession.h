#pragma once

#include <cstdint>
#include <exception>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include <QObject>
#include <QString>
#include <QStringList>
#include <QThreadPool>

#include "codecs/Codecs.h"
#include "codecs/Picture.h"
#include "effects/Random.h"
#include "gfx/Bitmap.h"
#include "gfx/PictureRef.h"
#include "kernels/Categories.h"
#include "kernels/KernelEnv.h"
#include "kernels/Look.h"
#include "kernels/LookMetadata.h"
#include "kernels/Step.h"
#include "kernels/ThumbnailPicture.h"
#include "session/History.h"
#include "session/RecoveryRecord.h"

namespace qv {

class RenderWorker;

// The editing session: the one owner of the edit. It holds the opened
// picture and its metadata, the history of steps (with their pictures as
// caches), the category and thumbnail chosen last, whether colours are being
// picked, the renders it has asked for and the save being written. Windows
// are views of it: they forward what the user does and show what it
// signals. It has no widgets and is tested without them.
//
// Renders run on the session's render thread, one at a time (a new one
// cancels the one before). A render is asked for with values (the step, the
// picture it starts from, the brush) and its result comes back by value,
// tagged with the request it answers, so a result of a request that is no
// longer current is never shown, and no render holds on to anything but
// its own values.
//
// The names of the working pictures keep the meanings the editor has always
// given them: WorkBitmap is the committed picture every full-size render
// reads, ResultBitmap the output of the last render (the strip's last
// thumbnail, the full-size preview, or the picture Save writes), UndoBitmap
// the picture Undo goes back to, ThumbBitmap the picture the strip renders
// on: the working picture squeezed to the thumbnails' square (the classic
// strip) or fitted into the strip's cell.
class EditSession : public QObject {
  Q_OBJECT
 public:
  // appDir: the folder holding pic/ (with a trailing separator).
  explicit EditSession(std::string appDir, QObject *parent = nullptr);
  ~EditSession() override;

  // --- The pictures.
  const PictureRef &WorkBitmap() const { return work_; }
  const PictureRef &ResultBitmap() const { return result_; }
  // Made again from the steps if its picture was dropped; null when the
  // history is at its start.
  PictureRef UndoBitmap();
  const Bitmap &ThumbBitmap() const { return *thumb_; }
  // What the main display shows (and Save writes): the picture as it was
  // opened, or after an Apply, Undo or Redo the working picture.
  const PictureRef &DisplayPicture() const { return display_; }
  // The opened file's metadata, which Save writes fitted to the picture.
  const Metadata &WorkMetadata() const { return metadata_; }

  // --- What was chosen.
  int CurrentCategory() const { return category_; }  // 1 to 16 once chosen
  int CurrentThumb() const { return thumb_n_; }      // 1 to 10, clicked last
  // Set only while a "Change Color" render runs.
  bool PickColorFlag() const { return pickColor_; }

  // --- The document.
  // The file the title names (the last Save's target, else the file
  // opened); empty for the sample picture.
  const QString &FilePath() const { return path_; }
  QString DocumentName() const;
  // The name of the file the work started from ("sample.jpg" for the sample).
  QString OpenedFileName() const;
  bool Modified() const;
  bool CanUndo() const { return history_.CanUndo(); }
  bool CanRedo() const { return history_.CanRedo(); }
  // The revision of the working picture: every Open and Apply makes a new one.
  int Revision() const { return history_.Count() ? history_.Current().Revision : 0; }
  const History &Steps() const { return history_; }
  // What Undo and Redo would do, by name ("Light A 3, strength 90 %"); empty
  // when they can do nothing.
  QString UndoStepName() const;
  QString RedoStepName() const;
  // Every entry of the history by name, the opened picture first.
  QStringList HistoryNames() const;
  // What a look made of the steps up to the current one leaves out: the
  // brush strokes of brushed steps, said for Save Look to show
  // (BrushesLeftOutNotice); empty when no step was brushed.
  QString LookLeavesOut() const;
  // The memory the history's pictures may take.
  void SetHistoryBudget(std::size_t bytes) { history_.SetBudget(bytes); }

  // --- Opening.
  // The sample picture beside the program, or where it cannot be read a
  // blank white page (its failure is thrown after the page is set up).
  void StartWithSample();
  // Makes the picture in `path` the working picture and starts a new
  // history; nothing changes unless the file reads completely (the error is
  // thrown). A follower is told of the rows as they are decoded. Returns
  // what the decoder worked around, for the user to be told.
  std::vector<Text> Open(const QString &path, DecodeFollower *follower = nullptr);
  // A file read for Open, apart from the session, so that it may be read on
  // another thread (under a cancel token and a progress sink installed
  // there) while the session keeps the picture it has.
  struct ReadFile {
    QString Path;
    FileContents Bytes;
    DecodedPicture Picture;
  };
  static ReadFile Read(const QString &path, DecodeFollower *follower = nullptr);
  // Makes a file read by Read the working picture, as Open does.
  std::vector<Text> Open(ReadFile file);

  // --- The strip and the preview.
  // How the strip's thumbnails are made: the classic 105 x 105 squares, or
  // fitted at the picture's aspect into a cell of cellWidth x cellHeight
  // device pixels. A strip on show is rendered again for a new style or
  // cell, unless a full-size render is under way (the next choice then
  // takes the new size).
  void SetThumbnails(ThumbnailStyle style, int cellWidth, int cellHeight);
  ThumbnailStyle ThumbnailsStyle() const { return style_; }
  PixelSize ThumbnailCell() const { return cell_; }
  // The colour question's answerer while a "Change Color" render runs (the
  // window's colour dialog); asked on this thread.
  void SetColorPrompt(ColorPrompt *prompt) { prompt_ = prompt; }
  // A category button: its ten thumbnails are rendered and arrive one by
  // one (ThumbnailReady), or all together where the category says so.
  void ChooseCategory(int id);
  // Thumbnail n: remembered as CurrentThumb and rendered at full size.
  void PreviewThumbnail(int n);
  // "Change Color": the thumbnail clicked last, of the category chosen
  // last, rendered again asking for every colour.
  void PreviewWithPickedColors();
  // Stops the render running; an open preview waiting for it is dropped.
  void CancelRender();
  // Whether a render runs or its result is still on its way.
  bool Rendering() const;
  // Whether the preview shown can be applied (one rendered from the
  // working picture at full size).
  bool CanApply() const { return shown_.has_value() && shown_->Applicable; }
  // The step the preview shows, at its render's own strength and without a
  // mask, while it can be applied (a batch takes it at the preview's slider).
  std::optional<Step> PreviewStep() const {
    return CanApply() ? std::optional<Step>(shown_->Made) : std::nullopt;
  }
  // Apply: the preview's render, at `strength` and through `mask` (none:
  // everywhere), becomes the working picture and a new step of the
  // history. A painted mask of another size than the picture is thrown and
  // nothing changes.
  void Apply(int strength, StepMask mask = {});

  // --- Looks.
  // The steps up to the working picture as a look of that name.
  Look CurrentLook(const std::string &name) const;
  // A look rendered on the working picture into the preview, to be applied
  // as one step named after it. Its steps that leave their colours open ask
  // for them, in order.
  void PreviewLook(const Look &look);
  // The last step again on the working picture ("Apply the last effect
  // again"), straight into the history; nothing at the history's start.
  void RepeatLastStep();
  bool CanRepeat() const { return history_.CanUndo(); }
  // What the opened file says it was made with, if anything.
  const std::optional<MadeWith> &OpenedWith() const { return openedWith_; }

  // --- The history.
  void Undo();
  void Redo();
  // Straight to entry `position` of the history (0: the picture opened).
  void MoveTo(std::size_t position);

  // --- Saving.
  // Save first copies the display into ResultBitmap, also when the user
  // then cancels the dialog.
  void TakeDisplayAsResult() { result_ = display_; }
  // Writes ResultBitmap with the opened file's metadata (unless stripped,
  // by the caller or by the user's choice) and the steps that made it on a
  // thread of its own; SaveEnded reports the end. One save at a time: one
  // still being written ends first.
  void Save(const QString &path, PictureFormat format, bool replaceReadOnly,
            bool stripMetadata = false);
  bool Saving() const { return saving_ != nullptr; }
  // Whether saved pictures carry the opened file's metadata (camera, date,
  // place, colour profile, ...); they do unless told otherwise.
  void SetKeepMetadata(bool keep) { keepMetadata_ = keep; }
  bool KeepsMetadata() const { return keepMetadata_; }
  // Waits for the save being written, if any, and reports its end. False
  // when it failed.
  bool FinishSave();

  // --- Recovery.
  // Where the recovery record is kept; empty keeps none.
  void SetRecoveryPath(std::string path) { recoveryPath_ = std::move(path); }
  const std::string &RecoveryPathInUse() const { return recoveryPath_; }
  // The record of the work now (also when nothing is unsaved).
  RecoveryRecord Record() const;
  // Brings back the work of a record: opens its file, checks that it is the
  // same file, and replays the steps. A changed or missing file is thrown
  // as an error that says so, and nothing changes.
  void Restore(const RecoveryRecord &record);
  // Removes the record (a normal close, or unsaved work discarded).
  void DropRecovery();

  // The window closes: renders stop, a save being written ends, and the
  // pictures and the history go.
  void Close();

  // The kernels' surroundings.
  KernelEnv Env() const;
  const std::string &AppDir() const { return appDir_; }
  RenderWorker &Worker() { return *worker_; }

 signals:
  // The working picture changed (Open, Apply, Undo, Redo, Restore): the
  // display shows DisplayPicture and the strip empties.
  void PictureChanged();
  // The title, the modified flag, Undo and Redo and their names may have
  // changed.
  void StateChanged();
  // The preview's "Change Color" is to be offered or not.
  void ChangeColorOffered(bool offered);
  // Thumbnail n of the category chosen is ready; paintNow asks the strip to
  // paint at once (one by one), else it shows when the window next paints.
  void ThumbnailReady(int n, qv::PictureRef picture, bool paintNow);
  // A full-size render has started, moved on (0 to 1), finished with its
  // render and the picture it came from, or failed.
  void PreviewStarted();
  void RenderProgress(double fraction);
  void PreviewReady(qv::PictureRef effect, qv::PictureRef original);
  void PreviewFailed();
  // The preview's render was stopped, or the picture it was rendered from
  // is no longer the working picture: there is nothing to apply.
  void PreviewDropped();
  // A render failed; the message for the user.
  void Failed(const QString &message);
  // A save has been written (error empty) or has failed.
  void SaveEnded(const QString &path, const QString &error);
  // Work that goes straight into the history has started (what, by name)
  // or ended (empty).
  void Busy(const QString &what);

 private:
  struct Shown {
    Step Made;
    PictureRef Effect, Original;
    bool Applicable = false;
  };
  struct PendingSave;
  struct FittedMaking;

  // Sets up a new picture (Open, the sample, Restore).
  // `work` is the picture worked on; null decides by LooksUniform.
  void Begin(const QString &documentPath, const std::string &sourcePath, bool sample,
             std::span<const std::uint8_t> bytes, PictureRef opened, Metadata meta,
             PictureRef work = nullptr);
  void RenderPreview(int n, int category, bool pickColors);
  // Renders a step on the working picture: into the preview, or straight
  // into the history.
  void RenderStep(const Step &step, bool preview);
  // Work that was going straight into the history is over.
  void EndBusy();
  // The strip's ten renders of the category. Chosen by the user, they set
  // the result bitmap and the "Change Color" rule applies after them;
  // rendered again at another size, they only replace the thumbnails.
  void RenderStrip(const Category &category, bool chosen);
  // Starts making the fitted copy of the working picture for the cell, so
  // that it is there by the time a category is chosen.
  void PrepareFitted();
  // The working picture is entry `position` of the history now.
  void ShowEntry();
  // Cancels every render and waits for the render thread; a preview made
  // from the picture being replaced goes.
  void StopRenders();
  void SaveDone(const std::shared_ptr<PendingSave> &save);
  void UpdateRecovery();
  PictureRef Replay(const Step &step, const PictureRef &before) const;
  QString NameOf(const Step &step) const;
  // The prompt's answer to a kernel's colour question; cancelled without one.
  std::optional<TColor> AskColor();

  std::string appDir_;
  RenderWorker *worker_;
  ColorPrompt *prompt_ = nullptr;
  // The program's one random generator; the kernels get it in their
  // environment.
  mutable RandomGenerator random_;

  PictureRef work_, result_, display_;
  PictureRef thumb_ = std::make_shared<const Bitmap>();
  // The strip: its style and cell, the averaged copy made for them (kept
  // while the working picture is the one it was made from), the category
  // it shows (0: none) and whether its render runs.
  ThumbnailStyle style_ = ThumbnailStyle::Fitted;
  PixelSize cell_{kThumbnailSide, kThumbnailSide};
  struct Fitted {
    PictureRef From, Copy;
    PixelSize Cell;
  } fitted_;
  std::shared_ptr<FittedMaking> making_;
  int stripShown_ = 0;
  bool stripPending_ = false;
  bool keepMetadata_ = true;
  Metadata metadata_;
  int category_ = 0, thumb_n_ = 0;
  bool pickColor_ = false;
  std::optional<Shown> shown_;
  bool previewPending_ = false;  // a full-size render asked for has not arrived
  bool busyPending_ = false;     // a step being rendered straight into the history
  std::uint64_t request_ = 0;    // the render request whose result counts

  QString path_;
  History history_;
  int lastRevision_ = 0, savedRevision_ = 0;
  // What the opened file carried of its making, and the fingerprint of its
  // pixels (made when first needed).
  std::optional<MadeWith> openedWith_;
  PictureRef openedPixels_;
  // Where the work came from, for the recovery record.
  std::string source_;
  bool sample_ = false, whitened_ = false;
  std::uint64_t sourceHash_ = 0, sourceSize_ = 0;
  std::string recoveryPath_;
  bool restoring_ = false;  // the record stays while a restore sets up

  std::shared_ptr<PendingSave> saving_;
  // The encoder's thread; destroyed first, so a save still being written
  // ends before anything it reports to goes.
  QThreadPool saver_;
  // Where fitted copies are made ahead; its tasks hold only their own values.
  QThreadPool shrinker_;
};

// The message a failure shows the user.
QString FailureText(std::exception_ptr error);

}  // namespace qv
