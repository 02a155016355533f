#include "widgets/TFlatPanelUnit.h"

#include <QEvent>
#include <QImage>
#include <QPainter>

#include "widgets/FlatUtilitys.h"

namespace qv {

TFlatPanel::TFlatPanel(QWidget *parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setGeometry(0, 0, 185, 41);
}

void TFlatPanel::SetTransparent(bool on) {
  transparent_ = on;
  update();
}

void TFlatPanel::SetColorHighLight(TColor color) {
  highLight_ = color;
  update();
}

void TFlatPanel::SetColorShadow(TColor color) {
  shadow_ = color;
  update();
}

void TFlatPanel::SetColor(TColor color) {
  color_ = color;
  parentColor_ = false;
  update();
}

void TFlatPanel::SetParentColor(bool on) {
  parentColor_ = on;
  if (on) color_ = clBtnFace;
  update();
}

void TFlatPanel::SetCaption(const QString &caption) {
  caption_ = caption;
  update();
}

void TFlatPanel::SetAlignment(Qt::Alignment alignment) {
  alignment_ = alignment & Qt::AlignHorizontal_Mask;
  update();
}

void TFlatPanel::changeEvent(QEvent *event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::EnabledChange || event->type() == QEvent::FontChange) update();
}

void TFlatPanel::paintEvent(QPaintEvent *) {
  const QRect client = rect();
  if (client.isEmpty()) return;
  // Composed whole off screen, so the panel never shows half drawn.
  QImage canvas(client.size(), QImage::Format_RGB32);
  canvas.fill(Qt::black);
  {
    QPainter p(&canvas);
    if (transparent_)
      PaintParentBackdrop(this, p);
    else
      p.fillRect(client, ColorToQColor(color_, palette()));
    PaintFlatFrame(p, client, ColorToQColor(highLight_, palette()),
                   ColorToQColor(shadow_, palette()), 1);
    if (!caption_.isEmpty()) {
      p.setFont(font());
      const int flags = int(alignment_) | Qt::AlignVCenter | Qt::TextSingleLine;
      if (isEnabled()) {
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(client, flags, caption_);
      } else {
        // Engraved: a highlight copy one pixel down and right, the shadow on top.
        p.setPen(ColorToQColor(clBtnHighlight, palette()));
        p.drawText(client.translated(1, 1), flags, caption_);
        p.setPen(ColorToQColor(clBtnShadow, palette()));
        p.drawText(client, flags, caption_);
      }
    }
  }
  QPainter screen(this);
  screen.drawImage(0, 0, canvas);
}

}  // namespace qv
