#pragma once

// A session over a throw-away program folder (a complete set of small
// synthetic assets) and a photo of its own, driven as the windows drive it.

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

#include "AssetFixture.h"
#include "CodecTestUtil.h"
#include "kernels/ScriptedColorPrompt.h"
#include "session/EditSession.h"

namespace qv::test {

// What a user does to make one step: an effect, the colours given to
// "Change Color" (none: not pressed), the strength of the Apply and the
// mask painted or drawn in the preview.
struct Action {
  int Category, Number;
  std::vector<std::optional<TColor>> Colors = {};
  int Strength = 100;
  StepMask Mask = {};
};

// A mask painted on a picture of width x height: stripes of every value.
inline StepMask PaintedMask(int width, int height) {
  StepMask mask;
  mask.Painted = std::make_shared<const PackedMask>(
      PackedMask::Pack(width, height, [width](int first, int last, std::uint8_t *rows) {
        for (int y = first; y < last; ++y)
          for (int x = 0; x < width; ++x) *rows++ = std::uint8_t((x * 9 + y * 4) & 255);
      }));
  return mask;
}

class SessionTest : public ::testing::Test {
 protected:
  SessionTest() {
    if (!assets_) {
      assets_ = new AssetRoot;
      assets_->WriteCompleteSet();
    }
    session = std::make_unique<EditSession>(assets_->Dir());
    session->SetColorPrompt(&prompt);
  }

  // Lets the render thread finish and its results arrive.
  bool Settle() {
    QDeadlineTimer deadline(60000);
    while (session->Rendering() && !deadline.hasExpired()) {
      QCoreApplication::processEvents(QEventLoop::AllEvents);
      QThread::msleep(1);
    }
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    return !session->Rendering();
  }

  // A photo of this test's own, opened.
  std::string OpenPhoto(const std::string &name = "photo.bmp", int width = 90, int height = 60) {
    const std::string path = folder / name;
    WriteFileBytes(path, EncodeBmp(Varied(width, height, 17)));
    session->Open(QString::fromStdString(path));
    return path;
  }

  // The action as a user does it: the category, its thumbnail, Change Color
  // where it gives colours, then Apply.
  void Do(const Action &action) {
    session->ChooseCategory(action.Category);
    ASSERT_TRUE(Settle());
    session->PreviewThumbnail(action.Number);
    ASSERT_TRUE(Settle());
    if (!action.Colors.empty()) {
      prompt = ScriptedColorPrompt(action.Colors);
      session->PreviewWithPickedColors();
      ASSERT_TRUE(Settle());
    }
    ASSERT_TRUE(session->CanApply());
    session->Apply(action.Strength, action.Mask);
  }

  KernelEnv Env() const { return assets_->Env(); }

  static AssetRoot *assets_;
  TempFolder folder;
  ScriptedColorPrompt prompt;
  std::unique_ptr<EditSession> session;
};

inline AssetRoot *SessionTest::assets_ = nullptr;

}  // namespace qv::test
