#pragma once

// TProEffectImage: an image control with twenty-one effect methods. Each
// rewrites the picture the control shows through the filter's entry in the
// filter table (effects/FilterTable.h), which holds its envelope, one of:
//  - in place (Invert, AntiAlias): the kernel runs on the picture's bitmap,
//    then the control repaints;
//  - one working copy: the kernel runs on a copy, which is assigned back;
//  - two working copies S and D: the kernel reads S and writes D, or works
//    on D alone; D is assigned back.
// A copy is assigned back only when its kernel has returned, so an effect
// that throws leaves the picture as it was. A finished effect fires the
// picture's change notification, through which the control repaints. The
// methods take every value, as they always have; the table's ranges are
// for front ends that take a user's values.
//
// The methods are Q_INVOKABLE so that a host can find them by name at run
// time (QMetaObject::indexOfMethod, invokeMethod). Errors of the kernels
// arrive as qv::Error; a host that calls through the meta-object system
// must call only effects that cannot fail, or catch around the call.

#include <QMetaType>
#include <QWidget>
#include <initializer_list>
#include <memory>

#include "effects/Random.h"
#include "effects/control/Picture.h"
#include "gfx/Bitmap.h"

namespace qv {

class TProEffectImage : public QWidget {
  Q_OBJECT
  // Two spare bitmaps, created empty and owned by the control, that its user
  // may reach by name; no effect reads or writes them.
  Q_PROPERTY(qv::Bitmap *BMP READ BMP CONSTANT)
  Q_PROPERTY(qv::Bitmap *Mask READ Mask CONSTANT)

 public:
  explicit TProEffectImage(QWidget *owner = nullptr);
  ~TProEffectImage() override;

  TPicture &Picture() { return picture_; }
  const TPicture &Picture() const { return picture_; }

  qv::Bitmap *BMP() const { return bmp_.get(); }
  qv::Bitmap *Mask() const { return mask_.get(); }

  // The generator the noise effects draw from: the control's own (in its
  // fixed starting state) until a host hands it the program's.
  void SetRandom(qv::RandomGenerator &random) { random_ = &random; }

  // In the order of their declaration, which a host may rely on.
  Q_INVOKABLE void Effect_Invert();
  Q_INVOKABLE void Effect_AddColorNoise(int Amount);
  Q_INVOKABLE void Effect_AddMonoNoise(int Amount);
  Q_INVOKABLE void Effect_AntiAlias();
  Q_INVOKABLE void Effect_Contrast(int Amount);
  Q_INVOKABLE void Effect_FishEye(int Amount);
  Q_INVOKABLE void Effect_GrayScale();
  Q_INVOKABLE void Effect_Lightness(int Amount);
  Q_INVOKABLE void Effect_Darkness(int Amount);
  Q_INVOKABLE void Effect_Saturation(int Amount);
  Q_INVOKABLE void Effect_SplitBlur(int Amount);
  Q_INVOKABLE void Effect_GaussianBlur(int Amount);
  Q_INVOKABLE void Effect_Mosaic(int Size);
  Q_INVOKABLE void Effect_Twist(int Amount);
  Q_INVOKABLE void Effect_Splitlight(int Amount);
  Q_INVOKABLE void Effect_Tile(int Count);
  Q_INVOKABLE void Effect_SpotLight(int Amount, qv::Rect Spot);
  Q_INVOKABLE void Effect_Trace(int Amount);
  Q_INVOKABLE void Effect_Emboss();
  Q_INVOKABLE void Effect_Solorize(int Threshold);
  Q_INVOKABLE void Effect_Posterize(int Level);

 protected:
  // Shows the picture stretched over the control.
  void paintEvent(QPaintEvent *event) override;

 private:
  // Runs the table's filter of this method name on the picture.
  void Run(const char *method, std::initializer_list<int> args);

  TPicture picture_;
  qv::RandomGenerator ownRandom_;
  qv::RandomGenerator *random_ = &ownRandom_;
  std::unique_ptr<qv::Bitmap> bmp_;
  std::unique_ptr<qv::Bitmap> mask_;
};

}  // namespace qv

Q_DECLARE_METATYPE(qv::Rect)
