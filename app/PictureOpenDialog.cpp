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
constexpr int kPreviewSide = 160;
}

PictureOpenDialog::PictureOpenDialog(QWidget *parent) : QFileDialog(parent) {
  setOption(QFileDialog::DontUseNativeDialog);
  setFileMode(QFileDialog::ExistingFile);
  setAcceptMode(QFileDialog::AcceptOpen);

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

void PictureOpenDialog::ShowPreview(const QString &path) {
  preview_->clear();
  if (!QFileInfo(path).isFile()) return;
  // A preview only: Qt's reader decodes a reduced picture quickly, even of a
  // large JPEG. Opening the file goes through the program's own decoders,
  // which turn it upright the same way.
  QImageReader reader(path);
  reader.setAutoTransform(true);
  // Scaled as stored, before the turn; the pane is square, so the turned
  // picture fits it just the same.
  const QSize size = reader.size();
  if (size.isValid())
    reader.setScaledSize(size.scaled(kPreviewSide - 4, kPreviewSide - 4, Qt::KeepAspectRatio));
  const QImage image = reader.read();
  if (!image.isNull()) {
    preview_->setPixmap(QPixmap::fromImage(DisplayImage(image, image.colorSpace())));
    return;
  }
  // Formats Qt has no reader for here (HEIC, AVIF, and WebP or TIFF without
  // Qt's image format plugins) go through the program's decoders, which
  // are bounded in time and memory like any open.
  try {
    const DecodedPicture picture = ReadPictureFile(QFile::encodeName(path).toStdString());
    const QSize side(kPreviewSide - 4, kPreviewSide - 4);
    const QSize fitted =
        QSize(picture.Pixels.Width(), picture.Pixels.Height()).scaled(side, Qt::KeepAspectRatio);
    preview_->setPixmap(QPixmap::fromImage(
        DisplayImage(picture.Pixels, DisplaySpaceOf(picture.Meta.Icc), fitted.expandedTo({1, 1}))));
  } catch (const std::exception &) {
    // Not a picture, or a damaged one: the pane stays empty.
  }
}

}  // namespace qv
