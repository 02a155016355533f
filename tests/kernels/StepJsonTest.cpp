// Steps as JSON: what is written reads back as the same step, and every
// kind of bad step is refused with its position and what is wrong.

#include <gtest/gtest.h>

#include "CodecTestUtil.h"
#include "gfx/ColorText.h"
#include "kernels/StepJson.h"

namespace qv {
namespace {

using nlohmann::json;

Step Made(int category, int number, int strength, std::vector<std::optional<TColor>> colors = {},
          bool picked = false, TColor brush = clWhite) {
  Step step;
  step.Category = category;
  step.Number = number;
  step.Strength = strength;
  step.Colors = std::move(colors);
  step.PickedColors = picked || !step.Colors.empty();
  step.Brush = brush;
  return step;
}

TEST(StepJson, WrittenStepsReadBackAsTheyWere) {
  const Step steps[] = {
      Made(1, 3, 100),
      Made(16, 8, 35, {RGBColor(255, 128, 0), std::nullopt}, true, RGBColor(1, 2, 3)),
      Made(10, 10, 0, {}, true),
      Made(15, 1, 99),
  };
  for (const Step &step : steps) EXPECT_EQ(StepFromJson(StepToJson(step), 1), step);
  // Masks: a gradient's numbers relative to the picture, as decimals.
  Step linear = Made(1, 3, 80), radial = Made(2, 1, 100), nothing = Made(3, 2, 50);
  linear.Mask.Shape = {MaskShape::Form::Linear, 250'000, 0, 333'333, 2'000'000, 500'000, false};
  radial.Mask.Shape = {MaskShape::Form::Radial, -1'000'000, 500'000, 1, 2'000'000, 0, true};
  nothing.Mask.Shape.Invert = true;
  for (const Step &step : {linear, radial, nothing})
    EXPECT_EQ(StepFromJson(json::parse(StepToJson(step).dump()), 1), step);
  EXPECT_EQ(StepToJson(linear)["mask"].dump(),
            R"({"invert":false,"linear":[0.25,0.0,0.333333,2.0]})");
  EXPECT_EQ(StepToJson(nothing)["mask"].dump(), R"({"invert":true})");
  // A painted mask stays out: the strokes belong to their photo.
  Step brushed = linear;
  brushed.Mask.Painted = std::make_shared<const PackedMask>(
      PackedMask::Pack(4, 4, [](int, int, std::uint8_t *rows) { std::fill_n(rows, 16, 7); }));
  EXPECT_EQ(StepToJson(brushed), StepToJson(linear));
  EXPECT_EQ(StepToJson(steps[1]).dump(),
            R"({"brush":"010203","colors":["FF8000",null],"effect":"preset","number":8,)"
            R"("strength":35})");
  // Left out: full strength, no colours asked; unknown keys are ignored.
  EXPECT_EQ(StepFromJson(json::parse(R"({"effect":"LIGHT-A","number":2,"later":[1]})"), 1),
            Made(1, 2, 100));
}

TEST(StepJson, BadStepsAreRefusedWithWhatIsWrong) {
  const struct {
    const char *Text, *Message;
  } cases[] = {
      {R"([1])", "step 4: is not an object"},
      {R"({"number":1})", "step 4: names no effect"},
      {R"({"effect":"sparkle","number":1})", "step 4: there is no effect \"sparkle\""},
      {R"({"effect":"3","number":1})", "step 4: there is no effect \"3\""},
      {R"({"effect":"art","number":11})", "step 4: art has no effect 11 (it has 1 to 10)"},
      {R"({"effect":"art","number":0})", "step 4: art has no effect 0 (it has 1 to 10)"},
      {R"({"effect":"art","number":"2"})", "step 4: \"number\" is not a whole number"},
      {R"({"effect":"art","number":2,"strength":101})",
       "step 4: the strength 101 is outside 0 to 100"},
      {R"({"effect":"art","number":2,"strength":-1})",
       "step 4: the strength -1 is outside 0 to 100"},
      {R"({"effect":"art","number":2,"strength":1e30})",
       "step 4: \"strength\" is not a whole number"},
      {R"({"effect":"art","number":2,"colors":"FF0000"})", "step 4: \"colors\" is not a list"},
      {R"({"effect":"art","number":2,"colors":["FF00"]})",
       "step 4: the colour \"FF00\" is not RRGGBB"},
      {R"({"effect":"art","number":2,"colors":["GG0000"]})",
       "step 4: the colour \"GG0000\" is not RRGGBB"},
      {R"({"effect":"art","number":2,"colors":[16711680]})",
       "step 4: a colour is not written as RRGGBB"},
      {R"({"effect":"art","number":2,"mask":[0,0,1,1]})", "step 4: \"mask\" is not an object"},
      {R"({"effect":"art","number":2,"mask":{"linear":[0,0,1]}})",
       "step 4: the mask's \"linear\" is not four numbers"},
      {R"({"effect":"art","number":2,"mask":{"linear":[0,0,1,2.5]}})",
       "step 4: the mask's points must be -1 to 2"},
      {R"({"effect":"art","number":2,"mask":{"linear":[0.5,0.5,0.5,0.5]}})",
       "step 4: the mask's two points are the same"},
      {R"({"effect":"art","number":2,"mask":{"radial":[0.5,0.5,0,0.2]}})",
       "step 4: the mask's radii must be above 0 and at most 2"},
      {R"({"effect":"art","number":2,"mask":{"radial":[0.5,0.5,0.2,0.2],"feather":2}})",
       "step 4: the mask's feather must be 0 to 1"},
      {R"({"effect":"art","number":2,"mask":{"linear":[0,0,1,1],"radial":[0,0,1,1]}})",
       "step 4: the mask is both linear and radial"},
      {R"({"effect":"art","number":2,"mask":{"invert":1}})",
       "step 4: the mask's \"invert\" is not true or false"},
  };
  for (const auto &c : cases)
    EXPECT_EQ(test::MessageOf([&] { StepFromJson(json::parse(c.Text), 4); }), c.Message) << c.Text;
}

TEST(ColorText, SixHexDigitsRedFirst) {
  EXPECT_EQ(ColorText(RGBColor(255, 128, 0)), "FF8000");
  EXPECT_EQ(ParseColorText("ff8000"), RGBColor(255, 128, 0));
  for (const char *bad : {"", "FF800", "FF80000", "FF80 0", "#FF8000", "FFGG00"})
    EXPECT_EQ(ParseColorText(bad), std::nullopt) << bad;
}

}  // namespace
}  // namespace qv
