// The session as the windows drive it: what a step records, how the history
// walks and stays within its memory, and what a preview may still apply.

#include <QSignalSpy>

#include "SessionFixture.h"
#include "kernels/Categories.h"
#include "kernels/Recipes.h"

namespace qv::test {
namespace {

constexpr TColor kOrange = RGBColor(255, 128, 0), kTeal = RGBColor(0, 128, 128);

StepMask Gradient(MaskShape::Form kind, bool invert = false) {
  StepMask mask;
  mask.Shape = {kind, 200'000, 300'000, 700'000, 600'000, 400'000, invert};
  return mask;
}

// Four users' afternoons: plain effects, colours picked (one question
// cancelled), strengths between the ends, a chain with an art effect, and
// effects kept off parts of the picture by gradients and the brush.
const std::vector<std::vector<Action>> kSessions = {
    {{1, 3}, {10, 2}, {8, 1}},
    {{1, 2, {kOrange}, 60}, {11, 4, {std::nullopt}}, {16, 8, {kOrange, kTeal}, 35}},
    {{15, 4, {}, 0}, {16, 5}, {7, 9, {}, 99}, {8, 6, {}, 1}},
    {{1, 3, {}, 80, Gradient(MaskShape::Form::Linear)},
     {2, 5, {}, 100, PaintedMask(90, 60)},
     {8, 1, {kOrange}, 45, Gradient(MaskShape::Form::Radial, true)}},
};

class Steps : public SessionTest, public ::testing::WithParamInterface<std::size_t> {};

// Each Apply records its step by name, and the step alone makes its picture
// again: the chain of ApplyStep from the opened picture gives every entry's
// bytes, walking back to the start and forward to the end.
TEST_P(Steps, RecordWhatTheUserDidAndReplayToTheSameBytes) {
  OpenPhoto();
  const std::vector<Action> &actions = kSessions[GetParam()];
  std::vector<PictureRef> chain{session->WorkBitmap()};
  for (const Action &action : actions) {
    Do(action);
    const Step &made = session->Steps().Current().Made;
    EXPECT_EQ(made.Category, action.Category);
    EXPECT_EQ(made.Number, action.Number);
    EXPECT_EQ(made.Strength, action.Strength);
    EXPECT_EQ(made.PickedColors, !action.Colors.empty());
    EXPECT_EQ(made.Colors, action.Colors);
    EXPECT_EQ(made.Mask, action.Mask);
    chain.push_back(ApplyStep(made, chain.back(), Env()));
    ASSERT_TRUE(session->WorkBitmap()->SamePixels(*chain.back()));
  }
  EXPECT_TRUE(session->Modified());
  for (std::size_t i = chain.size() - 1; i-- > 0;) {
    session->Undo();
    EXPECT_TRUE(session->WorkBitmap()->SamePixels(*chain[i])) << "back to " << i;
    EXPECT_EQ(session->DisplayPicture(), session->WorkBitmap());
  }
  EXPECT_FALSE(session->Modified());
  for (std::size_t i = 1; i < chain.size(); ++i) {
    session->Redo();
    EXPECT_TRUE(session->WorkBitmap()->SamePixels(*chain[i])) << "forward to " << i;
  }
}

INSTANTIATE_TEST_SUITE_P(FourSessions, Steps, ::testing::Range<std::size_t>(0, kSessions.size()));

// Past its budget the history keeps the opened and the current picture and
// those nearest the current one; Undo to the start and Redo to the end make
// the dropped ones again, byte for byte.
TEST_F(SessionTest, AHistoryOverItsBudgetMakesDroppedPicturesAgain) {
  OpenPhoto("big.bmp", 120, 80);
  const std::size_t picture = session->WorkBitmap()->ByteCount();
  session->SetHistoryBudget(picture * 5 / 2);
  std::vector<PictureRef> chain{session->WorkBitmap()};
  for (int n = 1; n <= 6; ++n) {
    Do({n % 2 ? 1 : 2, n, {}, 50 + n});
    chain.push_back(ApplyStep(session->Steps().Current().Made, chain.back(), Env()));
    EXPECT_LE(session->Steps().Bytes(), std::max(picture * 5 / 2, 2 * picture));
  }
  int dropped = 0;
  for (std::size_t i = 0; i < session->Steps().Count(); ++i) dropped += !session->Steps().Holds(i);
  EXPECT_GE(dropped, 3);
  EXPECT_TRUE(session->Steps().Holds(0) && session->Steps().Holds(6));

  session->MoveTo(0);
  EXPECT_TRUE(session->WorkBitmap()->SamePixels(*chain[0]));
  for (std::size_t i = 1; i < chain.size(); ++i) {
    session->Redo();
    EXPECT_TRUE(session->WorkBitmap()->SamePixels(*chain[i])) << i;
    EXPECT_LE(session->Steps().Bytes(), std::max(picture * 5 / 2, 2 * picture));
  }
  for (std::size_t i = chain.size() - 1; i-- > 0;) {
    ASSERT_TRUE(session->UndoBitmap()->SamePixels(*chain[i])) << i;
    session->Undo();
  }
}

TEST_F(SessionTest, UndoAndRedoSayWhichStepTheyTake) {
  OpenPhoto("named.bmp");
  EXPECT_EQ(session->UndoStepName(), QString());
  Do({1, 3, {}, 90});
  Do({8, 1, {kOrange}});
  Do({16, 8, {std::nullopt, kTeal}});
  Do({1, 3, {}, 80, Gradient(MaskShape::Form::Radial)});
  Do({2, 4, {}, 100, PaintedMask(90, 60)});
  EXPECT_EQ(session->HistoryNames(),
            QStringList({"Opened named.bmp", "Light A 3, strength 90 %", "Color 1, colour #FF8000",
                         "Preset 8, colour #008080", "Light A 3, strength 80 %, masked",
                         "Light B 4, masked"}));
  // A look of these steps keeps the effects; the strokes stay with the photo.
  EXPECT_EQ(session->LookLeavesOut(),
            QString("Brush strokes belong to their photo: the look keeps Light B 4 without them."));
  session->Undo();
  EXPECT_EQ(session->LookLeavesOut(), QString());
  session->Redo();
  session->MoveTo(3);
  EXPECT_EQ(session->UndoStepName(), QString("Preset 8, colour #008080"));
  session->MoveTo(1);
  EXPECT_EQ(session->UndoStepName(), QString("Light A 3, strength 90 %"));
  EXPECT_EQ(session->RedoStepName(), QString("Color 1, colour #FF8000"));
}

// A preview is of the picture it was rendered from: once the working
// picture is another (Undo, Redo, Open), it goes and nothing is applied.
TEST_F(SessionTest, APreviewOfAnotherPictureIsDroppedNotApplied) {
  OpenPhoto();
  Do({1, 1});
  const struct {
    const char *Name;
    std::function<void()> Change;
  } changes[] = {
      {"Undo", [&] { session->Undo(); }},
      {"Redo", [&] { session->Redo(); }},
      {"Open", [&] { OpenPhoto("other.bmp"); }},
  };
  for (const auto &change : changes) {
    SCOPED_TRACE(change.Name);
    session->ChooseCategory(2);
    ASSERT_TRUE(Settle());
    session->PreviewThumbnail(4);
    ASSERT_TRUE(Settle());
    ASSERT_TRUE(session->CanApply());
    QSignalSpy dropped(session.get(), &EditSession::PreviewDropped);
    const std::size_t entries = session->Steps().Count();
    change.Change();
    EXPECT_EQ(dropped.count(), 1);
    EXPECT_FALSE(session->CanApply());
    session->Apply(100);
    EXPECT_LE(session->Steps().Count(), entries);
  }
}

// Line renders nothing at full size in the editor: its preview shows the
// strip's last thumbnail, which is no picture to commit.
TEST_F(SessionTest, ALinePreviewHasNothingToApply) {
  OpenPhoto();
  session->ChooseCategory(14);
  ASSERT_TRUE(Settle());
  QSignalSpy ready(session.get(), &EditSession::PreviewReady);
  session->PreviewThumbnail(3);
  ASSERT_TRUE(Settle());
  ASSERT_EQ(ready.count(), 1);
  EXPECT_EQ(ready[0][0].value<PictureRef>(), session->ResultBitmap());
  EXPECT_FALSE(session->CanApply());
  session->Apply(100);
  EXPECT_FALSE(session->CanUndo());
}

// A uniform picture is worked on as white, the display keeps it as opened.
TEST_F(SessionTest, APictureOfOneColourIsWorkedOnAsWhite) {
  const std::string path = folder / "plain.bmp";
  WriteFileBytes(path, EncodeBmp(Uniform(40, 30, RGBColor(20, 60, 200))));
  session->Open(QString::fromStdString(path));
  EXPECT_TRUE(AllPixels(*session->WorkBitmap(), clWhite));
  EXPECT_TRUE(AllPixels(*session->DisplayPicture(), RGBColor(20, 60, 200)));
  EXPECT_TRUE(session->Record().Whitened);
}

}  // namespace
}  // namespace qv::test
