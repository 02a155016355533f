#pragma once

// The strip of ten numbered thumbnails in FlatPanel2: ImgView1 to ImgView10
// with their labels Label1 to Label10, in the classic places or fitted to
// the panel (browser/StripGrid.h).
//
// The strip is worked from the keyboard as well: the arrow keys move among
// the thumbnails shown (Home and End to the first and the last), Enter or
// Space opens the focused one, the digits 1 to 9 and 0 open thumbnails 1 to
// 10. Tab enters the strip at the thumbnail focused last and leaves it with
// the next Tab; the focused thumbnail wears a frame.

#include <array>

#include <QObject>
#include <QString>

#include "browser/StripGrid.h"
#include "gfx/PictureRef.h"
#include "kernels/Categories.h"
#include "kernels/ThumbnailPicture.h"

class QLabel;
class QWidget;

namespace qv {

class TImage;

class ThumbnailStrip : public QObject {
  Q_OBJECT
 public:
  // Makes the ten thumbnails and their labels in `panel`, all hidden.
  ThumbnailStrip(QWidget *panel, const QString &hint);

  QWidget *Panel = nullptr;
  // Indexed 1 to 10, like their names.
  std::array<TImage *, kThumbnailCount + 1> ImgView{};
  std::array<QLabel *, kThumbnailCount + 1> Label{};

  void SetStyle(ThumbnailStyle style);
  ThumbnailStyle Style() const { return style_; }
  // Lays the cells out for the panel's size and a picture of this shape,
  // and puts the thumbnails shown into them. Returns the size of a cell in
  // device pixels, the size to render the thumbnails at.
  PixelSize LayOut(int pictureWidth, int pictureHeight);
  const StripGrid &Grid() const { return grid_; }

  // Puts the picture into thumbnail n and shows it with its number; with
  // paintNow the strip repaints at once, so each thumbnail appears as it is
  // rendered.
  void Show(int n, PictureRef picture, bool paintNow);
  // Hides the thumbnails, then their numbers.
  void HideAll();
  bool AllHidden() const;

  // Names the thumbnails after the effects of a category: tooltips "Light
  // A 3", accessible names "Light A, effect 3".
  void NameAfter(const QString &caption);
  // The keyboard focus goes to thumbnail 1 when it next arrives (a category
  // was chosen).
  void FocusFirstWhenShown() { focusFirst_ = true; }
  // The thumbnail Tab enters the strip at.
  int Current() const { return current_; }

 signals:
  // Thumbnail n clicked, or opened from the keyboard.
  void Chosen(int n);

 protected:
  bool eventFilter(QObject *watched, QEvent *event) override;

 private:
  void Place(int n);
  void SetCurrent(int n);
  // Focuses thumbnail n if it is shown; false when it is not.
  bool FocusOn(int n);
  bool KeyPressed(int n, int key);

  ThumbnailStyle style_ = ThumbnailStyle::Fitted;
  StripGrid grid_ = ClassicGrid();
  int current_ = 1;
  bool focusFirst_ = false;
};

}  // namespace qv
