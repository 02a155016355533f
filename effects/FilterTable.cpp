#include "effects/FilterTable.h"

#include <climits>
#include <utility>

#include "effects/Filters.h"

namespace qv {
namespace {

// The three ways a filter reaches the picture.

template <void (*Kernel)(Bitmap &)>
void InPlace(Bitmap &picture, std::span<const int>) {
  Kernel(picture);
}

template <void (*Kernel)(Bitmap &, int)>
void OneCopy(Bitmap &picture, std::span<const int> args) {
  Bitmap work(picture);
  Kernel(work, args[0]);
  picture = std::move(work);
}

template <void (*Kernel)(Bitmap &)>
void OneCopy(Bitmap &picture, std::span<const int>) {
  Bitmap work(picture);
  Kernel(work);
  picture = std::move(work);
}

template <void (*Kernel)(const Bitmap &, Bitmap &, int)>
void SourceToCopy(Bitmap &picture, std::span<const int> args) {
  const Bitmap source(picture);
  Bitmap dest(source);
  Kernel(source, dest, args[0]);
  picture = std::move(dest);
}

template <class F>
void OnCopy(Bitmap &picture, F kernel) {
  Bitmap dest(picture);
  kernel(dest);
  picture = std::move(dest);
}

void Trace(Bitmap &picture, std::span<const int> args) {
  OnCopy(picture, [&](Bitmap &d) { ApplyTrace(d, args[0]); });
}

void Emboss(Bitmap &picture, std::span<const int>) {
  OnCopy(picture, ApplyEmboss);
}

void SpotLight(Bitmap &picture, std::span<const int> args) {
  OnCopy(picture, [&](Bitmap &d) {
    ApplySpotLight(d, args[0], {args[1], args[2], args[3], args[4]});
  });
}

constexpr int kAny = INT_MAX;

const std::vector<FilterInfo> &Table() {
  static const std::vector<FilterInfo> table = {
      {"invert", "complement every channel", {}, {}, InPlace<ApplyInvert>},
      {"color-noise",
       "add a separate random value to each channel",
       {{"AMOUNT", 0, 255}},
       {60},
       OneCopy<ApplyColorNoise>},
      {"mono-noise",
       "add one random value to all channels of a pixel",
       {{"AMOUNT", 0, 255}},
       {60},
       OneCopy<ApplyMonoNoise>},
      {"anti-alias", "average each inner pixel's four neighbours", {}, {}, InPlace<ApplyAntiAlias>},
      {"contrast",
       "push channels away from 127 (toward it when negative)",
       {{"AMOUNT", -255, 255}},
       {120},
       OneCopy<ApplyContrast>},
      {"fish-eye",
       "lens of radius AMOUNT x width, wrapping at the edges",
       {{"AMOUNT", 1, 10}},
       {1},
       SourceToCopy<ApplyFishEye>},
      {"grayscale", "grey from 0.3 R + 0.59 G + 0.11 B", {}, {}, OneCopy<ApplyGrayScale>},
      {"lightness",
       "move channels toward white",
       {{"AMOUNT", 0, 255}},
       {80},
       OneCopy<ApplyLightness>},
      {"darkness",
       "move channels toward black",
       {{"AMOUNT", 0, 255}},
       {80},
       OneCopy<ApplyDarkness>},
      {"saturation",
       "0 grey, 255 unchanged, above 255 stronger colour",
       {{"AMOUNT", 0, 510}},
       {400},
       OneCopy<ApplySaturation>},
      {"split-blur",
       "mean of four samples AMOUNT pixels away",
       {{"AMOUNT", 0, 100}},
       {4},
       OneCopy<ApplySplitBlur>},
      {"gaussian-blur",
       "AMOUNT + 1 passes of the split blur at distance 3",
       {{"AMOUNT", -1, 20}},
       {3},
       OneCopy<ApplyGaussianBlur>},
      {"mosaic",
       "blocks of SIZE pixels in their top-left pixel's colour",
       {{"SIZE", 1, 1000}},
       {12},
       OneCopy<ApplyMosaic>},
      {"twist",
       "turn by distance / AMOUNT radians about the centre",
       {{"AMOUNT", 1, 1000}},
       {60},
       SourceToCopy<ApplyTwist>},
      {"split-light",
       "AMOUNT passes of a sine curve that lifts the mid-tones",
       {{"AMOUNT", 0, 10}},
       {1},
       OneCopy<ApplySplitlight>},
      {"tile", "COUNT x COUNT shrunken copies", {{"COUNT", 1, 50}}, {3}, SourceToCopy<ApplyTile>},
      {"spot-light",
       "darken, and black out all but the ellipse in the rectangle",
       {{"AMOUNT", 0, 255},
        {"LEFT", -kAny, kAny},
        {"TOP", -kAny, kAny},
        {"RIGHT", -kAny, kAny},
        {"BOTTOM", -kAny, kAny}},
       {40, 10, 10, 90, 70},
       SpotLight},
      {"trace",
       "blacken one side of every colour edge (AMOUNT passes, 2 is full)",
       {{"AMOUNT", 0, 2}},
       {2},
       Trace},
      {"emboss", "relief against the pixel one down and three right", {}, {}, Emboss},
      {"solorize",
       "invert pixels whose mean is above THRESHOLD",
       {{"THRESHOLD", -1, 255}},
       {128},
       SourceToCopy<ApplySolorize>},
      {"posterize",
       "round channels to multiples of LEVEL",
       {{"LEVEL", 1, 255}},
       {64},
       SourceToCopy<ApplyPosterize>},
  };
  return table;
}

}  // namespace

std::span<const FilterInfo> Filters() {
  return Table();
}

const FilterInfo *FindFilter(std::string_view name) {
  for (const FilterInfo &f : Table())
    if (name == f.name) return &f;
  return nullptr;
}

}  // namespace qv
