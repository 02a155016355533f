#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>

#include "AssetFixture.h"
#include "gfx/Error.h"
#include "kernels/AssetStore.h"
#include "kernels/Categories.h"
#include "kernels/ColorKernels.h"
#include "kernels/Greyscale.h"
#include "kernels/LightMap.h"
#include "kernels/Recipes.h"
#include "kernels/ScriptedColorPrompt.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return char(std::tolower(c)); });
  return text;
}

class RecipeTable : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    root = new test::AssetRoot;
    root->WriteCompleteSet();
  }
  static void TearDownTestSuite() { delete root; }

  static test::AssetRoot *root;
  const Bitmap picture = test::Varied(40, 30, 11);
};
test::AssetRoot *RecipeTable::root = nullptr;

// The art kernels may not be linked in yet; their stand-in says so.
bool ArtMissing(int id, int n, const Bitmap &picture, const KernelEnv &env) {
  if (!NeedsArtKernels(id, n)) return false;
  Bitmap probe;
  try {
    RenderRecipe(id, n, picture, probe, env, RenderSize::Thumbnail);
  } catch (const Error &e) {
    return std::string(e.what()).find("not available") != std::string::npos;
  }
  return false;
}

TEST_F(RecipeTable, EveryRecipeRendersAtBothSizes) {
  int rendered = 0;
  for (const Category &category : Categories())
    for (int n = 1; n <= kThumbnailCount; ++n) {
      SCOPED_TRACE(std::string(category.Name) + " " + std::to_string(n));
      if (ArtMissing(category.Id, n, picture, root->Env())) continue;
      Bitmap thumb, full;
      RenderRecipe(category.Id, n, picture, thumb, root->Env(), RenderSize::Thumbnail);
      RenderRecipe(category.Id, n, picture, full, root->Env(), RenderSize::FullSize);
      EXPECT_EQ(thumb.Width(), picture.Width());
      EXPECT_EQ(thumb.Height(), picture.Height());
      EXPECT_FALSE(thumb.SamePixels(picture)) << "renders nothing";
      // The two sizes spell some folders differently and nothing else.
      EXPECT_TRUE(thumb.SamePixels(full));
      ++rendered;
    }
  EXPECT_GE(rendered, 16 * 10 - 11);  // at least all but Art and Preset 5
}

TEST_F(RecipeTable, EveryFolderSpellingReachesItsFolder) {
  std::set<std::string> spellings;
  for (int id = 1; id <= kCategoryCount; ++id)
    for (int n = 1; n <= kThumbnailCount; ++n)
      for (const RecipeStep &step : RecipeFor(id, n).Steps)
        for (RenderSize size : {RenderSize::Thumbnail, RenderSize::FullSize})
          if (step.FolderFor(size)) spellings.insert(step.FolderFor(size));
  // The callers' different spellings of one folder are all in the table.
  for (const char *variant :
       {"lightc", "lightC", "Star", "star", "EdgeA", "Edgea", "edgeA", "Amazing", "amazing",
        "LightA", "lightA", "Gradient", "gradient", "dreamB", "dreamb"})
    EXPECT_TRUE(spellings.count(variant)) << variant;

  for (const std::string &spelling : spellings) {
    const fs::path found = AssetPath(root->Env(), spelling, "1");
    EXPECT_TRUE(fs::is_regular_file(found)) << spelling;
    const std::string folder = found.parent_path().filename().string();
    EXPECT_EQ(Lower(folder), Lower(spelling));
    EXPECT_TRUE(std::any_of(AssetFolders().begin(), AssetFolders().end(),
                            [&](const AssetFolder &f) { return folder == f.Name; }))
        << spelling << " reached " << folder;
  }
}

TEST_F(RecipeTable, PresetChainsReadTheStageNotThePicture) {
  // Preset 4: grey copy, burned green, then texture 8 overlaid.
  Bitmap expected = picture, stage;
  Greyscale(expected);
  BurnWithColor(expected, clLime, root->Env());
  stage = expected;
  ApplyLightMap(stage, expected, "texture", "8", root->Env());
  Bitmap result;
  RenderRecipe(16, 4, picture, result, root->Env(), RenderSize::FullSize);
  EXPECT_TRUE(result.SamePixels(expected));

  // Preset 8 has no stage: the tone works on the light map's result.
  ApplyLightMap(picture, expected, "dreamA", "1", root->Env());
  ColorToneByAsset(expected, 1, 0xFF00FF, root->Env());
  RenderRecipe(16, 8, picture, result, root->Env(), RenderSize::Thumbnail);
  EXPECT_TRUE(result.SamePixels(expected));
}

