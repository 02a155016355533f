#pragma once

// The effect categories: ids as stored in CurrentCategory, the names the
// command line accepts, their captions, and the asset folders of the
// categories that render one asset per thumbnail. Where and how the window
// shows a category's button belongs to the window (browser/CategoryButtons.h).

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

struct Category {
  int Id;
  const char *Name;     // command-line name, e.g. "light-a"
  const char *Caption;  // what the user knows it by, e.g. "Light A"; also the button's text
  // The asset folder as the strip spells it and as the full-size render
  // spells it (letter case differs; lookup ignores it). Null for the
  // categories that render recipes of their own.
  const char *Folder;
  const char *FullSizeFolder;
  StripKind Strip;
};

// All sixteen, in id order (Categories()[id - 1].Id == id).
std::span<const Category> Categories();

// The category with this id, or null.
const Category *FindCategory(int id);

// By command-line name or caption (any letter case) or by decimal id; null
// when nothing matches.
const Category *FindCategory(std::string_view nameOrId);

}  // namespace qv
