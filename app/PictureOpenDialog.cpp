#include "app/PictureOpenDialog.h"

#include <algorithm>
#include <exception>

#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHeaderView>
#include <QImageReader>
#include <QLabel>
#include <QTreeView>

#include "codecs/Codecs.h"
#include "widgets/DisplayColor.h"

namespace qv {

namespace {

// The picture at path made small enough for the pane, or a null image.
// Runs on the dialog's decoding thread.
QImage ReadPreview(const QString &path) {
  constexpr int kSide = PictureOpenDialog::kPreviewSide - 4;
  // A preview only: Qt's reader decodes a reduced picture quickly, even of a
  // large JPEG (at an eighth of its size and up). Opening the file goes
  // through the program's own decoders, which turn it upright the same way.
  QImageReader reader(path);
  reader.setAutoTransform(true);
  // Scaled as stored, before the turn; the pane is square, so the turned
  // picture fits it just the same.
  const QSize size = reader.size();
  if (size.isValid()) reader.setScaledSize(size.scaled(kSide, kSide, Qt::KeepAspectRatio));
  const QImage image = reader.read();
  if (!image.isNull()) return DisplayImage(image, image.colorSpace());
  // Formats Qt has no reader for here (HEIC, AVIF, and WebP or TIFF without
  // Qt's image format plugins) go through the program's decoders, which
  // are bounded in time and memory like any open.
  try {
    const DecodedPicture picture = ReadPictureFile(QFile::encodeName(path).toStdString());
    const QSize fitted = QSize(picture.Pixels.Width(), picture.Pixels.Height())
                             .scaled(QSize(kSide, kSide), Qt::KeepAspectRatio);
    return DisplayImage(picture.Pixels, DisplaySpaceOf(picture.Meta.Icc),
                        fitted.expandedTo({1, 1}));
  } catch (const std::exception &) {
    return {};  // not a picture, or a damaged one: the pane stays empty
  }
}

}  // namespace

PictureOpenDialog::PictureOpenDialog(QWidget *parent) : QFileDialog(parent) {
  setOption(QFileDialog::DontUseNativeDialog);
  setFileMode(QFileDialog::ExistingFile);
  setAcceptMode(QFileDialog::AcceptOpen);
  decoder_.setMaxThreadCount(1);

  preview_ = new QLabel(this);
  preview_->setObjectName(QStringLiteral("PicturePreview"));
  preview_->setFixedSize(kPreviewSide, kPreviewSide);
  preview_->setAlignment(Qt::AlignCenter);
  // The program's skin draws no label frames; the pane keeps one of its own
  // so that it reads as a place where a picture will appear.
  preview_->setStyleSheet(QStringLiteral(
      "QLabel#PicturePreview { border: 1px solid palette(mid); background: palette(base); }"));
  if (auto *grid = qobject_cast<QGridLayout *>(layout()))
    grid->addWidget(preview_, 1, grid->columnCount(), grid->rowCount() - 1, 1, Qt::AlignTop);
  // Wide enough for the list's name, size, type and date beside the pane.
  resize(std::max(width(), kPreviewSide + 760), std::max(height(), 480));
  if (auto *list = findChild<QTreeView *>(QStringLiteral("treeView"))) {
    const int widths[] = {240, 90, 120, 150};  // name, size, type, date
    for (int column = 0; column < 4; ++column)
      list->header()->resizeSection(column, widths[column]);
  }
  connect(this, &QFileDialog::currentChanged, this, &PictureOpenDialog::ShowPreview);
}

PictureOpenDialog::~PictureOpenDialog() {
  ++request_;  // a decode still waiting is skipped
  decoder_.clear();
  decoder_.waitForDone();
}

void PictureOpenDialog::ShowPreview(const QString &path) {
  preview_->clear();
  const std::uint64_t request = ++request_;
  if (!QFileInfo(path).isFile()) return;
  decoder_.start([this, path, request] {
    if (request != request_) return;  // highlighted past already
    const QImage image = ReadPreview(path);
    // Queued to the dialog: dropped with it if it goes first.
    QMetaObject::invokeMethod(
        this, [this, request, image] { Show(request, image); }, Qt::QueuedConnection);
  });
}

void PictureOpenDialog::Show(std::uint64_t request, const QImage &image) {
  if (request == request_ && !image.isNull()) preview_->setPixmap(QPixmap::fromImage(image));
}

}  // namespace qv
