// render, thumbs and list: the effects of the editor, without the editor.

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <new>
#include <optional>
#include <string>

#include "batch/BatchPlan.h"
#include "batch/BatchRun.h"
#include "cli/BatchLine.h"
#include "cli/Commands.h"
#include "cli/Help.h"
#include "cli/PictureFiles.h"
#include "codecs/Codecs.h"
#include "gfx/Bands.h"
#include "gfx/ColorText.h"
#include "gfx/Error.h"
#include "gfx/Text.h"
#include "kernels/AssetStore.h"
#include "kernels/Categories.h"
#include "kernels/KernelEnv.h"
#include "kernels/Look.h"
#include "kernels/MaskedMix.h"
#include "kernels/PackedMask.h"
#include "kernels/Recipes.h"
#include "kernels/ScriptedColorPrompt.h"
#include "kernels/Step.h"
#include "kernels/StrengthMix.h"

namespace qv::cli {

namespace {

struct Options {
  std::string assets;
  ScriptedColorPrompt prompt;
  bool prompted = false;  // a colour answer was given
  bool bmp = false;
  std::string out;               // render: the folder of a batch
  int strength = kFullStrength;  // render
  std::string maskFile;          // render: --mask
  std::shared_ptr<const PackedMask> mask;
  bool strip = false;
  int quality = 0, longEdge = 0;
  BatchLine batch;         // the folder, name, format, policy and manifest with --out
  bool batchOnly = false;  // an option that only a batch takes was given
  Args positional;
};

// A whole number from low to high for option, or nullopt after saying so.
std::optional<int> ParseNumber(const std::string &option, const std::string &text, int low,
                               int high) {
  int value = 0;
  const char *end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || stop != end || error != std::errc() || value < low || value > high) {
    std::fprintf(stderr, "quorvane-fx: %s must be a whole number from %d to %d, not '%s'\n",
                 option.c_str(), low, high, text.c_str());
    return std::nullopt;
  }
  return value;
}

// What --format takes: the extension of a format that can be written.
bool WritableFormat(const std::string &format) {
  const PictureCodec *codec = FindCodec(FormatFromExtension("x." + format));
  return !format.empty() && codec && codec->Encode;
}

std::optional<TColor> ParseHexColor(const std::string &text) {
  return ParseColorText(!text.empty() && text[0] == '#' ? text.substr(1) : text);
}

// A strength from 0 to 100, or nullopt after saying what is wrong with it.
std::optional<int> ParseStrength(const std::string &text) {
  long long value = 0;
  const char *end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || stop != end || error == std::errc::invalid_argument) {
    std::fprintf(stderr, "quorvane-fx: --strength must be a whole number from %d to %d, not '%s'\n",
                 kMinStrength, kFullStrength, text.c_str());
    return std::nullopt;
  }
  // Beyond a long long it is out of range all the same.
  if (error == std::errc::result_out_of_range || !StrengthInRange(value)) {
    std::fprintf(stderr, "quorvane-fx: --strength must be %d to %d, not %s\n", kMinStrength,
                 kFullStrength, text.c_str());
    return std::nullopt;
  }
  return int(value);
}

