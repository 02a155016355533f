#include "app/BatchWindow.h"

#include <algorithm>
#include <array>
#include <filesystem>

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/Dialogs.h"
#include "app/Guard.h"
#include "app/PictureTypes.h"
#include "app/ToolWindow.h"
#include "batch/BatchPlan.h"
#include "session/EditSession.h"
#include "session/EngineText.h"
#include "widgets/EditorSettings.h"

namespace qv {

namespace {

// The formats offered, as the extension written; the last keeps each
// picture's own.
struct FormatChoice {
  const char *Caption;
  const char *Extension;
  bool Quality;
};
constexpr FormatChoice kFormats[] = {
    {QT_TRANSLATE_NOOP("qv::BatchWindow", "JPEG"), "jpg", true},
    {QT_TRANSLATE_NOOP("qv::BatchWindow", "PNG"), "png", false},
    {QT_TRANSLATE_NOOP("qv::BatchWindow", "WebP"), "webp", true},
    {QT_TRANSLATE_NOOP("qv::BatchWindow", "TIFF"), "tif", false},
    {QT_TRANSLATE_NOOP("qv::BatchWindow", "BMP"), "bmp", false},
    {QT_TRANSLATE_NOOP("qv::BatchWindow", "As the original"), "", true},
};

constexpr int kFolderRole = Qt::UserRole + 1;  // an input that is a folder

QString Clock(double seconds) {
  const long whole = long(seconds + 0.5);
  return whole >= 3600 ? QStringLiteral("%1:%2:%3")
                             .arg(whole / 3600)
                             .arg(whole / 60 % 60, 2, 10, QChar('0'))
                             .arg(whole % 60, 2, 10, QChar('0'))
                       : QStringLiteral("%1:%2").arg(whole / 60).arg(whole % 60, 2, 10, QChar('0'));
}

// What {look} stands for with one effect: "light-a-3".
std::string LookNameOf(const Step &step) {
  std::string name = EffectName(step);
  std::replace(name.begin(), name.end(), ' ', '-');
  return name;
}

}  // namespace

BatchWindow::BatchWindow(EditSession &session, Dialogs &dialogs,
                         std::function<int()> previewStrength, QWidget *parent)
    : QWidget(parent, Qt::Tool),
      session_(session),
      dialogs_(dialogs),
      previewStrength_(std::move(previewStrength)) {
  setObjectName(QStringLiteral("BatchWindow"));
  setWindowTitle(tr("Batch"));
  auto button = [this](const char *name, const QString &caption, void (BatchWindow::*action)()) {
    auto *b = new QPushButton(caption, this);
    b->setObjectName(QString::fromLatin1(name));
    connect(b, &QPushButton::clicked, this,
            [this, action] { Guard([this, action] { (this->*action)(); }); });
    return b;
  };

  // The pictures.
  ListInputs = new QListWidget(this);
  ListInputs->setObjectName(QStringLiteral("ListBatchInputs"));
  ListInputs->setSelectionMode(QAbstractItemView::ExtendedSelection);
  ListInputs->setAccessibleName(tr("Pictures"));
  BtnAddFiles = button("BtnBatchAddFiles", tr("Add Pictures..."), &BatchWindow::AddFiles);
  BtnAddFolder = button("BtnBatchAddFolder", tr("Add Folder..."), &BatchWindow::AddFolder);
  BtnRemove = button("BtnBatchRemove", tr("Remove"), &BatchWindow::RemoveChosen);
  CheckSubfolders = new QCheckBox(tr("Include sub-folders"), this);
  auto *inputButtons = new QVBoxLayout;
  for (QWidget *w : std::initializer_list<QWidget *>{BtnAddFiles, BtnAddFolder, BtnRemove})
    inputButtons->addWidget(w);
  inputButtons->addStretch();
  auto *inputRow = new QHBoxLayout;
  inputRow->addWidget(ListInputs, 1);
  inputRow->addLayout(inputButtons);
  auto *inputs = new QGroupBox(tr("Pictures"), this);
  auto *inputsLayout = new QVBoxLayout(inputs);
  inputsLayout->addLayout(inputRow);
  inputsLayout->addWidget(CheckSubfolders);

  // What to apply.
  RadioPreview = new QRadioButton(tr("The effect in the preview"), this);
  RadioSteps = new QRadioButton(tr("The steps applied to this photo"), this);
  RadioLook = new QRadioButton(tr("A saved look:"), this);
  ComboLook = new QComboBox(this);
  ComboLook->setObjectName(QStringLiteral("ComboBatchLook"));
  auto *lookRow = new QHBoxLayout;
  lookRow->addWidget(RadioLook);
  lookRow->addWidget(ComboLook, 1);
  auto *what = new QGroupBox(tr("Apply"), this);
  auto *whatLayout = new QVBoxLayout(what);
  whatLayout->addWidget(RadioPreview);
  whatLayout->addWidget(RadioSteps);
  whatLayout->addLayout(lookRow);

  // Where and how.
  EditFolder = new QLineEdit(this);
  EditFolder->setObjectName(QStringLiteral("EditBatchFolder"));
  BtnChooseFolder = button("BtnBatchChooseFolder", tr("Choose..."), &BatchWindow::ChooseOutput);
  auto *folderRow = new QHBoxLayout;
  folderRow->addWidget(EditFolder, 1);
  folderRow->addWidget(BtnChooseFolder);
  CheckKeepFolders = new QCheckBox(tr("Keep the sub-folders"), this);
  EditPattern = new QLineEdit(QStringLiteral("{name}"), this);
  EditPattern->setObjectName(QStringLiteral("EditBatchPattern"));
  EditPattern->setToolTip(
      tr("{name}: the picture's name, {look}: the look's, {n}: its number "
         "in the batch, {n:3}: the number with three digits"));
  ComboFormat = new QComboBox(this);
  for (const FormatChoice &format : kFormats) ComboFormat->addItem(tr(format.Caption));
  SpinQuality = new QSpinBox(this);
  SpinQuality->setRange(1, 100);
  SpinQuality->setValue(90);
  SpinQuality->setPrefix(tr("quality "));
  auto *formatRow = new QHBoxLayout;
  formatRow->addWidget(ComboFormat, 1);
  formatRow->addWidget(SpinQuality);
  CheckLongEdge = new QCheckBox(tr("At most"), this);
  SpinLongEdge = new QSpinBox(this);
  SpinLongEdge->setRange(1, 65535);
  SpinLongEdge->setValue(2048);
  SpinLongEdge->setSuffix(tr(" pixels on the longest side"));
  auto *sizeRow = new QHBoxLayout;
  sizeRow->addWidget(CheckLongEdge);
  sizeRow->addWidget(SpinLongEdge, 1);
  CheckMetadata =
      new QCheckBox(tr("Keep the metadata (camera, date, place, colour profile)"), this);
  CheckMetadata->setChecked(true);
  ComboExisting = new QComboBox(this);
  ComboExisting->addItem(tr("replace"));
  ComboExisting->addItem(tr("skip"));
  ComboExisting->addItem(tr("add a number"));
  auto *where = new QGroupBox(tr("Save"), this);
  auto *form = new QFormLayout(where);
  form->addRow(tr("Folder:"), folderRow);
  form->addRow(QString(), CheckKeepFolders);
  form->addRow(tr("Names:"), EditPattern);
  form->addRow(tr("Format:"), formatRow);
  form->addRow(tr("Size:"), sizeRow);
  form->addRow(QString(), CheckMetadata);
  form->addRow(tr("Files that exist:"), ComboExisting);
  LabelPolicy = new QLabel(this);
  LabelPolicy->setObjectName(QStringLiteral("LabelBatchPolicy"));
  LabelPolicy->setWordWrap(true);

  // The run.
  BtnStart = button("BtnBatchStart", tr("&Start"), &BatchWindow::StartBatch);
  BtnCancel = button("BtnBatchCancel", tr("&Cancel"), &BatchWindow::CancelBatch);
  BtnShowFolder = button("BtnBatchShowFolder", tr("Show in &folder"), &BatchWindow::ShowInFolder);
  Progress = new QProgressBar(this);
  Progress->setObjectName(QStringLiteral("BatchProgress"));
  Progress->setFormat(tr("%v of %m"));
  LabelProgress = new QLabel(this);
  LabelProgress->setObjectName(QStringLiteral("LabelBatchProgress"));
  LabelSummary = new QLabel(this);
  LabelSummary->setObjectName(QStringLiteral("LabelBatchSummary"));
  LabelSummary->setWordWrap(true);
  ListFailures = new QListWidget(this);
  ListFailures->setObjectName(QStringLiteral("ListBatchFailures"));
  ListFailures->setAccessibleName(tr("Pictures that failed"));
  ListFailures->setWordWrap(true);
  ListFailures->hide();
  auto *runRow = new QHBoxLayout;
  runRow->addWidget(Progress, 1);
  runRow->addWidget(BtnStart);
  runRow->addWidget(BtnCancel);
  runRow->addWidget(BtnShowFolder);

  auto *whole = new QVBoxLayout(this);
  whole->addWidget(inputs, 1);
  whole->addWidget(what);
  whole->addWidget(where);
  whole->addWidget(LabelPolicy);
  whole->addLayout(runRow);
  whole->addWidget(LabelProgress);
  whole->addWidget(LabelSummary);
  whole->addWidget(ListFailures, 1);

  for (QRadioButton *radio : {RadioPreview, RadioSteps, RadioLook})
    connect(radio, &QRadioButton::toggled, this, [this] { UpdateControls(); });
  for (QCheckBox *check : {CheckSubfolders, CheckLongEdge})
    connect(check, &QCheckBox::toggled, this, [this] { UpdateControls(); });
  connect(ComboFormat, &QComboBox::currentIndexChanged, this, [this] { UpdateControls(); });
  connect(ComboExisting, &QComboBox::currentIndexChanged, this, [this] { UpdatePolicy(); });
  connect(EditFolder, &QLineEdit::textChanged, this, [this] { UpdateControls(); });
  connect(ListInputs->model(), &QAbstractItemModel::rowsInserted, this,
          [this] { UpdateControls(); });
  connect(ListInputs->model(), &QAbstractItemModel::rowsRemoved, this,
          [this] { UpdateControls(); });
  // The preview's effect can be taken while it can be applied.
  connect(&session_, &EditSession::StateChanged, this, [this] { UpdateControls(); });
  connect(&session_, &EditSession::PreviewReady, this, [this] { UpdateControls(); });
  connect(&session_, &EditSession::PreviewDropped, this, [this] { UpdateControls(); });
  connect(&session_, &EditSession::PictureChanged, this, [this] { UpdateControls(); });
  connect(&job_, &BatchJob::ItemStarted, this, &BatchWindow::Started);
  connect(&job_, &BatchJob::ItemFinished, this, &BatchWindow::Finished);
  connect(&job_, &BatchJob::Ended, this, &BatchWindow::Ended);
  Recall();
  resize(560, 720);
  UpdateControls();
}

BatchWindow::~BatchWindow() = default;

void BatchWindow::Guard(const std::function<void()> &action) {
  Guarded(dialogs_, this, action);
}

void BatchWindow::showEvent(QShowEvent *event) {
  QWidget::showEvent(event);
  // The looks as they are now, the one chosen kept.
  const QString chosen = ComboLook->currentText();
  looks_ = library_.Looks();
  ComboLook->clear();
  for (const LookLibrary::Entry &look : looks_)
    ComboLook->addItem(QString::fromStdString(look.Value.Name));
  const int at = ComboLook->findText(chosen);
  if (at >= 0) ComboLook->setCurrentIndex(at);
  UpdateControls();
}

void BatchWindow::closeEvent(QCloseEvent *event) {
  Remember();
  QWidget::closeEvent(event);
}

void BatchWindow::ShowBeside() {
  // The first time over the main window's upper left.
  const QRect main = parentWidget() ? parentWidget()->frameGeometry() : QRect();
  ShowToolWindow(*this, placed_, {main.left() + 40, main.top() + 40});
}

void BatchWindow::AddFiles() {
  const QStringList files =
      dialogs_.OpenFiles(this, tr("Add Pictures"), OpenFilter(),
                         EditorSettings().value(QStringLiteral("Batch/lastFolder")).toString());
  AddInputs(files);
}

void BatchWindow::AddFolder() {
  const auto folder =
      dialogs_.ChooseFolder(this, tr("Add Folder"),
                            EditorSettings().value(QStringLiteral("Batch/lastFolder")).toString());
  if (folder) AddInputs({*folder});
}

void BatchWindow::AddInputs(const QStringList &paths) {
  for (const QString &path : paths) {
    if (!ListInputs->findItems(path, Qt::MatchExactly).isEmpty()) continue;
    const bool folder = QFileInfo(path).isDir();
    auto *item = new QListWidgetItem(path, ListInputs);
    item->setData(kFolderRole, folder);
    item->setToolTip(folder ? tr("A folder: its pictures") : tr("A picture"));
  }
  if (!paths.isEmpty())
    EditorSettings().setValue(QStringLiteral("Batch/lastFolder"),
                              QFileInfo(paths.back()).absolutePath());
}

void BatchWindow::RemoveChosen() {
  qDeleteAll(ListInputs->selectedItems());
}

void BatchWindow::ChooseOutput() {
  if (const auto folder = dialogs_.ChooseFolder(this, tr("Save Into"), EditFolder->text()))
    EditFolder->setText(*folder);
}

std::optional<std::pair<std::vector<Step>, std::string>> BatchWindow::ChosenSteps() {
  if (RadioPreview->isChecked()) {
    std::optional<Step> step = session_.PreviewStep();
    if (!step) return std::nullopt;
    step->Strength = std::clamp(previewStrength_ ? previewStrength_() : kFullStrength, kMinStrength,
                                kFullStrength);
    return std::pair{std::vector<Step>{*step}, LookNameOf(*step)};
  }
  if (RadioSteps->isChecked()) {
    const std::string name = QFileInfo(session_.OpenedFileName()).completeBaseName().toStdString();
    Look look = session_.CurrentLook(name.empty() ? "steps" : name);
    if (look.Steps.empty()) return std::nullopt;
    return std::pair{look.Steps, look.Name};
  }
  const int chosen = ComboLook->currentIndex();
  if (!RadioLook->isChecked() || chosen < 0 || chosen >= int(looks_.size())) return std::nullopt;
  return std::pair{looks_[std::size_t(chosen)].Value.Steps, looks_[std::size_t(chosen)].Value.Name};
}

void BatchWindow::UpdatePolicy() {
  const QString existing[] = {
      tr("A file of the same name in the save folder is replaced."),
      tr("A picture whose file is already in the save folder is skipped."),
      tr("Where a file of the same name is in the save folder, the new one gets a number: "
         "NAME (2)."),
  };
  LabelPolicy->setText(tr("Your originals are never written over.") + QLatin1Char(' ') +
                       existing[std::clamp(ComboExisting->currentIndex(), 0, 2)]);
}

void BatchWindow::UpdateControls() {
  const bool running = job_.Running();
  RadioPreview->setEnabled(!running && session_.PreviewStep().has_value());
  RadioSteps->setEnabled(!running && session_.CanRepeat());
  RadioLook->setEnabled(!running && !looks_.empty());
  ComboLook->setEnabled(!running && RadioLook->isChecked() && !looks_.empty());
  for (QWidget *w : std::initializer_list<QWidget *>{
           ListInputs, BtnAddFiles, BtnAddFolder, BtnRemove, CheckSubfolders, EditFolder,
           BtnChooseFolder, EditPattern, ComboFormat, CheckMetadata, ComboExisting})
    w->setEnabled(!running);
  CheckKeepFolders->setEnabled(!running && CheckSubfolders->isChecked());
  const int format = std::clamp(ComboFormat->currentIndex(), 0, int(std::size(kFormats)) - 1);
  SpinQuality->setEnabled(!running && kFormats[format].Quality);
  CheckLongEdge->setEnabled(!running);
  SpinLongEdge->setEnabled(!running && CheckLongEdge->isChecked());
  const bool chosen = (RadioPreview->isChecked() && RadioPreview->isEnabled()) ||
                      (RadioSteps->isChecked() && RadioSteps->isEnabled()) ||
                      (RadioLook->isChecked() && RadioLook->isEnabled());
  BtnStart->setEnabled(!running && chosen && ListInputs->count() > 0 &&
                       !EditFolder->text().trimmed().isEmpty());
  BtnCancel->setEnabled(running);
  BtnShowFolder->setEnabled(!running && !job_.Results().empty());
  UpdatePolicy();
}

void BatchWindow::StartBatch() {
  if (job_.Running()) return;
  const auto steps = ChosenSteps();
  if (!steps) {
    dialogs_.ShowMessage(this, tr("Choose what to apply: the preview's effect, this photo's "
                                  "steps or a saved look."));
    return;
  }
  const std::string pattern = EditPattern->text().toStdString();
  if (const Text problem = CheckNamePattern(pattern); !problem.Empty()) {
    dialogs_.ShowMessage(this, tr("The names cannot be made from \"%1\": %2")
                                   .arg(EditPattern->text(), Translated(problem)));
    return;
  }
  BatchOutput output;
  output.Folder = QDir::cleanPath(EditFolder->text().trimmed()).toStdString();
  output.NamePattern = pattern;
  const FormatChoice &format =
      kFormats[std::clamp(ComboFormat->currentIndex(), 0, int(std::size(kFormats)) - 1)];
  output.Format = format.Extension;
  output.Quality = format.Quality ? SpinQuality->value() : 0;
  output.LongEdge = CheckLongEdge->isChecked() ? SpinLongEdge->value() : 0;
  output.StripMetadata = !CheckMetadata->isChecked();
  output.Existing =
      std::array{ExistingPolicy::Replace, ExistingPolicy::Skip,
                 ExistingPolicy::AddNumber}[std::clamp(ComboExisting->currentIndex(), 0, 2)];

  std::vector<std::string> given;
  for (int i = 0; i < ListInputs->count(); ++i)
    given.push_back(QFile::encodeName(ListInputs->item(i)->text()).toStdString());
  std::vector<Text> problems;
  std::vector<BatchInput> inputs =
      CollectInputs(given, CheckSubfolders->isChecked(), output.Folder, problems);
  if (!CheckSubfolders->isChecked() || !CheckKeepFolders->isChecked())
    for (BatchInput &input : inputs) input.Folder.clear();
  if (inputs.empty()) {
    dialogs_.ShowMessage(this, tr("There are no pictures in the files and folders chosen."));
    return;
  }
  std::filesystem::create_directories(output.Folder);

  PictureRecipe recipe;
  recipe.Steps = steps->first;
  recipe.AppDir = session_.AppDir();
  recipe.Writing = {.StripMetadata = output.StripMetadata, .Quality = output.Quality};
  recipe.LongEdge = output.LongEdge;
  std::vector<BatchItem> plan = PlanBatch(inputs, steps->second, output);

  Remember();
  ListFailures->clear();
  ListFailures->hide();
  for (const Text &problem : problems) AddFailure(QString(), Translated(problem));
  LabelSummary->clear();
  total_ = int(plan.size());
  finished_ = 0;
  Progress->setRange(0, total_);
  Progress->setValue(0);
  LabelProgress->setText(tr("Starting..."));
  start_ = std::chrono::steady_clock::now();
  job_.Start(std::move(plan), std::move(recipe));
  UpdateControls();
}

void BatchWindow::CancelBatch() {
  job_.Cancel();
  LabelProgress->setText(tr("Cancelling..."));
}

void BatchWindow::Started(int, const QString &input) {
  if (job_.Cancelled()) return;
  // Two pictures are made at once: the count is of those done, the name
  // the one started last.
  QString text =
      tr("%1 of %2 done, now %3").arg(finished_).arg(total_).arg(QFileInfo(input).fileName());
  if (finished_ > 0) {
    const double elapsed =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    text += QStringLiteral(", ") +
            tr("about %1 left").arg(Clock(elapsed / finished_ * (total_ - finished_)));
  }
  LabelProgress->setText(text);
}

void BatchWindow::Finished(int, const BatchResult &result) {
  Progress->setValue(++finished_);
  if (result.Status == BatchStatus::Failed)
    AddFailure(QString::fromStdString(result.Input), Translated(result.Message));
  else if (result.Status == BatchStatus::Written && !result.Message.Empty())
    AddFailure(QString::fromStdString(result.Input),
               tr("written, but read with damage: %1").arg(Translated(result.Message)));
}

void BatchWindow::AddFailure(const QString &input, const QString &reason) {
  ListFailures->addItem(
      input.isEmpty() ? reason : QFileInfo(input).fileName() + QStringLiteral(": ") + reason);
  ListFailures->item(ListFailures->count() - 1)->setToolTip(input);
  ListFailures->show();
}

void BatchWindow::Ended() {
  int written = 0, skipped = 0, failed = 0, damaged = 0;
  for (const BatchResult &result : job_.Results()) {
    written += result.Status == BatchStatus::Written;
    damaged += result.Status == BatchStatus::Written && !result.Message.Empty();
    skipped += result.Status == BatchStatus::Skipped;
    failed += result.Status == BatchStatus::Failed;
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
  LabelProgress->setText(job_.Cancelled() ? tr("Cancelled after %1.").arg(Clock(seconds))
                                          : tr("Done in %1.").arg(Clock(seconds)));
  QString summary = tr("%1 of %2 pictures written").arg(written).arg(total_);
  if (skipped) summary += QStringLiteral(", ") + tr("%1 skipped").arg(skipped);
  if (damaged) summary += QStringLiteral(", ") + tr("%1 of them read with damage").arg(damaged);
  if (failed) summary += QStringLiteral(", ") + tr("%1 failed").arg(failed);
  if (damaged || failed) summary += QStringLiteral(" ") + tr("(listed below)");
  LabelSummary->setText(summary + QLatin1Char('.'));
  UpdateControls();
}

void BatchWindow::ShowInFolder() {
  const QString folder = EditFolder->text().trimmed();
  dialogs_.OpenDocument(folder, [this, folder] {
    dialogs_.ShowMessage(this,
                         tr("There is nothing on this desktop to show the folder %1.").arg(folder));
  });
}

void BatchWindow::Remember() const {
  QSettings settings = EditorSettings();
  settings.beginGroup(QStringLiteral("Batch"));
  QStringList inputs;
  for (int i = 0; i < ListInputs->count(); ++i) inputs << ListInputs->item(i)->text();
  settings.setValue(QStringLiteral("inputs"), inputs);
  settings.setValue(QStringLiteral("subfolders"), CheckSubfolders->isChecked());
  settings.setValue(QStringLiteral("apply"), RadioPreview->isChecked() ? 0
                                             : RadioSteps->isChecked() ? 1
                                                                       : 2);
  settings.setValue(QStringLiteral("look"), ComboLook->currentText());
  settings.setValue(QStringLiteral("folder"), EditFolder->text());
  settings.setValue(QStringLiteral("keepFolders"), CheckKeepFolders->isChecked());
  settings.setValue(QStringLiteral("pattern"), EditPattern->text());
  settings.setValue(QStringLiteral("format"), ComboFormat->currentIndex());
  settings.setValue(QStringLiteral("quality"), SpinQuality->value());
  settings.setValue(QStringLiteral("limitSize"), CheckLongEdge->isChecked());
  settings.setValue(QStringLiteral("longEdge"), SpinLongEdge->value());
  settings.setValue(QStringLiteral("keepMetadata"), CheckMetadata->isChecked());
  settings.setValue(QStringLiteral("existing"), ComboExisting->currentIndex());
}

void BatchWindow::Recall() {
  QSettings settings = EditorSettings();
  settings.beginGroup(QStringLiteral("Batch"));
  AddInputs(settings.value(QStringLiteral("inputs")).toStringList());
  CheckSubfolders->setChecked(settings.value(QStringLiteral("subfolders"), true).toBool());
  const int apply = settings.value(QStringLiteral("apply"), 0).toInt();
  (apply == 1 ? RadioSteps : apply == 2 ? RadioLook : RadioPreview)->setChecked(true);
  const QString look = settings.value(QStringLiteral("look")).toString();
  if (!look.isEmpty()) ComboLook->addItem(look);
  EditFolder->setText(settings.value(QStringLiteral("folder")).toString());
  CheckKeepFolders->setChecked(settings.value(QStringLiteral("keepFolders"), true).toBool());
  EditPattern->setText(
      settings.value(QStringLiteral("pattern"), QStringLiteral("{name}")).toString());
  ComboFormat->setCurrentIndex(settings.value(QStringLiteral("format"), 0).toInt());
  SpinQuality->setValue(settings.value(QStringLiteral("quality"), 90).toInt());
  CheckLongEdge->setChecked(settings.value(QStringLiteral("limitSize"), false).toBool());
  SpinLongEdge->setValue(settings.value(QStringLiteral("longEdge"), 2048).toInt());
  CheckMetadata->setChecked(settings.value(QStringLiteral("keepMetadata"), true).toBool());
  ComboExisting->setCurrentIndex(settings.value(QStringLiteral("existing"), 0).toInt());
}

}  // namespace qv
