// The recovery record: kept exactly while work is unsaved, and enough to
// bring the picture, the history and the modified flag back byte for byte.

#include <algorithm>
#include <filesystem>

#include "SessionFixture.h"

namespace qv::test {
namespace {

constexpr TColor kOrange = RGBColor(255, 128, 0);

class Recovery : public SessionTest {
 protected:
  Recovery() { session->SetRecoveryPath(record); }
  bool Kept() const { return std::filesystem::exists(record); }
  const std::string record = folder / "state/quorvane/recovery.json";
};

TEST_F(Recovery, IsKeptWhileWorkIsUnsaved) {
  OpenPhoto();
  EXPECT_FALSE(Kept());
  Do({1, 3});
  ASSERT_TRUE(Kept());
  EXPECT_EQ(ReadRecovery(record)->Steps.size(), 1u);
  Do({8, 1, {kOrange}, 40});
  const RecoveryRecord written = *ReadRecovery(record);
  ASSERT_EQ(written.Steps.size(), 2u);
  EXPECT_EQ(written.Steps[1], session->Steps().Current().Made);

  session->Save(QString::fromStdString(folder / "saved.png"), PictureFormat::Png, false);
  ASSERT_TRUE(session->FinishSave());
  EXPECT_FALSE(Kept());  // every change is saved
  session->Undo();
  EXPECT_TRUE(Kept());
  EXPECT_EQ(ReadRecovery(record)->SavedPosition, 2);
  session->Redo();
  EXPECT_FALSE(Kept());
  session->Undo();
  session->DropRecovery();  // discarded, or closed normally
  EXPECT_FALSE(Kept());
}

// Opened, three effects (one with a colour, one at 60 %), saved, one more,
// one Undo: a new session restoring the record stands where this one stood.
TEST_F(Recovery, RestoresThePictureTheHistoryAndTheModifiedFlag) {
  OpenPhoto("trip.bmp");
  Do({1, 2});
  Do({10, 4, {kOrange}});
  Do({7, 1, {}, 60});
  const QString saved = QString::fromStdString(folder / "trip-edit.bmp");
  session->Save(saved, PictureFormat::Bmp, false);
  ASSERT_TRUE(session->FinishSave());
  Do({16, 3});
  Do({2, 9});
  session->Undo();
  const RecoveryRecord left = *ReadRecovery(record);

  EditSession restored(assets_->Dir());
  restored.SetRecoveryPath(record);
  restored.Restore(left);
  EXPECT_TRUE(restored.WorkBitmap()->SamePixels(*session->WorkBitmap()));
  EXPECT_EQ(restored.Steps().Count(), session->Steps().Count());
  EXPECT_EQ(restored.Steps().Position(), session->Steps().Position());
  EXPECT_EQ(restored.FilePath(), saved);
  EXPECT_EQ(restored.HistoryNames().mid(1), session->HistoryNames().mid(1));
  EXPECT_TRUE(restored.Modified());
  EXPECT_TRUE(Kept());
  restored.Redo();
  session->Redo();
  EXPECT_TRUE(restored.WorkBitmap()->SamePixels(*session->WorkBitmap()));
  for (int back : {1, 2}) {
    restored.Undo();
    EXPECT_EQ(restored.Modified(), back != 2) << back;  // two back is what was saved
  }
}

// A brushed step's mask lies beside the record, once, for as long as a
// step of the record names it; restored, the steps give the same bytes.
TEST_F(Recovery, KeepsPaintedMasksBesideTheRecord) {
  namespace fs = std::filesystem;
  const fs::path folder = fs::path(record).parent_path();
  auto masks = [&] {
    std::vector<std::string> names;
    for (const auto &entry : fs::directory_iterator(folder))
      if (entry.path().extension() == ".qvmask") names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  };
  OpenPhoto("painted.bmp");
  Do({1, 3, {}, 70, PaintedMask(90, 60)});
  StepMask gradient;
  gradient.Shape = {MaskShape::Form::Linear, 0, 0, kMaskUnit, 0, 0, false};
  Do({2, 1, {}, 100, gradient});
  Do({8, 1, {kOrange}, 100, PaintedMask(90, 60)});
  const std::string first = MaskFileName(*session->Steps().At(1).Made.Mask.Painted);
  ASSERT_EQ(masks(), std::vector<std::string>{first});  // the same mask twice, one file

  EditSession restored(assets_->Dir());
  restored.Restore(*ReadRecovery(record));
  EXPECT_TRUE(restored.WorkBitmap()->SamePixels(*session->WorkBitmap()));
  EXPECT_EQ(restored.Steps().At(3).Made, session->Steps().At(3).Made);
  restored.MoveTo(1);
  session->MoveTo(1);
  EXPECT_TRUE(restored.WorkBitmap()->SamePixels(*session->WorkBitmap()));

  // Undone and replaced, the painted steps go, and so do their masks.
  session->MoveTo(0);
  Do({1, 1});
  EXPECT_TRUE(masks().empty());
  session->Undo();
  Do({1, 1, {}, 100, PaintedMask(90, 60)});
  EXPECT_EQ(masks().size(), 1u);
  session->DropRecovery();
  EXPECT_TRUE(masks().empty());

  // A record whose mask went is damaged, and says which step it was.
  session->MoveTo(0);
  Do({1, 2});
  Do({1, 2, {}, 100, PaintedMask(90, 60)});
  fs::remove(folder / masks().front());
  const std::string message = MessageOf([&] { ReadRecovery(record); });
  EXPECT_EQ(message.rfind("The recovery record is damaged: the mask of step 2", 0), 0u) << message;
}

TEST_F(Recovery, RefusesAPictureThatChangedOrWent) {
  const struct {
    const char *Name;
    void (*Spoil)(const std::string &path);
    const char *Says;
  } cases[] = {
      {"changed", [](const std::string &p) { WriteFileBytes(p, EncodeBmp(Varied(90, 60, 3))); },
       "has changed since"},
      {"gone", [](const std::string &p) { std::filesystem::remove(p); }, "cannot be read"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.Name);
    const std::string photo = OpenPhoto(std::string(c.Name) + ".bmp");
    Do({1, 1});
    const RecoveryRecord left = *ReadRecovery(record);
    c.Spoil(photo);
    EditSession other(assets_->Dir());
    const std::string elsewhere = folder / "elsewhere.bmp";
    WriteFileBytes(elsewhere, EncodeBmp(Varied(30, 20, 5)));
    other.Open(QString::fromStdString(elsewhere));
    const PictureRef before = other.WorkBitmap();
    const std::string message = MessageOf([&] { other.Restore(left); });
    EXPECT_NE(message.find(c.Says), std::string::npos) << message;
    EXPECT_NE(message.find(std::string(c.Name) + ".bmp"), std::string::npos) << message;
    EXPECT_EQ(other.WorkBitmap(), before);
    EXPECT_FALSE(other.CanUndo());
  }
}

TEST_F(Recovery, ADamagedRecordIsSaidToBeDamaged) {
  OpenPhoto();
  Do({1, 1});
  const std::string good = RecoveryText(*ReadRecovery(record));
  EXPECT_EQ(ParseRecovery(good), *ReadRecovery(record));
  for (const std::string &bad : {std::string("{"), good.substr(0, good.size() / 2),
                                 std::string("{\"version\": 9}"), std::string("[]")}) {
    const std::string message = MessageOf([&] { ParseRecovery(bad); });
    EXPECT_EQ(message.rfind("The recovery record is damaged", 0), 0u) << message;
  }
}

}  // namespace
}  // namespace qv::test
