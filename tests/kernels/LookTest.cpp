// Look files and steps written on the command line: what is written reads
// back as it was, and everything a look must not be is refused, naming the
// step and the fault, before anything of it is applied.

#include <gtest/gtest.h>

#include "CodecTestUtil.h"
#include "kernels/Categories.h"
#include "kernels/Look.h"

namespace qv {
namespace {

// The names looks and command lines have used since looks exist. A name may
// be added, and a renamed category keeps its old name as an alias, but none
// of these may ever stop meaning its category.
constexpr std::pair<const char *, int> kPublishedNames[] = {
    {"light-a", 1},  {"light-b", 2}, {"light-c", 3},  {"star", 4},
    {"amazing", 5},  {"weather", 6}, {"gradient", 7}, {"color", 8},
    {"texture", 9},  {"edge-a", 10}, {"edge-b", 11},  {"dream-a", 12},
    {"dream-b", 13}, {"line", 14},   {"art", 15},     {"preset", 16},
};

TEST(Look, PublishedNamesKeepTheirCategories) {
  for (const auto &[name, id] : kPublishedNames) {
    const Category *category = FindCategory(name);
    ASSERT_NE(category, nullptr) << name << " disappeared";
    EXPECT_EQ(category->Id, id) << name;
    EXPECT_EQ(ParseStepText(std::string(name) + "/1", 1).Category, id) << name;
  }
  // An alias means its own category and no other's name.
  for (const Category &category : Categories())
    for (const char *alias : category.Aliases) {
      EXPECT_EQ(FindCategory(alias), &category) << alias;
      for (const Category &other : Categories()) EXPECT_STRNE(alias, other.Name);
    }
}

TEST(Look, StepsAsTextRoundTrip) {
  const char *texts[] = {"light-a/3",         "light-a/3@60",        "color/1#FF8000",
                         "preset/8#FF0000#-", "edge-a/2@0#-!00FF00", "art/10#?",
                         "dream-b/10@100"};
  const char *shown[] = {"light-a/3",         "light-a/3@60",        "color/1#FF8000",
                         "preset/8#FF0000#-", "edge-a/2@0#-!00FF00", "art/10#?",
                         "dream-b/10"};
  for (std::size_t i = 0; i < std::size(texts); ++i) {
    const Step step = ParseStepText(texts[i], 1);
    EXPECT_EQ(StepText(step), shown[i]);
    EXPECT_EQ(ParseStepText(StepText(step), 1), step) << texts[i];
  }
  const Step asks = ParseStepText("art/10#?", 1);
  EXPECT_TRUE(asks.AsksWhenApplied());
  EXPECT_EQ(ParseStepText("LIGHT-A/3", 1).Category, 1);
}

TEST(Look, BadStepTextsAreRefused) {
  const struct {
    const char *Text, *Says;
  } cases[] = {
      {"light-a", "step 2 (light-a): write it as CATEGORY/N[@STRENGTH][#RRGGBB...]"},
      {"sparkle/1", "step 2 (sparkle/1): there is no effect \"sparkle\" (see 'quorvane-fx list')"},
      {"1/1", "step 2 (1/1): there is no effect \"1\""},
      {"art/11", "step 2 (art/11): art has no effect 11 (it has 1 to 10)"},
      {"art/", "step 2 (art/): no effect number where one belongs"},
      {"art/2@101", "step 2 (art/2@101): the strength 101 is outside 0 to 100"},
      {"art/2@", "step 2 (art/2@): no strength where one belongs"},
      {"color/1#FF80", "step 2 (color/1#FF80): \"#FF80\" is no colour; write it as #RRGGBB"},
      {"color/1x", "step 2 (color/1x): \"x\" is no colour"},
      {"color/1#?#FF0000", "step 2 (color/1#?#FF0000): #? leaves the colours open"},
  };
  for (const auto &c : cases) {
    const std::string message = test::MessageOf([&] { ParseStepText(c.Text, 2); });
    EXPECT_EQ(message.rfind(c.Says, 0), 0u) << message;
  }
}

Look Sample() {
  return {"Warm evening",
          {ParseStepText("light-a/3@60", 1), ParseStepText("color/1#FF8000", 2),
           ParseStepText("preset/8#-#00FF00!102030", 3), ParseStepText("art/10#?", 4)}};
}

TEST(Look, FilesReadBackAsTheyWereWritten) {
  const Look look = Sample();
  for (bool compact : {false, true}) EXPECT_EQ(ParseLook(LookText(look, compact)), look);
  // One step a line in a file people may read and keep in version control.
  const std::string text = LookText(look);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 7 + 4);
  test::TempFolder folder;
  WriteLookFile(folder / "warm.qvlook", look);
  EXPECT_EQ(ReadLookFile(folder / "warm.qvlook"), look);
  // A newer minor version's keys are ignored; a look applied as one step is
  // read as its effects.
  const Look later = ParseLook(R"({"format":"quorvane-look","version":"1.7","name":"n",
      "made":{"by":"a later Quorvane"},"steps":[{"effect":"art","number":2,"grain":3},
      {"look":"inner","steps":[{"effect":"star","number":1}]}]})");
  ASSERT_EQ(later.Steps.size(), 2u);
  EXPECT_EQ(later.Steps[1].Category, 4);
}

