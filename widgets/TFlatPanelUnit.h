#pragma once

#include <QString>
#include <QWidget>

#include "gfx/Color.h"
#include "widgets/ColorMap.h"

namespace qv {

// A container panel drawn flat: a filled background (or the parent's
// picture when Transparent), a one-pixel two-colour frame and an optional
// caption, composed off screen and copied in one step.
class TFlatPanel : public QWidget {
  Q_OBJECT
 public:
  explicit TFlatPanel(QWidget *parent = nullptr);

  bool Transparent() const { return transparent_; }
  void SetTransparent(bool on);
  TColor ColorHighLight() const { return highLight_; }
  void SetColorHighLight(TColor color);
  TColor ColorShadow() const { return shadow_; }
  void SetColorShadow(TColor color);
  // The fill colour; ParentColor follows the parent's button-face colour.
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool on);
  QString Caption() const { return caption_; }
  void SetCaption(const QString &caption);
  // Qt::AlignLeft, Qt::AlignRight or Qt::AlignHCenter (the default).
  Qt::Alignment Alignment() const { return alignment_; }
  void SetAlignment(Qt::Alignment alignment);

  static constexpr TColor kDefaultFrameColor = 0x8396A0;

 protected:
  void paintEvent(QPaintEvent *event) override;
  void changeEvent(QEvent *event) override;

 private:
  bool transparent_ = false;
  TColor highLight_ = kDefaultFrameColor;
  TColor shadow_ = kDefaultFrameColor;
  TColor color_ = clBtnFace;
  bool parentColor_ = true;
  QString caption_;
  Qt::Alignment alignment_ = Qt::AlignHCenter;
};

}  // namespace qv
