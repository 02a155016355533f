#include "browser/ThumbnailStrip.h"

#include <QLabel>
#include <QWidget>

#include "widgets/Image.h"

namespace qv {

namespace {

struct ThumbPlace {
  int ViewLeft, ViewTop, LabelLeft, LabelTop;
};
constexpr std::array<ThumbPlace, kThumbnailCount> kThumbPlaces{{
    {8, 8, 48, 120},
    {120, 8, 152, 120},
    {240, 8, 280, 120},
    {352, 8, 384, 120},
    {469, 8, 512, 120},
    {8, 144, 40, 256},
    {120, 144, 152, 256},
    {240, 144, 272, 256},
    {352, 144, 392, 256},
    {469, 144, 504, 256},
}};

}  // namespace

void ThumbnailStrip::Show(int n, PictureRef picture, bool paintNow) {
  ImgView[std::size_t(n)]->SetPicture(std::move(picture));
  ImgView[std::size_t(n)]->show();
  Label[std::size_t(n)]->show();
  if (paintNow) Panel->repaint();
}

void ThumbnailStrip::HideAll() {
  for (int n = 1; n <= kThumbnailCount; ++n) ImgView[std::size_t(n)]->hide();
  for (int n = 1; n <= kThumbnailCount; ++n) Label[std::size_t(n)]->hide();
}

bool ThumbnailStrip::AllHidden() const {
  for (int n = 1; n <= kThumbnailCount; ++n)
    if (!ImgView[std::size_t(n)]->isHidden() || !Label[std::size_t(n)]->isHidden()) return false;
  return true;
}

ThumbnailStrip MakeThumbnailStrip(QWidget *panel, const QString &hint,
                                  const std::function<void(int n)> &click) {
  ThumbnailStrip strip;
  strip.Panel = panel;
  for (int n = 1; n <= kThumbnailCount; ++n) {
    const ThumbPlace &place = kThumbPlaces[std::size_t(n - 1)];
    auto *view = new TImage(panel);
    view->setObjectName(QStringLiteral("ImgView%1").arg(n));
    view->setGeometry(place.ViewLeft, place.ViewTop, kThumbnailSide, kThumbnailSide);
    view->SetStretch(true);
    view->setToolTip(hint);
    view->hide();
    QObject::connect(view, &TImage::Click, panel, [click, n] { click(n); });
    strip.ImgView[std::size_t(n)] = view;

    auto *label = new QLabel(QString::number(n), panel);
    label->setObjectName(QStringLiteral("Label%1").arg(n));
    label->move(place.LabelLeft, place.LabelTop);
    label->adjustSize();
    label->hide();
    strip.Label[std::size_t(n)] = label;
  }
  return strip;
}

}  // namespace qv
