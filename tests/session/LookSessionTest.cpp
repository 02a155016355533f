// Looks in the editing session: a look made from the steps, put back on
// another photo as one step, the last step again, the user's library of
// looks, and the note a saved picture carries of how it was made.

#include <filesystem>

#include "SessionFixture.h"
#include "kernels/LookMetadata.h"
#include "session/LookLibrary.h"

namespace qv::test {
namespace {

constexpr TColor kOrange = RGBColor(255, 128, 0);

class Looks : public SessionTest {
 protected:
  // The look previewed, then applied at a strength, waiting for its render.
  void ApplyLook(const Look &look, int strength = 100) {
    session->PreviewLook(look);
    ASSERT_TRUE(Settle());
    ASSERT_TRUE(session->CanApply());
    session->Apply(strength);
  }
};

TEST_F(Looks, ALookPutsItsStepsOnAnotherPhotoAsOneStep) {
  OpenPhoto("first.bmp");
  Do({1, 3, {}, 60});
  Do({8, 1, {kOrange}});
  Do({15, 2});
  const Look look = session->CurrentLook("Warm");
  ASSERT_EQ(look.Steps.size(), 3u);
  EXPECT_EQ(look.Steps[1].Colors, std::vector<std::optional<TColor>>{kOrange});

  OpenPhoto("second.bmp", 70, 50);
  PictureRef chain = session->WorkBitmap();
  for (const Step &step : look.Steps) chain = ApplyStep(step, chain, Env());
  ApplyLook(look);
  EXPECT_TRUE(session->WorkBitmap()->SamePixels(*chain));
  EXPECT_EQ(session->Steps().Count(), 2u);
  EXPECT_EQ(session->UndoStepName(), QString("Look Warm"));
  // At a strength, as one step; made again from the steps alone.
  session->Undo();
  ApplyLook(look, 40);
  EXPECT_EQ(session->UndoStepName(), QString("Look Warm, strength 40 %"));
  const PictureRef mixed = session->WorkBitmap();
  EXPECT_TRUE(ApplyStep(session->Steps().Current().Made, session->Steps().At(0).Picture, Env())
                  ->SamePixels(*mixed));
}

// A step left open asks when the look is put on, once; the step then keeps
// the answer, so Undo, Redo and a restore give the same bytes.
TEST_F(Looks, OpenColoursAreAskedOnceAndKept) {
  OpenPhoto();
  Look look{"Ask", {ParseStepText("color/2#?", 1), ParseStepText("light-a/1", 2)}};
  prompt = ScriptedColorPrompt({kOrange});
  ApplyLook(look);
  EXPECT_EQ(prompt.TimesAsked(), 1);
  const Step &kept = session->Steps().Current().Made.LookSteps[0];
  EXPECT_EQ(kept.Colors, std::vector<std::optional<TColor>>{kOrange});
  EXPECT_FALSE(kept.AsksWhenApplied());
  const Bitmap once = *session->WorkBitmap();
  session->Undo();
  session->Redo();
  EXPECT_TRUE(session->WorkBitmap()->SamePixels(once));
  EXPECT_EQ(prompt.TimesAsked(), 1);
}

TEST_F(Looks, TheLastStepAgain) {
  OpenPhoto();
  EXPECT_FALSE(session->CanRepeat());
  Do({1, 4, {}, 70});
  session->RepeatLastStep();
  ASSERT_TRUE(Settle());
  ASSERT_EQ(session->Steps().Count(), 3u);
  EXPECT_EQ(session->Steps().At(2).Made, session->Steps().At(1).Made);
  EXPECT_TRUE(session->WorkBitmap()->SamePixels(
      *ApplyStep(session->Steps().At(1).Made, session->Steps().At(1).Picture, Env())));
}

// Saved, opened again, one more step, saved again: the note holds the steps
// of both in order, and the fingerprint of the first photo's pixels; a
// picture saved without metadata carries none.
TEST_F(Looks, ASavedPictureSaysHowItWasMade) {
  OpenPhoto("trip.bmp");
  const std::string first = PixelsHash(*session->WorkBitmap());
  Do({1, 2, {}, 80});
  Do({8, 1, {kOrange}});
  const std::string once = folder / "once.png";
  session->Save(QString::fromStdString(once), PictureFormat::Png, false);
  ASSERT_TRUE(session->FinishSave());
  auto made = MadeWithOf(ReadPictureFile(once).Meta);
  ASSERT_TRUE(made);
  EXPECT_EQ(made->Steps.Steps, Effects({session->Steps().At(1).Made, session->Steps().At(2).Made}));
  EXPECT_EQ(made->SourcePixels, first);

  session->Open(QString::fromStdString(once));
  ASSERT_TRUE(session->OpenedWith());
  Do({15, 3});
  const std::string twice = folder / "twice.jpg";
  session->Save(QString::fromStdString(twice), PictureFormat::Jpeg, false);
  ASSERT_TRUE(session->FinishSave());
  made = MadeWithOf(ReadPictureFile(twice).Meta);
  ASSERT_TRUE(made);
  ASSERT_EQ(made->Steps.Steps.size(), 3u);
  EXPECT_EQ(made->Steps.Steps[2].Category, 15);
  EXPECT_EQ(made->SourcePixels, first);

  const std::string bare = folder / "bare.jpg";
  session->Save(QString::fromStdString(bare), PictureFormat::Jpeg, false, true);
  ASSERT_TRUE(session->FinishSave());
  EXPECT_FALSE(MadeWithOf(ReadPictureFile(bare).Meta));
  EXPECT_TRUE(ReadPictureFile(bare).Meta.Xmp.empty());
}

TEST_F(Looks, TheLibraryKeepsOneFileALook) {
  LookLibrary library(QString::fromStdString(folder / "looks"));
  const Look warm{"Warm / evening", {ParseStepText("light-a/3", 1)}};
  const QString path = library.Add(warm);
  EXPECT_TRUE(path.endsWith("Warm _ evening.qvlook")) << path.toStdString();
  EXPECT_TRUE(library.Add(warm).endsWith("Warm _ evening 2.qvlook"));
  WriteFileBytes(folder / "looks/broken.qvlook", Bytes{'{'});
  auto looks = library.Looks();
  ASSERT_EQ(looks.size(), 2u);
  ASSERT_EQ(library.Problems().size(), 1);
  EXPECT_TRUE(library.Problems()[0].contains("broken.qvlook: is not a look"));

  const QString renamed = library.Rename(looks[1].Path, "Cool");
  EXPECT_EQ(ReadLookFile(renamed.toStdString()).Name, "Cool");
  library.Remove(renamed);
  const std::string exported = folder / "out.qvlook";
  LookLibrary::Export(warm, QString::fromStdString(exported));
  EXPECT_EQ(ReadLookFile(library.Import(QString::fromStdString(exported)).toStdString()), warm);
  EXPECT_EQ(library.Looks().size(), 2u);
  // Nothing of a look that does not read is taken in.
  EXPECT_NE(MessageOf([&] {
              library.Import(QString::fromStdString(folder / "looks/broken.qvlook"));
            }).find("is not a look"),
            std::string::npos);
  EXPECT_EQ(library.Looks().size(), 2u);
}

}  // namespace
}  // namespace qv::test
