#include "session/EditSession.h"

#include <algorithm>
#include <condition_variable>
#include <ctime>
#include <functional>
#include <mutex>
#include <new>
#include <utility>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QMetaObject>
#include <QSemaphore>

#include "gfx/ContentHash.h"
#include "gfx/Error.h"
#include "gfx/RunControl.h"
#include "kernels/Categories.h"
#include "kernels/MaskedMix.h"
#include "kernels/Recipes.h"
#include "kernels/StrengthMix.h"
#include "kernels/ThumbnailPicture.h"
#include "session/EngineText.h"
#include "session/StepNames.h"
#include "session/WhitenIfUniform.h"
#include "worker/RenderWorker.h"

namespace qv {

namespace {

// Shown when the sample picture cannot be read.
constexpr int kBlankWidth = 640, kBlankHeight = 480;

std::string Local(const QString &path) {
  return QFile::encodeName(path).toStdString();
}

// The kernels' colour questions on the render thread: each goes to the
// session's prompt on its own thread while the render waits, and every
// answer is kept, in order, for the step.
class ForwardedPrompt : public ColorPrompt {
 public:
  using Asker = std::function<std::optional<TColor>()>;
  ForwardedPrompt(RenderWorker &worker, Asker ask) : worker_(worker), ask_(std::move(ask)) {}
  std::optional<TColor> AskColor() override {
    // Shared: a cancelled render does not wait for its answer.
    auto answer = std::make_shared<std::optional<TColor>>();
    worker_.Ask([answer, ask = ask_] { *answer = ask(); });
    Answers.push_back(*answer);
    return *answer;
  }
  std::vector<std::optional<TColor>> Answers;

 private:
  RenderWorker &worker_;
  Asker ask_;
};

}  // namespace

QString FailureText(std::exception_ptr error) {
  try {
    std::rethrow_exception(error);
  } catch (const std::bad_alloc &) {
    return QCoreApplication::translate("qv::EditSession", "Out of memory");
  } catch (const Error &e) {
    return Translated(e.Message());
  } catch (const std::exception &e) {
    return QString::fromLocal8Bit(e.what());
  } catch (...) {
    return QCoreApplication::translate("qv::EditSession", "Unknown error");
  }
}

// A save on its way to the file: what it writes (shared, not copied) and
// how it ended.
struct EditSession::PendingSave {
  std::string File;
  QString Name;  // absolute, for the title
  PictureFormat Format;
  PictureRef Picture;
  Metadata Meta;
  bool ReplaceReadOnly;
  bool Strip;
  int Revision;  // of the working picture when the save began
  // What the note in its XMP says: the steps since the picture was opened,
  // after those the opened file carried, and the opened pixels.
  std::vector<Step> Steps;
  std::optional<MadeWith> Before;
  PictureRef Opened;
  std::exception_ptr Error;
  QSemaphore Written;
};

// A fitted copy being made ahead on the shrinker's thread; whoever needs
// it waits for it.
struct EditSession::FittedMaking {
  PictureRef From;
  PixelSize Cell;
  std::mutex Lock;
  std::condition_variable Done;
  bool Finished = false;
  PictureRef Copy;  // null where it could not be made