TEST(Look, FaultyLooksAreRefusedWhole) {
  const std::string head = R"({"format":"quorvane-look","version":"1.0","name":"n","steps":)";
  std::string many = head + "[";
  for (std::size_t i = 0; i <= kMaxLookSteps; ++i)
    many += std::string(i ? "," : "") + R"({"effect":"art","number":1})";
  many += "]}";
  const struct {
    std::string Text;
    const char *Says;
  } cases[] = {
      {"", "is not a look: it is no JSON"},
      {"\xff\xfe{}", "is not a look: it is no JSON"},
      {R"({"steps":[]})", "is not a look: it does not say \"format\": \"quorvane-look\""},
      {R"({"format":["quorvane-look"]})",
       "is not a look: it does not say \"format\": \"quorvane-look\""},
      {R"({"format":"quorvane-look","name":"n","steps":[]})",
       "is not a look: it has no \"version\""},
      {R"({"format":"quorvane-look","version":"one","name":"n","steps":[]})",
       "is not a look: its version \"one\" is not written as \"MAJOR.MINOR\""},
      {R"({"format":"quorvane-look","version":"2.0","name":"n","steps":[]})",
       "is a look of version 2.0, made by a newer Quorvane; this one reads 1.x"},
      {R"({"format":"quorvane-look","version":"1.0","steps":[]})",
       "is not a look: it has no \"name\""},
      {head + "[]}", "is not a look: it has no steps"},
      {head + R"([{"effect":"art","number":2},{"effect":"glow","number":1}]})",
       "step 2: there is no effect \"glow\""},
      {head + R"([{"effect":"art","number":12}]})", "step 1: art has no effect 12"},
      {head + R"([{"effect":"art","number":1,"strength":140}]})",
       "step 1: the strength 140 is outside 0 to 100"},
      {head + R"([{"effect":"color","number":1,"colors":["orange"]}]})",
       "step 1: the colour \"orange\" is not RRGGBB"},
      {many, "has 1001 steps; a look may have at most 1000"},
      {std::string(kMaxLookBytes, ' '), "is not a look: it has 1048576 bytes"},
  };
  for (const auto &c : cases) {
    const std::string message = test::MessageOf([&] { ParseLook(c.Text); });
    EXPECT_EQ(message.rfind(c.Says, 0), 0u) << message;
  }
  // A file is refused by its size before it is read, with its name.
  test::TempFolder folder;
  WriteFileBytes(folder / "big.qvlook", Bytes(kMaxLookBytes + 5, ' '));
  const std::string message = test::MessageOf([&] { ReadLookFile(folder / "big.qvlook"); });
  EXPECT_NE(message.find("big.qvlook: is not a look: it has 1048581 bytes"), std::string::npos)
      << message;
}

}  // namespace
}  // namespace qv
