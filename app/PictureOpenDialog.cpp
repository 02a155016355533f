#include "app/PictureOpenDialog.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QImageReader>
#include <QLabel>

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
  preview_->setFrameShape(QFrame::StyledPanel);
  if (auto *grid = qobject_cast<QGridLayout *>(layout()))
    grid->addWidget(preview_, 1, grid->columnCount(), grid->rowCount() - 1, 1);
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
  if (!image.isNull())
    preview_->setPixmap(QPixmap::fromImage(DisplayImage(image, image.colorSpace())));
}

}  // namespace qv