  PictureRef Wait() {
    std::unique_lock<std::mutex> lock(Lock);
    Done.wait(lock, [this] { return Finished; });
    return Copy;
  }
  void Make() {
    PictureRef copy;
    try {
      copy = Share(FittedThumbnail(*From, Cell.Width, Cell.Height));
    } catch (...) {
      // The strip makes it again itself, and says why if it fails there.
    }
    const std::lock_guard<std::mutex> lock(Lock);
    Copy = std::move(copy);
    Finished = true;
    Done.notify_all();
  }
};

EditSession::EditSession(std::string appDir, QObject *parent)
    : QObject(parent), appDir_(std::move(appDir)), worker_(new RenderWorker(this)) {
  saver_.setMaxThreadCount(1);
  shrinker_.setMaxThreadCount(1);
  connect(worker_, &RenderWorker::ProgressChanged, this, &EditSession::RenderProgress);
  // A render that ends, fails or is cancelled clears the flag of Change Color.
  connect(worker_, &RenderWorker::Idle, this, [this] { pickColor_ = false; });
}

EditSession::~EditSession() {
  worker_->CancelAndWait();
  saver_.waitForDone();
  shrinker_.waitForDone();
}

PictureRef EditSession::UndoBitmap() {
  if (!history_.CanUndo()) return nullptr;
  return history_.PictureAt(history_.Position() - 1,
                            [this](const Step &s, const PictureRef &p) { return Replay(s, p); });
}

QString EditSession::DocumentName() const {
  if (path_.isEmpty()) return QStringLiteral("sample.jpg");
  return QFileInfo(path_).fileName();
}

QString EditSession::OpenedFileName() const {
  if (sample_ || source_.empty()) return QStringLiteral("sample.jpg");
  return QFileInfo(QFile::decodeName(source_.c_str())).fileName();
}

bool EditSession::Modified() const {
  return history_.Count() && history_.Current().Revision != savedRevision_;
}

QString EditSession::NameOf(const Step &step) const {
  return StepName(step);
}

QString EditSession::UndoStepName() const {
  return history_.CanUndo() ? NameOf(history_.Current().Made) : QString();
}

QString EditSession::RedoStepName() const {
  return history_.CanRedo() ? NameOf(history_.At(history_.Position() + 1).Made) : QString();
}

QStringList EditSession::HistoryNames() const {
  QStringList names;
  for (std::size_t i = 0; i < history_.Count(); ++i)
    names << (i == 0 ? OpenedName(OpenedFileName()) : NameOf(history_.At(i).Made));
  return names;
}

QString EditSession::LookLeavesOut() const {
  std::vector<Step> steps;
  for (std::size_t i = 1; i <= history_.Position() && i < history_.Count(); ++i)
    steps.push_back(history_.At(i).Made);
  return BrushesLeftOutNotice(steps);
}

KernelEnv EditSession::Env() const {
  KernelEnv env(appDir_);
  env.Random = &random_;
  return env;
}

PictureRef EditSession::Replay(const Step &step, const PictureRef &before) const {
  return ApplyStep(step, before, Env());
}

// --- Opening.

void EditSession::StartWithSample() {
  const std::string sample = appDir_ + "pic/sample.jpg";
  try {
    FileContents bytes = ReadFileContents(sample);
    DecodedPicture picture = DecodePicture(bytes, sample);
    if (picture.Pixels.Empty()) throw Error(QV_TEXT("Bitmap image is not valid: it has no pixels"));
    // Only pictures the user opens are looked at for being of one colour.
    const PictureRef opened = Share(std::move(picture.Pixels));
    Begin({}, sample, true, bytes, opened, std::move(picture.Meta), opened);
  } catch (...) {
    // Without the sample the editor still starts, on a blank white page.
    Bitmap blank(kBlankWidth, kBlankHeight);
    blank.SetBrushColor(clWhite);
    blank.Fill();
    const PictureRef page = Share(std::move(blank));
    Begin({}, {}, true, {}, page, {}, page);
    throw;
  }
}

std::vector<Text> EditSession::Open(const QString &path, DecodeFollower *follower) {
  return Open(Read(path, follower));
}

EditSession::ReadFile EditSession::Read(const QString &path, DecodeFollower *follower) {
  const std::string file = Local(path);
  ReadFile read{path, ReadFileContents(file), {}};
  read.Picture = DecodePicture(read.Bytes, file, follower);
  // The display is sized by dividing by the height.
  if (read.Picture.Pixels.Empty())
    throw Error(QV_TEXT("Bitmap image is not valid: it has no pixels"));
  return read;
}

std::vector<Text> EditSession::Open(ReadFile file) {
  std::vector<Text> warnings = std::move(file.Picture.Warnings);
  const QString absolute = QFileInfo(file.Path).absoluteFilePath();
  Begin(absolute, Local(absolute), false, file.Bytes, Share(std::move(file.Picture.Pixels)),
        std::move(file.Picture.Meta));
  return warnings;
}

void EditSession::Begin(const QString &documentPath, const std::string &sourcePath, bool sample,
                        std::span<const std::uint8_t> bytes, PictureRef opened, Metadata meta,
                        PictureRef work) {
  FinishSave();  // a save still being written names the document
  StopRenders();
  result_ = opened;
  display_ = opened;
  metadata_ = std::move(meta);
  openedWith_ = MadeWithOf(metadata_);
  openedPixels_ = opened;
  // The classic strip's square is made at once, as it always was; the
  // fitted copy when a category is first chosen.
  thumb_ = style_ == ThumbnailStyle::Classic ? Share(ClassicThumbnail(*opened)) : Share(Bitmap());
  fitted_ = {};
  stripShown_ = 0;
  // The program's generator, seeded afresh for each picture opened. A
  // picture of one colour is worked on as white; the display, the strip and
  // Save keep the picture as it was opened. A restored one is worked on as
  // it was before.
  random_.SeedFromClock();
  if (!work) work = LooksUniform(*opened, random_) ? Share(WhiteLike(*opened)) : opened;
  work_ = work;
  whitened_ = work_ != opened;
  source_ = sourcePath;
  sample_ = sample;
  sourceHash_ = ContentHash(bytes);
  sourceSize_ = bytes.size();
  path_ = documentPath;
  savedRevision_ = ++lastRevision_;
  history_.Reset(work_, savedRevision_);
  PrepareFitted();
  emit PictureChanged();
  emit StateChanged();
  UpdateRecovery();
}

// --- The strip and the preview.

void EditSession::SetThumbnails(ThumbnailStyle style, int cellWidth, int cellHeight) {
  const PixelSize cell{std::max(cellWidth, 1), std::max(cellHeight, 1)};
  const bool restyled = style != style_;
  if (!restyled && cell == cell_) return;
  style_ = style;
  cell_ = cell;
  // The classic squares do not follow the cell.
  if (!restyled && style_ == ThumbnailStyle::Classic) return;
  PrepareFitted();
  const Category *shown = FindCategory(stripPending_ ? category_ : stripShown_);
  if (!shown || previewPending_) return;
  if (stripPending_)
    ChooseCategory(shown->Id);  // the same choice, made at the new size
  else
    RenderStrip(*shown, false);
}

void EditSession::PrepareFitted() {
  if (style_ != ThumbnailStyle::Fitted || !work_ || work_->Empty()) return;
  if (fitted_.From == work_ && fitted_.Cell == cell_) return;
  if (making_ && making_->From == work_ && making_->Cell == cell_) return;
  making_ = std::make_shared<FittedMaking>();
  making_->From = work_;
  making_->Cell = cell_;
  shrinker_.start([making = making_] { making->Make(); });
}

void EditSession::ChooseCategory(int id) {
  const Category *category = FindCategory(id);
  if (!category) return;
  // The strip's render replaces whatever runs; a preview that waited for
  // its render has nothing to show.
  EndBusy();
  pickColor_ = false;
  const bool previewWaited = previewPending_;
  category_ = id;
  const ChangeColorRule rule = category->ChangeColor;
  if (rule == ChangeColorRule::ShowBeforeStrip) emit ChangeColorOffered(true);
  if (rule == ChangeColorRule::HideBeforeStrip) emit ChangeColorOffered(false);
  previewPending_ = false;
  RenderStrip(*category, true);
  if (previewWaited) emit PreviewDropped();
}

void EditSession::RenderStrip(const Category &category, bool chosen) {
  // The picture the recipes render on: the classic square, made here as it
  // always was, or the fitted copy, made on the render thread the first
  // time this picture is shown at this cell size and kept for the next.
  PictureRef thumb;
  std::shared_ptr<FittedMaking> making;
  if (style_ == ThumbnailStyle::Classic) {
    thumb_ = Share(ClassicThumbnail(*work_));
    thumb = thumb_;
  } else if (fitted_.From == work_ && fitted_.Cell == cell_) {
    thumb_ = fitted_.Copy;
    thumb = thumb_;
  } else if (making_ && making_->From == work_ && making_->Cell == cell_) {
    making = making_;
  }

  // The job's own values: the picture, the cell and the brush of the result
  // bitmap, which the recipes fall back on.
  const std::uint64_t request = ++request_;
  stripPending_ = chosen;
  stripShown_ = 0;  // until all ten are there
  const int id = category.Id;
  const PictureRef work = work_;
  const PixelSize cell = cell_;
  const TColor brush = result_->BrushColor();
  const bool together = category.ThumbnailsTogether;
  const ChangeColorRule rule = category.ChangeColor;
  const std::string appDir = appDir_;
  RenderWorker &worker = *worker_;
  worker.Start(
      [this, &worker, request, id, thumb, making, work, cell, brush, together, chosen,
       appDir](const RunControl &control) {
        PictureRef source = thumb;
        if (!source) {
          const RunScope scope(control);
          if (making) source = making->Wait();
          if (!source) source = Share(FittedThumbnail(*work, cell.Width, cell.Height));
          CheckCancelled();
          worker.Deliver([this, work, cell, source] {
            fitted_ = {work, source, cell};
            if (work == work_) thumb_ = source;
          });
        }
        // No colour prompt: the strip always renders the effects' own colours.
        KernelEnv env(appDir);
        env.Control = control;
        Bitmap result;
        result.SetBrushColor(brush);
        // The thumbnails that appear together do so when the window next
        // paints, also those done before a failure.
        std::vector<PictureRef> held;
        auto hand = [&](int n, PictureRef picture, bool paintNow) {
          worker.Deliver([this, request, n, picture, paintNow, chosen] {
            if (request != request_) return;
            if (chosen) result_ = picture;
            emit ThumbnailReady(n, picture, paintNow);
          });
        };
        // All in one delivery: a paint between two of them would show some.
        auto handHeld = [&] {
          worker.Deliver([this, request, held, chosen] {
            if (request != request_) return;
            for (std::size_t i = 0; i < held.size(); ++i) {
              if (chosen) result_ = held[i];
              emit ThumbnailReady(int(i) + 1, held[i], false);
            }
          });
        };
        for (int n = 1; n <= kThumbnailCount; ++n) {
          const ProgressSpan part(n - 1, kThumbnailCount);
          try {
            RenderRecipe(id, n, *source, result, env, RenderSize::Thumbnail);
          } catch (const Cancelled &) {
            throw;
          } catch (...) {
            if (together) handHeld();
            throw;
          }
          // The brush goes with each thumbnail, as if it had been rendered in
          // the session's result bitmap.
          PictureRef done = ShareCopy(result);
          if (together)
            held.push_back(std::move(done));
          else
            hand(n, std::move(done), true);
        }
        if (together) handHeld();
      },
      [this, request, rule, id, chosen](std::exception_ptr error) {
        if (request != request_) return;
        stripPending_ = false;
        if (error) return emit Failed(FailureText(error));
        stripShown_ = id;
        if (!chosen) return;
        if (rule == ChangeColorRule::ShowAfterStrip) emit ChangeColorOffered(true);
        if (rule == ChangeColorRule::HideAfterStrip) emit ChangeColorOffered(false);
      });
}

void EditSession::PreviewThumbnail(int n) {
  thumb_n_ = n;
  RenderPreview(n, category_, false);
}

void EditSession::PreviewWithPickedColors() {
  RenderPreview(thumb_n_, category_, true);
}

void EditSession::RenderPreview(int n, int category, bool pickColors) {
  EndBusy();
  pickColor_ = pickColors;
  stripPending_ = false;  // a strip still rendering stops here
  shown_.reset();
  emit PreviewStarted();
  const std::uint64_t request = ++request_;
  const Category *chosen = FindCategory(category);
  auto offerByEffect = [this, chosen, category, n] {
    if (chosen && chosen->ChangeColor == ChangeColorRule::ByEffect)
      emit ChangeColorOffered(OffersChangeColor(category, n));
  };
  if (!HasFullSizeRender(category)) {
    // Nothing is rendered: the preview shows the result bitmap as the strip
    // left it, which is no render of the working picture to apply.
    worker_->Cancel();
    previewPending_ = false;
    pickColor_ = false;
    Step shownAsIs;
    shownAsIs.Category = category;
    shownAsIs.Number = n;
    shown_ = Shown{shownAsIs, result_, work_, false};
    emit PreviewReady(result_, work_);
    offerByEffect();
    return;
  }

  Step step;
  step.Category = category;
  step.Number = n;
  step.PickedColors = pickColors;
  step.Brush = result_->BrushColor();
  const PictureRef source = work_;
  const KernelEnv env = Env();
  previewPending_ = true;
  RenderWorker &worker = *worker_;
  worker.Start(
      [this, &worker, request, step, source, env](const RunControl &control) {
        KernelEnv mine = env;
        mine.Control = control;
        ForwardedPrompt prompt(worker, [this] { return AskColor(); });
        mine.Prompt = step.PickedColors ? &prompt : nullptr;
        auto render = std::make_shared<Bitmap>();
        render->SetBrushColor(step.Brush);
        // The render becomes the result bitmap as it is, brush included; a
        // failed one with what the steps before the failing one made.
        auto hand = [&](bool complete) {
          Step made = step;
          made.Colors = prompt.Answers;
          worker.Deliver([this, request, made, render, source, complete] {
            if (request != request_) return;
            result_ = render;
            if (complete) shown_ = Shown{made, render, source, true};
          });
        };
        try {
          RenderRecipe(step.Category, step.Number, *source, *render, mine, RenderSize::FullSize);
        } catch (const Cancelled &) {
          throw;
        } catch (...) {
          hand(false);
          throw;
        }
        hand(true);
      },
      [this, request, offerByEffect](std::exception_ptr error) {
        if (request != request_) return;
        previewPending_ = false;
        pickColor_ = false;
        if (error || !shown_) {
          emit PreviewFailed();
          if (error) emit Failed(FailureText(error));
          return;
        }
        emit PreviewReady(shown_->Effect, shown_->Original);
        offerByEffect();
      });
}

std::optional<TColor> EditSession::AskColor() {
  return prompt_ ? prompt_->AskColor() : std::nullopt;
}

void EditSession::CancelRender() {
  EndBusy();
  worker_->Cancel();
  stripPending_ = false;
  pickColor_ = false;
  ++request_;
  if (previewPending_) {
    previewPending_ = false;
    emit PreviewDropped();
  }
}

bool EditSession::Rendering() const {
  return worker_->Busy();
}

void EditSession::StopRenders() {
  EndBusy();
  worker_->CancelAndWait();
  stripPending_ = false;
  pickColor_ = false;
  ++request_;
  const bool dropped = previewPending_ || shown_;
  previewPending_ = false;
  shown_.reset();
  if (dropped) emit PreviewDropped();
}

void EditSession::Apply(int strength, StepMask mask) {
  if (!CanApply()) return;
  const Shown shown = *shown_;
  Step step = shown.Made;
  step.Strength = std::clamp(strength, kMinStrength, kFullStrength);
  step.Mask = std::move(mask);
  // A mask that does not fit is refused while the preview is as it was.
  if (step.Mask.Any()) MaskRowsFor(step.Mask, shown.Original->Width(), shown.Original->Height());
  StopRenders();
  history_.Push(step, MixedAt(step.Strength, shown.Original, shown.Effect, step.Mask),
                ++lastRevision_);
  ShowEntry();
}

// --- Looks.

Look EditSession::CurrentLook(const std::string &name) const {
  Look look{name, {}};
  for (std::size_t i = 1; i <= history_.Position(); ++i) look.Steps.push_back(history_.At(i).Made);
  look.Steps = Effects(look.Steps);
  return look;
}

void EditSession::PreviewLook(const Look &look) {
  Step step;
  step.Look = look.Name;
  step.LookSteps = Effects(look.Steps);
  if (step.LookSteps.empty()) return;
  RenderStep(step, true);
}

void EditSession::RepeatLastStep() {
  if (!CanRepeat()) return;
  RenderStep(history_.Current().Made, false);
}

void EditSession::EndBusy() {
  if (!busyPending_) return;
  busyPending_ = false;
  emit Busy({});
}

void EditSession::RenderStep(const Step &wanted, bool preview) {
  EndBusy();
  pickColor_ = false;
  shown_.reset();
  if (preview) {
    emit PreviewStarted();
    emit ChangeColorOffered(false);
  } else {
    busyPending_ = true;
    emit Busy(NameOf(wanted));
  }
  const std::uint64_t request = ++request_;
  const PictureRef source = work_;
  const KernelEnv env = Env();
  previewPending_ = preview;
  RenderWorker &worker = *worker_;
  worker.Start(
      [this, &worker, request, wanted, source, env, preview](const RunControl &control) {
        KernelEnv mine = env;
        mine.Control = control;
        // Steps that leave their colours open ask now, each for its own
        // answers, which the step then keeps.
        Step made = wanted;
        std::vector<Step> *effects = made.IsLook() ? &made.LookSteps : nullptr;
        PictureRef picture = source;
        const int count = effects ? int(effects->size()) : 1;
        for (int i = 0; i < count; ++i) {
          Step &step = effects ? (*effects)[std::size_t(i)] : made;
          const ProgressSpan part(i, count);
          ForwardedPrompt prompt(worker, [this] { return AskColor(); });
          mine.Prompt = &prompt;
          const bool asks = step.AsksWhenApplied();
          Step plain = step;
          plain.Strength = kFullStrength;  // a look's own strength comes last
          picture = ApplyStep(effects ? step : plain, picture, mine);
          if (asks) {
            step.Colors = prompt.Answers;
            step.PickedColors = !step.Colors.empty();
          }
        }
        worker.Deliver([this, request, made, picture, source, preview] {
          if (request != request_) return;
          if (preview) {
            result_ = picture;
            shown_ = Shown{made, picture, source, true};
            return;
          }
          history_.Push(made, MixedAt(made.Strength, source, picture), ++lastRevision_);
          ShowEntry();
        });
      },
      [this, request, preview](std::exception_ptr error) {
        if (request != request_) return;
        previewPending_ = false;
        EndBusy();
        if (error) {
          if (preview) emit PreviewFailed();
          emit Failed(FailureText(error));
          return;
        }
        if (preview && shown_) emit PreviewReady(shown_->Effect, shown_->Original);
      });
}

// --- The history.

void EditSession::Undo() {
  if (!history_.CanUndo()) return;
  MoveTo(history_.Position() - 1);
}

void EditSession::Redo() {
  if (!history_.CanRedo()) return;
  MoveTo(history_.Position() + 1);
}

void EditSession::MoveTo(std::size_t position) {
  if (position >= history_.Count() || position == history_.Position()) return;
  StopRenders();
  history_.MoveTo(position);
  ShowEntry();
  result_ = work_;
}

void EditSession::ShowEntry() {
  work_ = history_.PictureAt(history_.Position(),
                             [this](const Step &s, const PictureRef &p) { return Replay(s, p); });
  display_ = work_;
  stripShown_ = 0;  // the strip empties
  PrepareFitted();
  emit PictureChanged();
  emit StateChanged();
  UpdateRecovery();
}

// --- Saving.

void EditSession::Save(const QString &path, PictureFormat format, bool replaceReadOnly,
                       bool stripMetadata) {
  // One save at a time, in the order they were asked for.
  FinishSave();
  auto save = std::make_shared<PendingSave>();
  save->File = Local(path);
  save->Name = QFileInfo(path).absoluteFilePath();
  save->Format = format;
  save->Picture = result_;
  // The opened file's metadata goes with the picture, as much of it as
  // the format holds (a BMP none), and so do the steps that made it.
  save->Meta = metadata_;
  for (std::size_t i = 1; i <= history_.Position(); ++i) save->Steps.push_back(history_.At(i).Made);
  save->Before = openedWith_;
  save->Opened = openedPixels_;
  save->ReplaceReadOnly = replaceReadOnly;
  save->Strip = stripMetadata || !keepMetadata_;
  save->Revision = Revision();
  saving_ = save;
  saver_.start([this, save] {
    // The encoder writes into a file beside the target as it goes, which
    // is renamed over it only when complete, so a failed save leaves the
    // old file as it was and no partial file behind.
    try {
      // A BMP holds no metadata: no fingerprint to make for it.
      const Metadata meta =
          save->Format == PictureFormat::Bmp || save->Strip
              ? save->Meta
              : WithMadeWith(save->Meta, save->Before, save->Steps, *save->Opened);
      WritePictureFile(save->File, save->Format, *save->Picture, meta,
                       {.StripMetadata = save->Strip, .ReplaceReadOnly = save->ReplaceReadOnly});
    } catch (...) {
      save->Error = std::current_exception();
    }
    QMetaObject::invokeMethod(
        this, [this, save] { SaveDone(save); }, Qt::QueuedConnection);
    save->Written.release();
  });
}

bool EditSession::FinishSave() {
  const std::shared_ptr<PendingSave> save = saving_;
  if (!save) return true;
  save->Written.acquire();
  SaveDone(save);
  return !save->Error;
}

void EditSession::SaveDone(const std::shared_ptr<PendingSave> &save) {
  if (saving_ != save) return;  // handled already
  saving_.reset();
  if (save->Error) {
    emit SaveEnded(save->Name, FailureText(save->Error));
    return;
  }
  path_ = save->Name;
  savedRevision_ = save->Revision;
  UpdateRecovery();
  emit StateChanged();
  emit SaveEnded(save->Name, {});
}

void EditSession::Close() {
  FinishSave();
  StopRenders();
  history_ = History();
  work_ = Share(Bitmap());
  result_ = work_;
  display_ = work_;
  thumb_ = work_;
  fitted_ = {};
  making_.reset();
  stripShown_ = 0;
}

// --- Recovery.

RecoveryRecord EditSession::Record() const {
  RecoveryRecord record;
  record.Source = source_;
  record.Sample = sample_;
  record.SourceHash = sourceHash_;
  record.SourceSize = sourceSize_;
  record.Whitened = whitened_;
  record.Document = Local(path_);
  for (std::size_t i = 1; i < history_.Count(); ++i) {
    record.Steps.push_back(history_.At(i).Made);
    if (history_.At(i).Revision == savedRevision_) record.SavedPosition = (long long)i;
  }
  if (history_.Count() && history_.At(0).Revision == savedRevision_) record.SavedPosition = 0;
  record.Position = history_.Position();
  record.Time = (long long)std::time(nullptr);
  return record;
}

void EditSession::UpdateRecovery() {
  if (recoveryPath_.empty() || restoring_) return;
  // The work is kept while some of it is unsaved, and only work on a file
  // of the user's or the sample can be brought back.
  if (!Modified() || source_.empty()) return RemoveRecovery(recoveryPath_);
  try {
    WriteRecovery(recoveryPath_, Record());
  } catch (...) {
    // A full disk must not stop the edit; the record is only a safety net.
  }
}

void EditSession::DropRecovery() {
  if (!recoveryPath_.empty()) RemoveRecovery(recoveryPath_);
}

void EditSession::Restore(const RecoveryRecord &record) {
  const QString shown = QFileInfo(QFile::decodeName(record.Source.c_str())).fileName();
  FileContents bytes;
  try {
    bytes = ReadFileContents(record.Source);
  } catch (const Error &) {
    throw Error(Say(QV_TEXT("The unsaved changes to %1 cannot be restored: the picture they were "
                            "made on (%2) cannot be read any more"),
                    Local(shown), record.Source));
  }
  if (bytes.size() != record.SourceSize || ContentHash(bytes) != record.SourceHash)
    throw Error(Say(QV_TEXT("The unsaved changes to %1 cannot be restored: the picture they were "
                            "made on (%2) has changed since"),
                    Local(shown), record.Source));
  DecodedPicture picture = DecodePicture(bytes, record.Source);
  if (picture.Pixels.Empty()) throw Error(QV_TEXT("Bitmap image is not valid: it has no pixels"));

  // Everything is replayed before anything changes, so a step that fails
  // (an asset gone) leaves the session as it was.
  const PictureRef opened = Share(std::move(picture.Pixels));
  const PictureRef start = record.Whitened ? Share(WhiteLike(*opened)) : opened;
  std::vector<PictureRef> pictures{start};
  for (std::size_t i = 0; i < record.Position; ++i)
    pictures.push_back(Replay(record.Steps[i], pictures.back()));

  const QString document =
      record.Sample && record.Document.empty()
          ? QString()
          : QFile::decodeName(record.Document.empty() ? record.Source.c_str()
                                                      : record.Document.c_str());
  restoring_ = true;
  Begin(document, record.Source, record.Sample, bytes, opened, std::move(picture.Meta), start);
  restoring_ = false;
  const int opening = history_.Current().Revision;
  int saved = record.SavedPosition == 0 ? opening : -1;
  for (std::size_t i = 0; i < record.Steps.size(); ++i) {
    const PictureRef made = i + 1 < pictures.size() ? pictures[i + 1] : nullptr;
    history_.Push(record.Steps[i], made, ++lastRevision_);
    if ((long long)(i + 1) == record.SavedPosition) saved = lastRevision_;
  }
  savedRevision_ = saved;
  history_.MoveTo(record.Position);
  ShowEntry();
  result_ = work_;
}

}  // namespace qv
