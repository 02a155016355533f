#include "effects/FilterTable.h"

#include <climits>
#include <utility>

#include "effects/Filters.h"
#include "gfx/Error.h"

namespace qv {
namespace {

// The three ways a filter reaches the picture.

template <void (*Kernel)(Bitmap &)>
void InPlace(Bitmap &picture, std::span<const int>, RandomGenerator &) {
  Kernel(picture);
}

template <void (*Kernel)(Bitmap &, int)>
void OneCopy(Bitmap &picture, std::span<const int> args, RandomGenerator &) {
  Bitmap work(picture);
  Kernel(work, args[0]);
  picture = std::move(work);
}

template <void (*Kernel)(Bitmap &)>
void OneCopy(Bitmap &picture, std::span<const int>, RandomGenerator &) {
  Bitmap work(picture);
  Kernel(work);
  picture = std::move(work);
}

template <void (*Kernel)(Bitmap &, int, RandomGenerator &)>
void NoiseCopy(Bitmap &picture, std::span<const int> args, RandomGenerator &random) {
  Bitmap work(picture);
  Kernel(work, args[0], random);
  picture = std::move(work);
}

template <void (*Kernel)(const Bitmap &, Bitmap &, int)>
void SourceToCopy(Bitmap &picture, std::span<const int> args, RandomGenerator &) {
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

void Trace(Bitmap &picture, std::span<const int> args, RandomGenerator &) {
  OnCopy(picture, [&](Bitmap &d) { ApplyTrace(d, args[0]); });
}

void Emboss(Bitmap &picture, std::span<const int>, RandomGenerator &) {
  OnCopy(picture, ApplyEmboss);
}

void SpotLight(Bitmap &picture, std::span<const int> args, RandomGenerator &) {
  OnCopy(picture, [&](Bitmap &d) {
    ApplySpotLight(d, args[0], {args[1], args[2], args[3], args[4]});
  });
}

// The rectangle of the spot light may lie anywhere, also off the picture.
constexpr FilterParam Coordinate(const char *name, int byDefault) {
  return {name, INT_MIN, INT_MAX, byDefault};
}

const std::vector<FilterInfo> &Table() {
  static const std::vector<FilterInfo> table = {
      {"invert", "Effect_Invert", "complement every channel", {}, InPlace<ApplyInvert>},
      {"color-noise",
       "Effect_AddColorNoise",
       "add a separate random value to each channel",
       {{"AMOUNT", 0, 255, 60}},
       NoiseCopy<ApplyColorNoise>},
      {"mono-noise",
       "Effect_AddMonoNoise",
       "add one random value to all channels of a pixel",
       {{"AMOUNT", 0, 255, 60}},
       NoiseCopy<ApplyMonoNoise>},
      {"anti-alias",
       "Effect_AntiAlias",
       "average each inner pixel's four neighbours",
       {},
       InPlace<ApplyAntiAlias>},
      {"contrast",
       "Effect_Contrast",
       "push channels away from 127 (toward it when negative)",
       {{"AMOUNT", -255, 255, 120}},
       OneCopy<ApplyContrast>},
      {"fish-eye",
       "Effect_FishEye",
       "lens of radius AMOUNT x width, wrapping at the edges",
       {{"AMOUNT", -10, 10, 1, true}},
       SourceToCopy<ApplyFishEye>},
      {"grayscale",
       "Effect_GrayScale",
       "grey from 0.3 R + 0.59 G + 0.11 B",
       {},
       OneCopy<ApplyGrayScale>},
      {"lightness",
       "Effect_Lightness",
       "move channels toward white (toward black when negative)",
       {{"AMOUNT", -255, 255, 80}},
       OneCopy<ApplyLightness>},
      {"darkness",
       "Effect_Darkness",
       "move channels toward black (brighten when negative)",
       {{"AMOUNT", -255, 255, 80}},
       OneCopy<ApplyDarkness>},
      {"saturation",
       "Effect_Saturation",
       "0 grey, 255 unchanged, above 255 stronger colour, negative the opposite hue",
       {{"AMOUNT", -510, 510, 400}},
       OneCopy<ApplySaturation>},
      {"split-blur",
       "Effect_SplitBlur",
       "mean of four samples AMOUNT pixels away",
       {{"AMOUNT", 0, 100, 4}},
       OneCopy<ApplySplitBlur>},
      {"gaussian-blur",
       "Effect_GaussianBlur",
       "AMOUNT + 1 passes of the split blur at distance 3",
       {{"AMOUNT", -1, 20, 3}},
       OneCopy<ApplyGaussianBlur>},
      {"mosaic",
       "Effect_Mosaic",
       "blocks of SIZE pixels in their top-left pixel's colour",
       {{"SIZE", 1, 1000, 12}},
       OneCopy<ApplyMosaic>},
      {"twist",
       "Effect_Twist",
       "turn by distance / AMOUNT radians about the centre (the other way when negative)",
       {{"AMOUNT", -1000, 1000, 60, true}},
       SourceToCopy<ApplyTwist>},
      {"split-light",
       "Effect_Splitlight",
       "AMOUNT passes of a sine curve that lifts the mid-tones",
       {{"AMOUNT", 0, 10, 1}},
       OneCopy<ApplySplitlight>},
      {"tile",
       "Effect_Tile",
       "COUNT x COUNT shrunken copies (0: none)",
       {{"COUNT", 0, 50, 3}},
       SourceToCopy<ApplyTile>},
      {"spot-light",
       "Effect_SpotLight",
       "darken, and black out all but the ellipse in the rectangle",
       {{"AMOUNT", -255, 255, 40},
        Coordinate("LEFT", 10),
        Coordinate("TOP", 10),
        Coordinate("RIGHT", 90),
        Coordinate("BOTTOM", 70)},
       SpotLight},
      {"trace",
       "Effect_Trace",
       "blacken one side of every colour edge (AMOUNT passes, 2 is full)",
       {{"AMOUNT", 0, 2, 2}},
       Trace},
      {"emboss", "Effect_Emboss", "relief against the pixel one down and three right", {}, Emboss},
      {"solorize",
       "Effect_Solorize",
       "invert pixels whose mean is above THRESHOLD",
       {{"THRESHOLD", -1, 255, 128}},
       SourceToCopy<ApplySolorize>},
      {"posterize",
       "Effect_Posterize",
       "round channels to multiples of LEVEL (above 255: a threshold at LEVEL / 2)",
       {{"LEVEL", 1, 510, 64}},
       SourceToCopy<ApplyPosterize>},
  };
  return table;
}

}  // namespace

std::string FilterParam::Range() const {
  return std::to_string(min) + " to " + std::to_string(max) + (notZero ? " except 0" : "");
}

bool FilterParam::Unbounded() const {
  return min == INT_MIN && max == INT_MAX;
}

std::vector<int> FilterInfo::Defaults() const {
  std::vector<int> values;
  for (const FilterParam &p : params) values.push_back(p.byDefault);
  return values;
}

std::optional<Text> FilterInfo::Refusal(std::span<const int> args) const {
  if (args.size() != params.size())
    return Say(QV_TEXT("%1 takes %2 values, not %3"), name, params.size(), args.size());
  for (std::size_t i = 0; i < args.size(); ++i)
    if (!params[i].Accepts(args[i]))
      return Say(QV_TEXT("%1: %2 must be %3, not %4"), name, params[i].name, params[i].Range(),
                 args[i]);
  return std::nullopt;
}

void FilterInfo::Apply(Bitmap &picture, std::span<const int> args, RandomGenerator &random) const {
  if (const auto why = Refusal(args)) throw Error(*why);
  run(picture, args, random);
}

std::span<const FilterInfo> Filters() {
  return Table();
}

const FilterInfo *FindFilter(std::string_view name) {
  for (const FilterInfo &f : Table())
    if (name == f.name || name == f.method) return &f;
  return nullptr;
}

}  // namespace qv
