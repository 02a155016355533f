#pragma once

#include <QFileDialog>
#include <QThreadPool>
#include <atomic>
#include <cstdint>

class QImage;
class QLabel;

namespace qv {

// Qt's own file dialog with a small pane beside the list that shows the
// highlighted picture. The picture is decoded at the pane's size on a
// thread of the dialog's own, so moving through a folder of large photos
// never holds up the list; a picture that is no longer highlighted when it
// is ready is not shown.
class PictureOpenDialog : public QFileDialog {
  Q_OBJECT
 public:
  explicit PictureOpenDialog(QWidget *parent = nullptr);
  ~PictureOpenDialog() override;

  // The pane's side in pixels.
  static constexpr int kPreviewSide = 160;

 private:
  void ShowPreview(const QString &path);
  void Show(std::uint64_t request, const QImage &image);

  QLabel *preview_;
  // The number of the last highlight; a decode that belongs to an earlier
  // one is skipped or its picture dropped.
  std::atomic<std::uint64_t> request_{0};
  // One thread, waited for before the dialog goes.
  QThreadPool decoder_;
};

}  // namespace qv
