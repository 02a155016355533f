#pragma once

#include <QFileDialog>

class QLabel;

namespace qv {

// Qt's own file dialog with a small pane beside the list that shows the
// highlighted picture.
class PictureOpenDialog : public QFileDialog {
  Q_OBJECT
 public:
  explicit PictureOpenDialog(QWidget *parent = nullptr);

 private:
  void ShowPreview(const QString &path);

  QLabel *preview_;
};

}  // namespace qv
