// render, thumbs and list: the effects of the editor, without the editor.

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <map>
#include <mutex>
#include <new>
#include <optional>
#include <string>

#include "cli/Commands.h"
#include "cli/Help.h"
#include "cli/PictureFiles.h"
#include "codecs/Codecs.h"
#include "gfx/Bands.h"
#include "gfx/ColorText.h"
#include "gfx/Error.h"
#include "kernels/AssetStore.h"
#include "kernels/Categories.h"
#include "kernels/KernelEnv.h"
#include "kernels/Look.h"
#include "kernels/MaskedMix.h"
#include "kernels/PackedMask.h"
#include "kernels/Recipes.h"
#include "kernels/ScriptedColorPrompt.h"
#include "kernels/Step.h"
#include "kernels/StreamedRender.h"
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
  Args positional;
};

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

// The message of the exception being handled, for a per-file report.
std::string CurrentErrorText() {
  try {
    throw;
  } catch (const std::bad_alloc &) {
    return "out of memory";
  } catch (const std::exception &e) {
    return e.what();
  } catch (...) {
    return "unknown failure";
  }
}

}  // namespace

std::shared_ptr<const PackedMask> ReadMask(const std::string &path) {
  return std::make_shared<const PackedMask>(PackedMask::FromPicture(ReadInput(path).Pixels));
}

void CheckMaskFits(const PackedMask &mask, const std::string &maskPath, const Bitmap &picture,
                   const std::string &picturePath) {
  if (mask.Width() == picture.Width() && mask.Height() == picture.Height()) return;
  throw MakeError(
      "The mask %s is %d x %d pixels and the picture %s %d x %d; they must be the "
      "same size",
      maskPath.c_str(), mask.Width(), mask.Height(), picturePath.c_str(), picture.Width(),
      picture.Height());
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

// The steps from file to file: one effect at full strength is streamed band
// by band where the recipe and the files allow it, everything else goes
// through the whole picture, step after step. Each file gets colour answers
// of its own: a step's recorded ones, or for a step that asks when applied
// the options' answers, in order.
void RenderFile(const std::vector<Step> &steps, const std::string &in, const std::string &out,
                const Options &options) {
  const FileContents input = ReadFileContents(in);
  const WriteOptions writing{.StripMetadata = options.strip};
  const Step &first = steps.front();
  if (steps.size() == 1 && !first.IsLook() && !first.AsksWhenApplied() &&
      first.Strength == kFullStrength && !first.Mask.Any()) {
    ScriptedColorPrompt answers(first.Colors);
    KernelEnv env = EnvFor(options);
    env.Prompt = first.PickedColors ? &answers : nullptr;
    auto warn = [&in](const std::vector<std::string> &warnings) { WarnAbout(in, warnings); };
    if (RenderStreamed(first.Category, first.Number, input, out, env, writing, warn)) return;
  }
  DecodedPicture picture = DecodeInput(input, in);
  if (options.mask) CheckMaskFits(*options.mask, options.maskFile, picture.Pixels, in);
  ScriptedColorPrompt asked = options.prompt;
  KernelEnv env = EnvFor(options);
  env.Prompt = options.prompted ? &asked : nullptr;
  PictureRef made = Share(std::move(picture.Pixels));
  for (const Step &step : steps) made = ApplyStep(step, made, env);
  WritePictureFile(out, *made, picture.Meta, writing);
}

// Renders every input into folder, one picture per core at a time (a single
// picture keeps both cores for its own passes). Each picture gets its own
// copy of the colour answers, so every one is rendered alike. Failures are
// reported per file as they happen; the others go on.
int RenderBatch(const std::vector<Step> &steps, const Args &inputs, const Options &options) {
  const std::filesystem::path folder(options.out);
  std::error_code made;
  std::filesystem::create_directories(folder, made);
  if (made) {
    std::fprintf(stderr, "quorvane-fx: cannot make the folder %s: %s\n", options.out.c_str(),
                 made.message().c_str());
    return 1;
  }
  // Two inputs of one name would overwrite each other's result.
  std::map<std::string, std::size_t> firstWith;
  std::vector<std::string> outputs(inputs.size()), clash(inputs.size());
  for (std::size_t i = 0; i < inputs.size(); ++i) {
    std::filesystem::path file = std::filesystem::path(inputs[i]).filename();
    // A photo of a format that is only read (HEIC, AVIF) comes back as JPEG.
    const PictureCodec *codec = FindCodec(FormatFromExtension(file.string()));
    if (codec && !codec->Encode) file.replace_extension(".jpg");
    const std::string name = file.string();
    outputs[i] = (folder / name).string();
    const auto [first, added] = firstWith.emplace(name, i);
    if (!added)
      clash[i] = "its result " + outputs[i] + " is already " + inputs[first->second] + "'s";
  }

  const bool terminal = ::isatty(STDERR_FILENO) != 0;
  const int total = int(inputs.size());
  std::atomic<int> done = 0, failed = 0;
  std::mutex report;
  // One picture per band: the kernels' own passes stay on the band's core.
  ForEachBand(total, 1, total > 1, [&](int i, int) {
    std::string error = clash[std::size_t(i)];
    if (error.empty()) {
      try {
        RenderFile(steps, inputs[std::size_t(i)], outputs[std::size_t(i)], options);
      } catch (...) {
        error = CurrentErrorText();
      }
    }
    const int finished = ++done;
    if (!error.empty()) ++failed;
    {
      const std::lock_guard<std::mutex> lock(report);
      if (terminal) std::fputs("\r\033[K", stderr);
      if (!error.empty())
        std::fprintf(stderr, "quorvane-fx: %s: %s\n", inputs[std::size_t(i)].c_str(),
                     error.c_str());
      if (terminal) std::fprintf(stderr, "rendered %d of %d", finished, total);
      std::fflush(stderr);
    }
  });
  if (terminal) std::fputs("\n", stderr);
  if (failed > 0)
    std::fprintf(stderr, "quorvane-fx: %d of %d pictures failed\n", failed.load(), total);
  return failed > 0 ? 1 : 0;
}

}  // namespace

int RenderCommand(const Args &args) {
  auto options = ParseOptions(args, false);
  if (!options) return 2;
  const Args &p = options->positional;
  const bool batch = !options->out.empty();
  if (batch ? p.size() < 3 : p.size() != 4) return UsageError("render");
  const Category *category = CategoryArg(p[0]);
  const auto n = NumberArg(p[1]);
  if (!category || !n) return 2;
  if (!options->maskFile.empty()) options->mask = ReadMask(options->maskFile);
  const std::vector<Step> steps{RenderStep(category->Id, *n, *options)};
  if (batch) return RenderBatch(steps, Args(p.begin() + 2, p.end()), *options);

  RenderFile(steps, p[2], p[3], *options);
  return 0;
}

int ApplyCommand(const Args &args) {
  auto options = ParseOptions(args, false);
  if (!options) return 2;
  const Args &p = options->positional;
  const bool batch = !options->out.empty();
  if (batch ? p.size() < 2 : p.size() != 3) return UsageError("apply");
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
  if (batch) return RenderBatch(look.Steps, Args(p.begin() + 1, p.end()), *options);
  RenderFile(look.Steps, p[1], p[2], *options);
  return 0;
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
