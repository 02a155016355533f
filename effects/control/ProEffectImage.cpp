#include "effects/control/ProEffectImage.h"

#include <QPainter>
#include <utility>

#include "effects/Filters.h"

namespace qv {

TProEffectImage::TProEffectImage(QWidget *owner)
    : QWidget(owner), bmp_(std::make_unique<qv::Bitmap>()), mask_(std::make_unique<qv::Bitmap>()) {
  picture_.OnChange = [this] { update(); };
}

TProEffectImage::~TProEffectImage() {
  bmp_.reset();
  mask_.reset();
}

void TProEffectImage::paintEvent(QPaintEvent *) {
  const QImage view = picture_.View();
  if (view.isNull()) return;
  QPainter painter(this);
  painter.drawImage(rect(), view);
}

template <class Kernel>
void TProEffectImage::InPlace(Kernel kernel) {
  kernel(picture_.Bitmap());
  update();
}

template <class Kernel>
void TProEffectImage::OneCopy(Kernel kernel) {
  qv::Bitmap t(picture_.Bitmap());
  kernel(t);
  picture_.Assign(std::move(t));
}

template <class Kernel>
void TProEffectImage::TwoCopies(Kernel kernel) {
  const qv::Bitmap s(picture_.Bitmap());
  qv::Bitmap d(s);
  kernel(s, d);
  picture_.Assign(std::move(d));
}

void TProEffectImage::Effect_Invert() {
  InPlace([](qv::Bitmap &b) { ApplyInvert(b); });
}

void TProEffectImage::Effect_AddColorNoise(int Amount) {
  OneCopy([=](qv::Bitmap &t) { ApplyColorNoise(t, Amount); });
}

void TProEffectImage::Effect_AddMonoNoise(int Amount) {
  OneCopy([=](qv::Bitmap &t) { ApplyMonoNoise(t, Amount); });
}

void TProEffectImage::Effect_AntiAlias() {
  InPlace([](qv::Bitmap &b) { ApplyAntiAlias(b); });
}

void TProEffectImage::Effect_Contrast(int Amount) {
  OneCopy([=](qv::Bitmap &t) { ApplyContrast(t, Amount); });
}

void TProEffectImage::Effect_FishEye(int Amount) {
  TwoCopies([=](const qv::Bitmap &s, qv::Bitmap &d) { ApplyFishEye(s, d, Amount); });
}

void TProEffectImage::Effect_GrayScale() {
  OneCopy([](qv::Bitmap &t) { ApplyGrayScale(t); });
}

void TProEffectImage::Effect_Lightness(int Amount) {
  OneCopy([=](qv::Bitmap &t) { ApplyLightness(t, Amount); });
}

void TProEffectImage::Effect_Darkness(int Amount) {
  OneCopy([=](qv::Bitmap &t) { ApplyDarkness(t, Amount); });
}

void TProEffectImage::Effect_Saturation(int Amount) {
  OneCopy([=](qv::Bitmap &t) { ApplySaturation(t, Amount); });
}

void TProEffectImage::Effect_SplitBlur(int Amount) {
  OneCopy([=](qv::Bitmap &t) { ApplySplitBlur(t, Amount); });
}

void TProEffectImage::Effect_GaussianBlur(int Amount) {
  OneCopy([=](qv::Bitmap &t) { ApplyGaussianBlur(t, Amount); });
}

void TProEffectImage::Effect_Mosaic(int Size) {
  OneCopy([=](qv::Bitmap &t) { ApplyMosaic(t, Size); });
}

void TProEffectImage::Effect_Twist(int Amount) {
  TwoCopies([=](const qv::Bitmap &s, qv::Bitmap &d) { ApplyTwist(s, d, Amount); });
}

void TProEffectImage::Effect_Splitlight(int Amount) {
  OneCopy([=](qv::Bitmap &t) { ApplySplitlight(t, Amount); });
}

void TProEffectImage::Effect_Tile(int Count) {
  TwoCopies([=](const qv::Bitmap &s, qv::Bitmap &d) { ApplyTile(s, d, Count); });
}

void TProEffectImage::Effect_SpotLight(int Amount, qv::Rect Spot) {
  TwoCopies([=](const qv::Bitmap &, qv::Bitmap &d) { ApplySpotLight(d, Amount, Spot); });
}

void TProEffectImage::Effect_Trace(int Amount) {
  TwoCopies([=](const qv::Bitmap &, qv::Bitmap &d) { ApplyTrace(d, Amount); });
}

void TProEffectImage::Effect_Emboss() {
  TwoCopies([](const qv::Bitmap &, qv::Bitmap &d) { ApplyEmboss(d); });
}

void TProEffectImage::Effect_Solorize(int Threshold) {
  TwoCopies([=](const qv::Bitmap &s, qv::Bitmap &d) { ApplySolorize(s, d, Threshold); });
}

void TProEffectImage::Effect_Posterize(int Level) {
  TwoCopies([=](const qv::Bitmap &s, qv::Bitmap &d) { ApplyPosterize(s, d, Level); });
}

}  // namespace qv