// Prints what is wrong and returns nullopt for a bad command line.
std::optional<Options> ParseOptions(const Args &args, bool allowBmp) {
  Options options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string &arg = args[i];
    const bool hasValue = i + 1 < args.size();
    if (arg == "--assets" && hasValue) {
      options.assets = args[++i];
    } else if (arg == "--color" && hasValue) {
      const auto color = ParseHexColor(args[++i]);
      if (!color) {
        std::fprintf(stderr, "quorvane-fx: '%s' is no colour; write it as RRGGBB\n",
                     args[i].c_str());
        return std::nullopt;
      }
      options.prompt.Add(color);
      options.prompted = true;
    } else if (arg == "--cancel-color") {
      options.prompt.Add(std::nullopt);
      options.prompted = true;
    } else if (arg == kStripOption) {
      options.strip = true;
    } else if (arg == "--bmp" && allowBmp) {
      options.bmp = true;
    } else if (arg == "--out" && hasValue && !allowBmp) {
      options.out = args[++i];
    } else if (arg == "--mask" && hasValue && !allowBmp) {
      options.maskFile = args[++i];
    } else if (arg == "--strength" && hasValue && !allowBmp) {
      const auto strength = ParseStrength(args[++i]);
      if (!strength) return std::nullopt;
      options.strength = *strength;
    } else if (arg == "--quality" && hasValue && !allowBmp) {
      const auto quality = ParseNumber(arg, args[++i], 1, 100);
      if (!quality) return std::nullopt;
      options.quality = *quality;
    } else if (arg == "--long-edge" && hasValue && !allowBmp) {
      const auto side = ParseNumber(arg, args[++i], 1, 65535);
      if (!side) return std::nullopt;
      options.longEdge = *side;
    } else if (arg == "--recursive" && !allowBmp) {
      options.batch.Recursive = options.batchOnly = true;
    } else if (arg == "--skip-existing" && !allowBmp) {
      options.batch.Output.Existing = ExistingPolicy::Skip;
      options.batchOnly = true;
    } else if (arg == "--existing" && hasValue && !allowBmp) {
      const std::string policy = args[++i];
      if (policy == "replace")
        options.batch.Output.Existing = ExistingPolicy::Replace;
      else if (policy == "skip")
        options.batch.Output.Existing = ExistingPolicy::Skip;
      else if (policy == "number")
        options.batch.Output.Existing = ExistingPolicy::AddNumber;
      else {
        std::fprintf(stderr, "quorvane-fx: --existing takes replace, skip or number, not '%s'\n",
                     policy.c_str());
        return std::nullopt;
      }
      options.batchOnly = true;
    } else if (arg == "--name" && hasValue && !allowBmp) {
      options.batch.Output.NamePattern = args[++i];
      const std::string problem = CheckNamePattern(args[i]).English();
      if (!problem.empty()) {
        std::fprintf(stderr, "quorvane-fx: --name '%s': %s\n", args[i].c_str(), problem.c_str());
        return std::nullopt;
      }
      options.batchOnly = true;
    } else if (arg == "--format" && hasValue && !allowBmp) {
      std::string format = LowerAscii(args[++i]);
      if (!format.empty() && format[0] == '.') format.erase(0, 1);
      if (!WritableFormat(format)) {
        std::fprintf(stderr, "quorvane-fx: --format takes jpg, png, webp, tif or bmp, not '%s'\n",
                     args[i].c_str());
        return std::nullopt;
      }
      options.batch.Output.Format = format;
      options.batchOnly = true;
    } else if (arg == "--manifest" && hasValue && !allowBmp) {
      options.batch.Manifest = args[++i];
      options.batchOnly = true;
    } else if (arg.size() > 1 && arg[0] == '-') {
      std::fprintf(stderr, "quorvane-fx: unknown or incomplete option '%s'\n", arg.c_str());
      return std::nullopt;
    } else {
      options.positional.push_back(arg);
    }
  }
  return options;
}

// The folder that holds pic/, from the folder given to --assets: that
// folder itself, or its parent when it is the pic folder.
std::string AssetRoot(std::string dir) {
  namespace fs = std::filesystem;
  std::error_code error;
  while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
  const fs::path given(dir);
  if (!fs::is_directory(FindCaseBlind(dir + '/', {"pic"}), error)) {
    std::string name = given.filename().string();
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    if (name == "pic" && fs::is_directory(given, error)) {
      const fs::path parent = given.has_parent_path() ? given.parent_path() : fs::path(".");
      return parent.string() + '/';
    }
  }
  return dir + '/';
}

// The artwork's place; the colour answers come with each step.
KernelEnv EnvFor(const Options &options) {
  KernelEnv env = DefaultKernelEnv();
  if (!options.assets.empty()) env.AppDir = AssetRoot(options.assets);
  return env;
}

const Category *CategoryArg(const std::string &text) {
  const Category *category = FindCategory(text);
  if (!category)
    std::fprintf(stderr, "quorvane-fx: unknown category '%s' (see 'quorvane-fx list')\n",
                 text.c_str());
  return category;
}

std::optional<int> NumberArg(const std::string &text) {
  int n = 0;
  for (char c : text) {
    if (c < '0' || c > '9' || n > kThumbnailCount) {
      n = 0;
      break;
    }
    n = n * 10 + (c - '0');
  }
  if (n >= 1 && n <= kThumbnailCount) return n;
  std::fprintf(stderr, "quorvane-fx: the effect number must be 1 to %d, not '%s'\n",
               kThumbnailCount, text.c_str());
  return std::nullopt;
}

}  // namespace

std::shared_ptr<const PackedMask> ReadMask(const std::string &path) {
  return std::make_shared<const PackedMask>(PackedMask::FromPicture(ReadInput(path).Pixels));
}

void CheckMaskFits(const PackedMask &mask, const std::string &maskPath, const Bitmap &picture,
                   const std::string &picturePath) {
  if (mask.Width() == picture.Width() && mask.Height() == picture.Height()) return;
  auto sides = [](int width, int height) {
    return std::to_string(width) + " x " + std::to_string(height);
  };
  throw Error(Text::Verbatim("The mask " + maskPath + " is " + sides(mask.Width(), mask.Height()) +
                             " pixels and the picture " + picturePath + " " +
                             sides(picture.Width(), picture.Height()) +
                             "; they must be the same size"));
}

