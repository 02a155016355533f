#pragma once

// What an image control shows: nothing, a bitmap, or a graphic of another
// kind (a compressed picture, an icon) that is shown as it is but has no
// pixels the effects could edit. Asking for the bitmap of a picture that
// holds another graphic drops that graphic and puts an empty bitmap in its
// place, so from then on the picture holds a bitmap.

#include <QImage>
#include <QString>
#include <functional>

#include "gfx/Bitmap.h"

namespace qv {

class TPicture {
 public:
  enum class Holds { Nothing, Bitmap, OtherGraphic };

  Holds Content() const { return holds_; }

  // The picture's bitmap, made empty first if the picture held anything
  // else. Writing through the reference fires no change notification; use
  // Assign for that.
  qv::Bitmap &Bitmap();

  // Bitmap := bitmap, then the change notification.
  void Assign(const qv::Bitmap &bitmap);
  void Assign(qv::Bitmap &&bitmap);

  // Holds a graphic of another kind, e.g. a JPEG image ("JPEG") or an icon
  // ("Icon"); the bitmap is dropped. Fires the change notification.
  void SetGraphic(const QImage &image, const QString &kind);
  // Kind and image of the other graphic; empty unless Content() says so.
  const QString &GraphicKind() const { return kind_; }
  const QImage &Graphic() const { return graphic_; }

  // Something to show: the bitmap's pixels or the other graphic. A view of
  // the bitmap's bytes: valid until the bitmap changes.
  QImage View() const;

  // Called after every Assign and SetGraphic, e.g. to repaint the control.
  std::function<void()> OnChange;
  // Fires it, after the bitmap was written through Bitmap().
  void Changed() {
    if (OnChange) OnChange();
  }

 private:
  Holds holds_ = Holds::Nothing;
  qv::Bitmap bitmap_;
  QImage graphic_;
  QString kind_;
};

}  // namespace qv
