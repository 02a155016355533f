#include "effects/control/ProEffectImage.h"

#include <QPainter>
#include <utility>

#include "effects/FilterTable.h"

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

void TProEffectImage::Run(const char *method, std::initializer_list<int> args) {
  const FilterInfo *filter = FindFilter(method);
  filter->run(picture_.Bitmap(), std::span<const int>(args.begin(), args.size()), *random_);
  picture_.Changed();
}

void TProEffectImage::Effect_Invert() {
  Run("Effect_Invert", {});
}

void TProEffectImage::Effect_AddColorNoise(int Amount) {
  Run("Effect_AddColorNoise", {Amount});
}

void TProEffectImage::Effect_AddMonoNoise(int Amount) {
  Run("Effect_AddMonoNoise", {Amount});
}

void TProEffectImage::Effect_AntiAlias() {
  Run("Effect_AntiAlias", {});
}

void TProEffectImage::Effect_Contrast(int Amount) {
  Run("Effect_Contrast", {Amount});
}

void TProEffectImage::Effect_FishEye(int Amount) {
  Run("Effect_FishEye", {Amount});
}

void TProEffectImage::Effect_GrayScale() {
  Run("Effect_GrayScale", {});
}

void TProEffectImage::Effect_Lightness(int Amount) {
  Run("Effect_Lightness", {Amount});
}

void TProEffectImage::Effect_Darkness(int Amount) {
  Run("Effect_Darkness", {Amount});
}

void TProEffectImage::Effect_Saturation(int Amount) {
  Run("Effect_Saturation", {Amount});
}

void TProEffectImage::Effect_SplitBlur(int Amount) {
  Run("Effect_SplitBlur", {Amount});
}

void TProEffectImage::Effect_GaussianBlur(int Amount) {
  Run("Effect_GaussianBlur", {Amount});
}

void TProEffectImage::Effect_Mosaic(int Size) {
  Run("Effect_Mosaic", {Size});
}

void TProEffectImage::Effect_Twist(int Amount) {
  Run("Effect_Twist", {Amount});
}

void TProEffectImage::Effect_Splitlight(int Amount) {
  Run("Effect_Splitlight", {Amount});
}

void TProEffectImage::Effect_Tile(int Count) {
  Run("Effect_Tile", {Count});
}

void TProEffectImage::Effect_SpotLight(int Amount, qv::Rect Spot) {
  Run("Effect_SpotLight", {Amount, Spot.Left, Spot.Top, Spot.Right, Spot.Bottom});
}

void TProEffectImage::Effect_Trace(int Amount) {
  Run("Effect_Trace", {Amount});
}

void TProEffectImage::Effect_Emboss() {
  Run("Effect_Emboss", {});
}

void TProEffectImage::Effect_Solorize(int Threshold) {
  Run("Effect_Solorize", {Threshold});
}

void TProEffectImage::Effect_Posterize(int Level) {
  Run("Effect_Posterize", {Level});
}

}  // namespace qv