namespace {

// The step `render CATEGORY N` makes, with the colour answers and the
// strength of its options.
Step RenderStep(int categoryId, int n, const Options &options) {
  Step step;
  step.Category = categoryId;
  step.Number = n;
  step.PickedColors = options.prompted;
  step.Colors = options.prompt.Answers();
  step.Strength = options.strength;
  step.Mask.Painted = options.mask;
  return step;
}

// How every picture of the command line is made and written.
PictureRecipe RecipeFor(std::vector<Step> steps, const Options &options) {
  PictureRecipe recipe;
  recipe.Steps = std::move(steps);
  recipe.Answered = options.prompted;
  recipe.Answers = options.prompt.Answers();
  recipe.AppDir = EnvFor(options).AppDir;
  recipe.Writing = {.StripMetadata = options.strip, .Quality = options.quality};
  recipe.LongEdge = options.longEdge;
  if (options.mask)
    recipe.CheckPicture = [mask = options.mask, file = options.maskFile](const Bitmap &picture,
                                                                         const std::string &input) {
      CheckMaskFits(*mask, file, picture, input);
    };
  return recipe;
}

// The single form or the batch, once the steps are known.
int RenderSteps(std::vector<Step> steps, const Args &files, Options &options) {
  const PictureRecipe recipe = RecipeFor(std::move(steps), options);
  if (options.out.empty()) return RenderOneLine(recipe, files[0], files[1]);
  options.batch.Output.Folder = options.out;
  options.batch.Output.Quality = options.quality;
  options.batch.Output.LongEdge = options.longEdge;
  options.batch.Output.StripMetadata = options.strip;
  return RunBatchLine(recipe, files, options.batch);
}

}  // namespace

int RenderCommand(const Args &args) {
  auto options = ParseOptions(args, false);
  if (!options) return 2;
  const Args &p = options->positional;
  const bool batch = !options->out.empty();
  if (batch ? p.size() < 3 : p.size() != 4 || options->batchOnly) return UsageError("render");
  const Category *category = CategoryArg(p[0]);
  const auto n = NumberArg(p[1]);
  if (!category || !n) return 2;
  if (!options->maskFile.empty()) options->mask = ReadMask(options->maskFile);
  options->batch.Look = std::string(category->Name) + "-" + std::to_string(*n);
  return RenderSteps({RenderStep(category->Id, *n, *options)}, Args(p.begin() + 2, p.end()),
                     *options);
}

int ApplyCommand(const Args &args) {
  auto options = ParseOptions(args, false);
  if (!options) return 2;
  const Args &p = options->positional;
  const bool batch = !options->out.empty();
  if (batch ? p.size() < 2 : p.size() != 3 || options->batchOnly) return UsageError("apply");
  if (options->strength != kFullStrength) {
    std::fprintf(stderr,
                 "quorvane-fx: a look's steps carry their own strengths; "
                 "--strength is for render\n");
    return 2;
  }
  Look look;
  try {
    look = ReadLookFile(p[0]);
  } catch (const Error &e) {
    std::fprintf(stderr, "quorvane-fx: %s\n", e.what());
    return 2;
  }
  options->batch.Look = look.Name;
  return RenderSteps(look.Steps, Args(p.begin() + 1, p.end()), *options);
}

int ThumbsCommand(const Args &args) {
  auto options = ParseOptions(args, true);
  if (!options) return 2;
  if (options->positional.size() != 3) return UsageError("thumbs");
  const Args &p = options->positional;
  const Category *category = CategoryArg(p[0]);
  if (!category) return 2;

  const DecodedPicture picture = ReadInput(p[1]);
  Bitmap thumb;
  thumb.Recreate(kThumbnailSide, kThumbnailSide);
  thumb.StretchDraw({0, 0, kThumbnailSide, kThumbnailSide}, picture.Pixels);

  const std::filesystem::path folder(p[2]);
  std::filesystem::create_directories(folder);
  KernelEnv env = EnvFor(*options);
  if (options->prompted) env.Prompt = &options->prompt;
  // One result bitmap for all ten, as in the editor's strip.
  Bitmap result;
  for (int n = 1; n <= kThumbnailCount; ++n) {
    RenderRecipe(category->Id, n, thumb, result, env, RenderSize::Thumbnail);
    const std::string name = std::to_string(n) + (options->bmp ? ".bmp" : ".jpg");
    WritePictureFile((folder / name).string(), result, picture.Meta,
                     {.StripMetadata = options->strip});
  }
  return 0;
}

int ListCommand(const Args &args) {
  if (!args.empty()) return UsageError("list");
  std::printf("%-3s %-9s %-9s %s\n", "id", "name", "caption", "asset folder");
  for (const Category &c : Categories())
    std::printf("%-3d %-9s %-9s %s\n", c.Id, c.Name, c.Caption, c.Folder ? c.FullSizeFolder : "-");
  return 0;
}

}  // namespace qv::cli
