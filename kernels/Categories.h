#pragma once

// The one registry of effect categories. Each row says everything the
// program knows about a category: its id (as stored in CurrentCategory), the
// name the command line and the look files use, its caption, its button's
// name and place in the column, its asset folders as each caller spells
// them, how its maps are blended, how it fills the strip and whether its
// thumbnails appear together, what choosing it does to "Change Color", and
// its ten recipes. The buttons, the strip, the full-size dispatch, the
// renderer's `list`, the artwork generator and the asset store are all
// derived from it; where the window puts a button stays in the window.

#include <span>
#include <string_view>
#include <vector>

namespace qv {

struct Recipe;

inline constexpr int kCategoryCount = 16;
inline constexpr int kThumbnailCount = 10;
// Thumbnails are rendered on the picture squeezed to this square.
inline constexpr int kThumbnailSide = 105;

// How the category fills the strip.
enum class StripKind {
  LightMaps,   // ApplyLightMap with assets 1..10 of its folder
  EdgeMattes,  // AssetMatteWhite with assets 1..10 of its folder
  Color,
  Line,
  Art,
  Preset,
};

// How a map of the category's asset folder goes onto the picture (also
// where another category's recipe reads that folder).
enum class MapBlend { None, Screen, Overlay };

// What choosing the category does to the preview's "Change Color".
enum class ChangeColorRule {
  ShowAfterStrip,
  HideAfterStrip,
  ShowBeforeStrip,
  HideBeforeStrip,
  ByEffect,  // left as it was; the full-size render decides, from the recipe
};

// A folder of artwork beside the program as it ships: pic/<Name>/1.ssl to
// <Files>.ssl.
struct AssetFolder {
  const char *Name = nullptr;
  int Files = 0;
};

struct Category {
  int Id;
  // The category's name on the command line and in look files, e.g.
  // "light-a". Names are kept for good: a renamed category lists its old
  // names in Aliases.
  const char *Name;
  const char *Caption;     // what the user knows it by, e.g. "Light A"; its button's text
  const char *ButtonName;  // the button's object name, e.g. "BtnLightA"
  int Column;              // its button's place in the column, 1 at the top
  bool Hidden;             // a button nothing shows (Line's)
  // The asset folder as the strip spells it and as the full-size render
  // spells it (letter case differs; lookup ignores it). Null for the
  // categories that render recipes of their own.
  const char *Folder;
  const char *FullSizeFolder;
  // The folder its artwork ships in (none for Art and Preset).
  AssetFolder Assets;
  MapBlend Blend;
  StripKind Strip;
  bool ThumbnailsTogether;  // all ten appear at once when done (Art's)
  ChangeColorRule ChangeColor;
  // Whether the editor renders a clicked thumbnail at full size. Line does
  // not: its preview shows the result bitmap as the strip left it. The
  // command line renders every category.
  bool FullSizeRender;
  // Earlier names of the category, still accepted wherever a name is.
  std::span<const char *const> Aliases;
  // The ten recipes, thumbnail 1 first.
  std::vector<Recipe> (*Recipes)(const Category &category);
};

// All sixteen, in id order (Categories()[id - 1].Id == id).
std::span<const Category> Categories();

// The category with this id, or null.
const Category *FindCategory(int id);

// By command-line name, alias or caption (any letter case) or by decimal
// id; null when nothing matches.
const Category *FindCategory(std::string_view nameOrId);

// The asset folders of all categories, in the order the artwork is drawn
// (the registry's order): every folder the recipes read.
std::span<const AssetFolder> AssetFolders();

// How maps from `folder` (any spelling, any letter case) are blended: the
// blend of the category whose artwork lies there; Screen for a folder no
// category owns.
MapBlend BlendOfFolder(std::string_view folder);

}  // namespace qv