TEST_F(RecipeTable, CancelledPromptsInAChainFallBackOnTheResultsBrush) {
  // Preset 9 ends with the yellow matte; cancelled, it fills with the brush
  // the result bitmap already has.
  ScriptedColorPrompt cancel({std::nullopt});
  Bitmap filledRed, fresh, plain;
  filledRed.SetBrushColor(clRed);
  RenderRecipe(16, 9, picture, filledRed, root->Env(&cancel), RenderSize::FullSize);
  RenderRecipe(16, 9, picture, fresh, root->Env(&cancel), RenderSize::FullSize);
  RenderRecipe(16, 9, picture, plain, root->Env(), RenderSize::FullSize);
  EXPECT_EQ(cancel.TimesAsked(), 4);  // each render asks twice: light map, matte
  EXPECT_FALSE(filledRed.SamePixels(fresh));
  EXPECT_FALSE(fresh.SamePixels(plain));  // white, not yellow
}

TEST(RecipeTableShape, LineAloneHasNoFullSizeRenderInTheEditor) {
  for (int id = 0; id <= kCategoryCount + 1; ++id)
    EXPECT_EQ(HasFullSizeRender(id), id >= 1 && id <= kCategoryCount && id != 14) << id;
  EXPECT_THROW(RecipeFor(8, 11), Error);
  EXPECT_TRUE(NeedsArtKernels(16, 5));
  EXPECT_FALSE(NeedsArtKernels(16, 4));
}

// "Change Color" is offered where a step asks for a colour: every effect
// but Color 6 (the four-colour overlay) and Art 1 to 9. The kernels agree:
// under a prompt exactly those recipes ask.
TEST_F(RecipeTable, ChangeColorFollowsTheStepsThatAskForAColour) {
  for (const Category &category : Categories())
    for (int n = 1; n <= kThumbnailCount; ++n) {
      const bool none = (category.Id == 8 && n == 6) || (category.Id == 15 && n != 10);
      EXPECT_EQ(OffersChangeColor(category.Id, n), !none) << category.Name << " " << n;
      ScriptedColorPrompt prompt({clRed});
      Bitmap result;
      RenderRecipe(category.Id, n, picture, result, root->Env(&prompt), RenderSize::FullSize);
      EXPECT_EQ(prompt.TimesAsked() > 0, !none) << category.Name << " " << n;
    }
}

// The registry holds together: one place in the column each, one artwork
// folder per name, and every folder spelling the recipes use blends as the
// category that owns the folder says (only gradients and textures overlay).
TEST(Categories, TheRegistryHoldsTogether) {
  std::set<int> columns;
  std::set<std::string> names, folders;
  for (const Category &c : Categories()) {
    columns.insert(c.Column);
    names.insert(c.Name);
    EXPECT_EQ(c.Recipes(c).size(), std::size_t(kThumbnailCount)) << c.Name;
  }
  EXPECT_EQ(columns.size(), std::size_t(kCategoryCount));
  EXPECT_EQ(*columns.rbegin(), kCategoryCount);
  EXPECT_EQ(names.size(), std::size_t(kCategoryCount));
  for (const AssetFolder &f : AssetFolders()) EXPECT_TRUE(folders.insert(Lower(f.Name)).second);
  for (int id = 1; id <= kCategoryCount; ++id)
    for (int n = 1; n <= kThumbnailCount; ++n)
      for (const RecipeStep &step : RecipeFor(id, n).Steps)
        if (step.Kind == StepKind::LightMap)
          for (RenderSize size : {RenderSize::Thumbnail, RenderSize::FullSize}) {
            const std::string folder = Lower(step.FolderFor(size));
            EXPECT_TRUE(folders.count(folder)) << folder;
            EXPECT_EQ(BlendOfFolder(folder) == MapBlend::Overlay,
                      folder == "gradient" || folder == "texture")
                << folder;
          }
}

TEST(Categories, Lookup) {
  for (const Category &category : Categories()) {
    EXPECT_EQ(FindCategory(category.Name), &category);
    EXPECT_EQ(FindCategory(category.Caption), &category);
    EXPECT_EQ(FindCategory(std::to_string(category.Id)), &category);
  }
  EXPECT_EQ(FindCategory("LIGHT-C")->Id, 3);
  EXPECT_EQ(FindCategory("17"), nullptr);
  EXPECT_EQ(FindCategory(""), nullptr);
}

}  // namespace
}  // namespace qv
