#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace qv {

class TFlatPanel;
class TImage;

// The preview dialog: shows a full-size render and offers Apply, Cancel
// and Change Color. Modeless; created hidden with the main window.
class TFormPreview : public QWidget {
  Q_OBJECT
 public:
  explicit TFormPreview(QWidget *parent = nullptr);

  TFlatPanel *Panel1;
  TImage *ImgPreview;
  QLabel *Label1;  // "PROCESSING---"
  QLabel *Label2;  // "Wait seconds"
  QPushButton *BtnApply;
  QPushButton *BtnCancel;
  QPushButton *BtnColor;
};

}  // namespace qv
