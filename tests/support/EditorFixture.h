#pragma once

// A main window over a throw-away program folder: a sample picture and a
// complete set of small synthetic assets, dialogs scripted.

#include <memory>
#include <utility>
#include <vector>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QPushButton>
#include <QThread>

#include "AssetFixture.h"
#include "ScriptedDialogs.h"
#include "app/Unit1.h"
#include "codecs/Codecs.h"
#include "kernels/Categories.h"
#include "kernels/Recipes.h"
#include "kernels/ThumbnailPicture.h"

namespace qv::test {

// Lets the window's render thread finish and its results reach the window;
// false if it is still busy after a minute.
inline bool Settle(TFormMain &form) {
  QDeadlineTimer deadline(60000);
  while (form.Rendering() && !deadline.hasExpired()) {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    QThread::msleep(1);
  }
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  return !form.Rendering();
}

// Applies effect n of the category as a user would, through the strip and
// the preview, at the strength given; false when no render could be applied.
inline bool ApplyEffect(TFormMain &form, int category, int n, int strength = 100) {
  form.CategoryClick(category);
  if (!Settle(form)) return false;
  form.ImgViewNClick(n);
  if (!Settle(form) || !form.Session().CanApply()) return false;
  form.ApplyPreview(strength);
  return true;
}

inline Bitmap Squeezed(const Bitmap &picture) {
  Bitmap thumb(kThumbnailSide, kThumbnailSide);
  thumb.StretchDraw({0, 0, kThumbnailSide, kThumbnailSide}, picture);
  return thumb;
}

// One asset folder for the whole run: writing a hundred files per test
// costs more than the tests themselves.
inline AssetRoot &SharedAssets() {
  static AssetRoot root;
  static const bool written = (root.WriteCompleteSet(), true);
  (void)written;
  return root;
}

class Editor {
 public:
  // The sample is a varied picture of the given size; the strip is made in
  // the style given (the preferences say so when the window starts).
  explicit Editor(int width = 96, int height = 72, ThumbnailStyle style = ThumbnailStyle::Fitted)
      : assets(SharedAssets()) {
    WriteFileBytes(assets.Dir() + "pic/sample.jpg", EncodeJpeg(Varied(width, height, 5), 90));
    Preferences preferences;
    preferences.Thumbnails = style;
    preferences.Save();
    form = std::make_unique<TFormMain>(dialogs, QString::fromStdString(assets.Dir()),
                                       QSize(1280, 1024));
  }

  // Puts back the assets a test removed, and the preferences.
  ~Editor() {
    form.reset();
    Preferences().Save();
    for (const auto &[path, bytes] : removed_) {
      QFile file(path);
      if (file.open(QIODevice::WriteOnly)) file.write(bytes);
    }
  }
  Editor(const Editor &) = delete;
  Editor &operator=(const Editor &) = delete;

  TFormMain &operator*() { return *form; }
  TFormMain *operator->() { return form.get(); }

  // Presses the category's own button (Line's is hidden but still clicks)
  // and waits for the strip.
  void Choose(int id) {
    auto *button =
        form->findChild<QPushButton *>(QString::fromLatin1(FindCategory(id)->ButtonName));
    button->click();
    Settle();
  }

  // Waits for the render thread; see test::Settle.
  bool Settle() { return test::Settle(*form); }

  void RemoveAsset(const char *folder, int n) {
    const QString path =
        QString::fromStdString(assets.Dir() + "pic/" + folder + "/" + std::to_string(n) + ".ssl");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return;
    removed_.emplace_back(path, file.readAll());
    file.close();
    QFile::remove(path);
  }

  // The picture the strip renders on for the current working picture: the
  // classic square, or the picture fitted into the session's cell.
  Bitmap ThumbSource() {
    const EditSession &session = form->Session();
    if (session.ThumbnailsStyle() == ThumbnailStyle::Classic)
      return Squeezed(*session.WorkBitmap());
    return FittedThumbnail(*session.WorkBitmap(), session.ThumbnailCell().Width,
                           session.ThumbnailCell().Height);
  }

  // What recipe (id, n) gives on the current working picture: a thumbnail
  // (see ThumbSource), or the full-size render.
  Bitmap Expected(int id, int n, RenderSize size, ColorPrompt *prompt = nullptr) {
    const Bitmap source =
        size == RenderSize::Thumbnail ? ThumbSource() : *form->Session().WorkBitmap();
    Bitmap result;
    RenderRecipe(id, n, source, result, assets.Env(prompt), size);
    return result;
  }

  AssetRoot &assets;
  ScriptedDialogs dialogs;
  std::unique_ptr<TFormMain> form;

 private:
  std::vector<std::pair<QString, QByteArray>> removed_;
};

}  // namespace qv::test
