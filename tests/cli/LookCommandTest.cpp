// look make, look show and apply through the real quorvane-fx: a look is
// exactly the chain of the renders of its steps.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "AssetFixture.h"
#include "CodecTestUtil.h"
#include "RunFx.h"
#include "codecs/Codecs.h"
#include "gfx/ColorText.h"
#include "kernels/Look.h"
#include "kernels/LookMetadata.h"
#include "kernels/Step.h"

namespace qv {
namespace {

namespace fs = std::filesystem;
using test::Outcome;

class LookCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    assets.WriteCompleteSet();
    work = assets.Dir() + "work/";
    fs::create_directories(work);
    WritePicture(work + "in.bmp", test::Varied(64, 40, 9));
  }
  // quorvane-fx with the test's artwork for the commands that render.
  Outcome Fx(const std::string &arguments) const {
    const bool renders = arguments.rfind("look ", 0) != 0 && arguments.rfind("convert ", 0) != 0;
    return test::RunFx(arguments + (renders ? " --assets '" + assets.Dir() + "'" : ""));
  }
  Bytes Read(const std::string &name) const { return ReadFileBytes(work + name); }

  // The render command of one step of the command line's form.
  static std::string RenderOf(const Step &step) {
    std::string command = "render " + EffectName(step) + " ";
    std::string options = " --strength " + std::to_string(step.Strength);
    for (const auto &answer : step.Colors)
      options += answer ? " --color " + ColorText(*answer) : std::string(" --cancel-color");
    return command + "%IN% %OUT%" + options;
  }

  test::AssetRoot assets;
  std::string work;
};

TEST_F(LookCommand, MakeAndShowRoundTrip) {
  const std::string steps = "light-a/3@60 color/1#FF8000 preset/8#-#00FF00 art/10#?";
  Outcome made = Fx("look make " + work + "warm.qvlook " + steps);
  ASSERT_EQ(made.status, 0) << made.output;
  const Outcome shown = Fx("look show " + work + "warm.qvlook");
  ASSERT_EQ(shown.status, 0) << shown.output;
  EXPECT_EQ(shown.output, steps + "\n");
  EXPECT_EQ(ReadLookFile(work + "warm.qvlook").Name, "warm");
  made = Fx("look make " + work + "again.qvlook --name warm " + shown.output);
  ASSERT_EQ(made.status, 0) << made.output;
  EXPECT_EQ(Read("again.qvlook"), Read("warm.qvlook"));
  // A bad step is refused, naming it, and nothing is written.
  made = Fx("look make " + work + "bad.qvlook art/2 glow/1");
  EXPECT_EQ(made.status, 2);
  EXPECT_NE(made.output.find("step 2 (glow/1): there is no effect \"glow\""), std::string::npos)
      << made.output;
  EXPECT_FALSE(fs::exists(work + "bad.qvlook"));
}

// Three looks (colours answered and cancelled, strengths between the ends,
// an art effect, a chain with a preset) against their renders one by one.
TEST_F(LookCommand, ALookIsTheChainOfTheRendersOfItsSteps) {
  const char *looks[] = {
      "light-a/3@60 color/1#FF8000 art/2",
      "preset/8#FF0000#00FF00 edge-a/4@30#-",
      "gradient/2 star/5@75#0000FF color/6 dream-b/1@1",
  };
  for (const char *steps : looks) {
    SCOPED_TRACE(steps);
    ASSERT_EQ(Fx("look make " + work + "l.qvlook " + steps).status, 0);
    const Outcome applied = Fx("apply " + work + "l.qvlook " + work + "in.bmp " + work + "a.bmp");
    ASSERT_EQ(applied.status, 0) << applied.output;
    std::string in = work + "in.bmp";
    int i = 0;
    for (const Step &step : ReadLookFile(work + "l.qvlook").Steps) {
      const std::string out = work + "chain" + std::to_string(++i) + ".bmp";
      std::string command = RenderOf(step);
      command.replace(command.find("%IN%"), 4, in);
      command.replace(command.find("%OUT%"), 5, out);
      const Outcome run = Fx(command);
      ASSERT_EQ(run.status, 0) << command << "\n" << run.output;
      in = out;
    }
    EXPECT_EQ(Read("a.bmp"), ReadFileBytes(in));
  }
}

