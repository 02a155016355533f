#include "app/LooksWindow.h"

#include <algorithm>
#include <memory>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/Dialogs.h"
#include "app/Guard.h"
#include "app/ToolWindow.h"
#include "gfx/Error.h"
#include "session/EditSession.h"
#include "widgets/BitmapImage.h"

namespace qv {

namespace {

const QString kLookFilter = QStringLiteral("Quorvane look|*.qvlook|All files|*");

// The picture fitted into the preview's box, pixels picked: the looks are
// shown on it as they would make the photo.
Bitmap Fitted(const Bitmap &picture, int width, int height) {
  const double scale = std::min(double(width) / picture.Width(), double(height) / picture.Height());
  const int w = std::max(1, int(picture.Width() * scale)),
            h = std::max(1, int(picture.Height() * scale));
  Bitmap small(w, h);
  small.StretchDraw({0, 0, w, h}, picture);
  return small;
}

}  // namespace

LooksWindow::LooksWindow(EditSession &session, Dialogs &dialogs, QWidget *parent)
    : QWidget(parent, Qt::Tool), session_(session), dialogs_(dialogs) {
  setObjectName(QStringLiteral("LooksWindow"));
  setWindowTitle(tr("Looks"));
  previews_.setMaxThreadCount(1);

  List = new QListWidget(this);
  List->setObjectName(QStringLiteral("ListLooks"));
  List->setViewMode(QListView::IconMode);
  List->setIconSize(QSize(kPreviewWidth, kPreviewHeight));
  List->setGridSize(QSize(kPreviewWidth + 24, kPreviewHeight + 40));
  List->setResizeMode(QListView::Adjust);
  List->setMovement(QListView::Static);
  List->setWordWrap(true);
  List->setAccessibleName(tr("Looks"));
  auto *hint = new QLabel(
      tr("Choose a look and press Apply (or double-click it) to see it on your photo; Apply "
         "in the preview then keeps it as one step."),
      this);
  hint->setWordWrap(true);
  Note = new QLabel(this);
  Note->setObjectName(QStringLiteral("LabelLooksNote"));
  Note->setWordWrap(true);
  Note->hide();

  auto button = [this](const char *name, const QString &caption, void (LooksWindow::*action)()) {
    auto *b = new QPushButton(caption, this);
    b->setObjectName(QString::fromLatin1(name));
    if (action)
      connect(b, &QPushButton::clicked, this,
              [this, action] { Guard([this, action] { (this->*action)(); }); });
    return b;
  };
  BtnApply = button("BtnApplyLook", tr("Apply"), &LooksWindow::ApplyChosen);
  BtnSaveLook = button("BtnSaveLook", tr("Save Look..."), nullptr);
  connect(BtnSaveLook, &QPushButton::clicked, this, [this] { Guard([this] { SaveLook(); }); });
  BtnRename = button("BtnRenameLook", tr("Rename..."), &LooksWindow::RenameChosen);
  BtnDelete = button("BtnDeleteLook", tr("Delete"), &LooksWindow::DeleteChosen);
  BtnImport = button("BtnImportLook", tr("Import..."), &LooksWindow::ImportLook);
  BtnExport = button("BtnExportLook", tr("Export..."), &LooksWindow::ExportChosen);
  BtnFromPicture =
      button("BtnLookFromPicture", tr("From This Picture"), &LooksWindow::TakeFromPicture);
  BtnFromPicture->setToolTip(tr("Keep the look the opened picture says it was made with"));
  connect(List, &QListWidget::itemActivated, this, [this] { Guard([this] { ApplyChosen(); }); });
  connect(List, &QListWidget::currentRowChanged, this, [this] { UpdateButtons(); });
  connect(&session_, &EditSession::PictureChanged, this, [this] {
    if (isVisible()) RenderPreviews();
  });
  connect(&session_, &EditSession::StateChanged, this, [this] { UpdateButtons(); });

  auto *buttons = new QVBoxLayout;
  for (QPushButton *b :
       {BtnApply, BtnSaveLook, BtnRename, BtnDelete, BtnImport, BtnExport, BtnFromPicture})
    buttons->addWidget(b);
  buttons->addStretch();
  auto *row = new QHBoxLayout;
  row->addWidget(List, 1);
  row->addLayout(buttons);
  auto *whole = new QVBoxLayout(this);
  whole->addWidget(hint);
  whole->addLayout(row, 1);
  whole->addWidget(Note);
  resize(640, 420);
  UpdateButtons();
}

LooksWindow::~LooksWindow() {
  ++generation_;
  previews_.waitForDone();
}

void LooksWindow::Guard(const std::function<void()> &action) {
  Guarded(dialogs_, this, action);
}

void LooksWindow::showEvent(QShowEvent *event) {
  QWidget::showEvent(event);
  Refresh();
}

void LooksWindow::ShowBeside() {
  // The first time over the lower right of the main window.
  const QRect main = parentWidget() ? parentWidget()->frameGeometry() : QRect();
  ShowToolWindow(*this, placed_, {main.right() - width() - 16, main.bottom() - height() - 16});
}

const LookLibrary::Entry *LooksWindow::Chosen() const {
  const int row = List->currentRow();
  return row >= 0 && row < int(looks_.size()) ? &looks_[std::size_t(row)] : nullptr;
}

void LooksWindow::UpdateButtons() {
  const bool chosen = Chosen() != nullptr;
  for (QPushButton *b : {BtnApply, BtnRename, BtnDelete, BtnExport}) b->setEnabled(chosen);
  BtnSaveLook->setEnabled(session_.CanUndo());
  BtnFromPicture->setEnabled(session_.OpenedWith().has_value());
}

void LooksWindow::Refresh() {
  const QString current = Chosen() ? Chosen()->Path : QString();
  looks_ = library_.Looks();
  List->clear();
  int row = 0;
  for (std::size_t i = 0; i < looks_.size(); ++i) {
    auto *item = new QListWidgetItem(QString::fromStdString(looks_[i].Value.Name), List);
    item->setToolTip(QFileInfo(looks_[i].Path).fileName());
    if (looks_[i].Path == current) row = int(i);
  }
  if (!looks_.empty()) List->setCurrentRow(row);
  const QStringList &problems = library_.Problems();
  Note->setText(problems.join(QLatin1Char('\n')));
  Note->setVisible(!problems.isEmpty());
  UpdateButtons();
  RenderPreviews();
}

void LooksWindow::RenderPreviews() {
  const std::uint64_t generation = ++generation_;
  if (looks_.empty() || !session_.WorkBitmap()) return;
  // The job's own values: the fitted picture, the looks, the artwork's place.
  const auto small = std::make_shared<const Bitmap>(
      Fitted(*session_.WorkBitmap(), kPreviewWidth * 2, kPreviewHeight * 2));
  std::vector<Look> looks;
  for (const auto &entry : looks_) looks.push_back(entry.Value);
  const KernelEnv env(session_.AppDir());
  // The destructor waits for this job, which stops at the next look once
  // the previews it makes no longer count.
  previews_.start([this, generation, small, looks, env] {
    const QPointer<LooksWindow> self(this);
    for (std::size_t i = 0; i < looks.size(); ++i) {
      if (generation_ != generation) return;
      QImage image;
      try {
        Step step;
        step.Look = looks[i].Name;
        step.LookSteps = looks[i].Steps;
        const PictureRef made = ApplyStep(step, small, env);
        image = ToQImage(*made);
      } catch (...) {
        continue;  // a step that cannot render shows no preview
      }
      QMetaObject::invokeMethod(
          self,
          [self, generation, i, image] {
            if (!self || self->generation_ != generation) return;
            if (QListWidgetItem *item = self->List->item(int(i)))
              item->setIcon(QIcon(QPixmap::fromImage(image)));
          },
          Qt::QueuedConnection);
    }
  });
}

bool LooksWindow::SaveLook() {
  if (!session_.CanUndo()) return false;
  // Asked over this window, or over the main window while this one is shut.
  QWidget *over = isVisible() ? this : parentWidget();
  const QStringList names = session_.HistoryNames().mid(1, int(session_.Steps().Position()));
  const QString label = tr("A look of %n step(s):", nullptr, int(names.size())) +
                        QStringLiteral("\n  ") + names.join(QStringLiteral("\n  ")) +
                        QStringLiteral("\n\n") + tr("Name of the look:");
  const auto name =
      dialogs_.AskText(over, tr("Save Look"), label, tr("Look %1").arg(looks_.size() + 1));
  if (!name) return false;
  library_.Add(session_.CurrentLook(name->toStdString()));
  Refresh();
  return true;
}

void LooksWindow::ApplyChosen() {
  if (const LookLibrary::Entry *entry = Chosen()) session_.PreviewLook(entry->Value);
}

void LooksWindow::RenameChosen() {
  const LookLibrary::Entry *entry = Chosen();
  if (!entry) return;
  const auto name = dialogs_.AskText(this, tr("Rename Look"), tr("New name of the look:"),
                                     QString::fromStdString(entry->Value.Name));
  if (!name) return;
  library_.Rename(entry->Path, *name);
  Refresh();
}

void LooksWindow::DeleteChosen() {
  const LookLibrary::Entry *entry = Chosen();
  if (!entry || !dialogs_.Confirm(
                    this, tr("Delete the look %1?").arg(QString::fromStdString(entry->Value.Name))))
    return;
  library_.Remove(entry->Path);
  Refresh();
}

void LooksWindow::ImportLook() {
  const auto path = dialogs_.OpenFile(this, tr("Import Look"), kLookFilter, QDir::homePath());
  if (!path) return;
  library_.Import(*path);
  Refresh();
}

void LooksWindow::ExportChosen() {
  const LookLibrary::Entry *entry = Chosen();
  if (!entry) return;
  const QString proposed = QDir::home().filePath(QFileInfo(entry->Path).fileName());
  const auto path = dialogs_.SaveFile(this, tr("Export Look"), kLookFilter, proposed);
  if (!path) return;
  QString target = *path;
  if (!target.endsWith(QString::fromLatin1(kLookExtension)))
    target += QString::fromLatin1(kLookExtension);
  LookLibrary::Export(entry->Value, target);
}

void LooksWindow::TakeFromPicture() {
  const auto &made = session_.OpenedWith();
  if (!made) return;
  Look look = made->Steps;
  look.Name = QFileInfo(session_.OpenedFileName()).completeBaseName().toStdString();
  library_.Add(look);
  Refresh();
}

}  // namespace qv
