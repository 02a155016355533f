#pragma once

// The effect categories: ids as stored in CurrentCategory, the names the
// command line accepts, captions and buttons of the left column, the asset
// folders of the categories that render one asset per thumbnail, and what
// choosing the category does to the preview's "Change Color" button.

#include <span>
#include <string_view>

namespace qv {

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

// What choosing the category does to "Change Color".
enum class ChangeColorRule {
  ShowAfterStrip,
  HideAfterStrip,
  ShowBeforeStrip,
  HideBeforeStrip,
  Keep,  // left as it was; the full-size render decides
};

struct Category {
  int Id;
  const char *Name;     // command-line name, e.g. "light-a"
  const char *Caption;  // button caption, e.g. "Light A"
  const char *Button;   // button control name
  int ButtonTop;        // in the left column; every button is at left 24, 75 x 25
  bool ButtonVisible;   // only Line's button is hidden
  // The asset folder as the strip spells it and as the full-size render
  // spells it (letter case differs; lookup ignores it). Null for the
  // categories that render recipes of their own.
  const char *Folder;
  const char *FullSizeFolder;
  StripKind Strip;
  ChangeColorRule ChangeColor;
};

// All sixteen, in id order (Categories()[id - 1].Id == id).
std::span<const Category> Categories();

// The category with this id, or null.
const Category *FindCategory(int id);

// By command-line name or caption (any letter case) or by decimal id; null
// when nothing matches.
const Category *FindCategory(std::string_view nameOrId);

}  // namespace qv