TEST_F(LookCommand, ApplyTakesTheRenderOptionsAndFolders) {
  ASSERT_EQ(Fx("look make " + work + "open.qvlook light-b/2 color/2#?").status, 0);
  ASSERT_EQ(Fx("render light-b 2 " + work + "in.bmp " + work + "t.bmp").status, 0);
  ASSERT_EQ(Fx("render color 2 " + work + "t.bmp " + work + "want.bmp --color 00FF00").status, 0);
  // The step left open takes --color.
  Outcome run =
      Fx("apply " + work + "open.qvlook " + work + "in.bmp " + work + "got.bmp --color 00FF00");
  ASSERT_EQ(run.status, 0) << run.output;
  EXPECT_EQ(Read("got.bmp"), Read("want.bmp"));
  // Into a folder, every picture alike; a picture that fails does not stop
  // the others, and the status says so.
  WritePicture(work + "second.bmp", test::Varied(64, 40, 9));
  WriteFileBytes(work + "broken.bmp", Bytes{'B', 'M', 1, 2});
  run = Fx("apply " + work + "open.qvlook " + work + "in.bmp " + work + "broken.bmp " + work +
           "second.bmp --out " + work + "out --color 00FF00");
  EXPECT_EQ(run.status, 1) << run.output;
  EXPECT_NE(run.output.find("broken.bmp"), std::string::npos) << run.output;
  EXPECT_EQ(Read("out/in.bmp"), Read("want.bmp"));
  EXPECT_EQ(Read("out/second.bmp"), Read("want.bmp"));
}

// A look's gradient masks travel in its file: apply mixes each step through
// its own, and the look as one step through the look's, as the editor's
// Apply does.
TEST_F(LookCommand, GradientMasksTravelWithTheLook) {
  Step flare;
  flare.Category = 1, flare.Number = 8, flare.Strength = 80;
  flare.Mask.Shape = {MaskShape::Form::Radial, 300'000, 400'000, 500'000, 600'000, 250'000, false};
  Step tint;
  tint.Category = 8, tint.Number = 2;
  tint.Mask.Shape = {MaskShape::Form::Linear, 0, 0, 1'000'000, 500'000, kMaskUnit / 2, true};
  const Look look{"masked", {flare, tint}};
  WriteLookFile(work + "masked.qvlook", look);
  ASSERT_EQ(ReadLookFile(work + "masked.qvlook"), look);
  const Outcome run = Fx("apply " + work + "masked.qvlook " + work + "in.bmp " + work + "got.bmp");
  ASSERT_EQ(run.status, 0) << run.output;

  PictureRef want = Share(ReadPicture(work + "in.bmp"));
  for (const Step &step : look.Steps) want = ApplyStep(step, want, assets.Env());
  EXPECT_TRUE(ReadPicture(work + "got.bmp").SamePixels(*want));
}

TEST_F(LookCommand, ARefusedLookWritesNothing) {
  WriteFileBytes(work + "bad.qvlook", Bytes{'{'});
  const std::string good = R"({"format":"quorvane-look","version":"1.0","name":"n","steps":[)";
  const struct {
    std::string Text, Says;
  } cases[] = {
      {"{", "is not a look: it is no JSON"},
      {good + R"({"effect":"art","number":2},{"effect":"glow","number":1}]})",
       "step 2: there is no effect \"glow\""},
      {R"({"format":"quorvane-look","version":"3.1","name":"n","steps":[]})",
       "is a look of version 3.1, made by a newer Quorvane"},
  };
  for (const auto &c : cases) {
    WriteFileBytes(work + "bad.qvlook", Bytes(c.Text.begin(), c.Text.end()));
    const Outcome run = Fx("apply " + work + "bad.qvlook " + work + "in.bmp " + work + "x.bmp");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.output.find("bad.qvlook: " + c.Says), std::string::npos) << run.output;
    EXPECT_FALSE(fs::exists(work + "x.bmp"));
  }
  EXPECT_EQ(Fx("apply " + work + "missing.qvlook " + work + "in.bmp " + work + "x.bmp").status, 2);
}

// A picture saved by the editor says how it was made; look show prints it,
// and --strip-metadata leaves it out.
TEST_F(LookCommand, ShowReadsThePictureNoteAndStrippingDropsIt) {
  const Look look{"", {ParseStepText("light-a/3@60", 1), ParseStepText("art/2", 2)}};
  const Bitmap picture = test::Varied(64, 40, 9);
  const Metadata meta = WithMadeWith({}, std::nullopt, look.Steps, picture);
  WritePictureFile(work + "made.jpg", picture, meta, {});
  Outcome run = Fx("look show " + work + "made.jpg");
  ASSERT_EQ(run.status, 0) << run.output;
  EXPECT_EQ(run.output, "light-a/3@60 art/2\n");
  ASSERT_EQ(Fx("convert " + work + "made.jpg " + work + "kept.png").status, 0);
  EXPECT_EQ(Fx("look show " + work + "kept.png").output, "light-a/3@60 art/2\n");
  ASSERT_EQ(Fx("convert " + work + "made.jpg " + work + "bare.jpg --strip-metadata").status, 0);
  run = Fx("look show " + work + "bare.jpg");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.output.find("says nothing of how it was made"), std::string::npos) << run.output;
}

}  // namespace
}  // namespace qv
