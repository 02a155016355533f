#include "cli/Help.h"

#include <algorithm>
#include <cstdio>

namespace qv::cli {

namespace {

constexpr const char *kStripEntry =
    "  --strip-metadata  write no metadata (EXIF, XMP, IPTC, colour profile, comments)\n"
    "                    into the results; without it they keep the input's\n";

// What render and apply take besides their own options.
constexpr const char *kWriteEntries =
    "  --quality Q       JPEG and WebP quality, 1 to 100 (default 90)\n"
    "  --long-edge N     make the result's longest side at most N pixels, the other\n"
    "                    in proportion, rounded; each pixel the average of the area\n"
    "                    it covers (never enlarged)\n";

constexpr const char *kBatchEntries =
    "  --recursive       take the pictures of an IN folder's sub-folders too, and\n"
    "                    write their results into the same sub-folders of DIR\n"
    "  --name PATTERN    name each result by PATTERN (no extension): {name} the\n"
    "                    input's name, {look} the look's, {n} its number in the\n"
    "                    batch, {n:3} the number with zeros to 3 digits (default\n"
    "                    {name})\n"
    "  --format EXT      write every result as jpg, png, webp, tif or bmp (by\n"
    "                    default as its input; a HEIC or AVIF photo as jpg)\n"
    "  --skip-existing   keep a result that exists and go on (--existing skip)\n"
    "  --existing WHAT   where a result exists: replace (default), skip, or number\n"
    "                    (NAME (2).jpg, the first free number)\n"
    "  --manifest FILE   add one JSON line a picture to FILE: input, output, status\n"
    "                    (ok, skipped, failed, cancelled), message, ms and sha256\n";

constexpr const char *kBatchRules =
    "An IN that is a folder stands for its pictures (files of a picture extension;\n"
    "hidden ones and DIR itself left out), in name order. No result ever replaces\n"
    "an input, and two inputs never share a result: such a picture fails. Each\n"
    "result is written beside its place under a temporary name and put in place\n"
    "whole. On a terminal a line shows the count, the current file and the time\n"
    "left. SIGINT or SIGTERM stops the batch within a band of rows, leaving no\n"
    "part of a file (exit status 130 or 143); the exit status is 1 when any\n"
    "picture failed.\n";

// The colour questions and the artwork, shared by render and thumbs.
constexpr const char *kEffectEntries =
    "  --assets DIR      take the artwork from DIR/pic instead of the program's own;\n"
    "                    DIR may also be that pic folder itself\n"
    "  --color RRGGBB    answer the next colour question with this colour (hex, red\n"
    "                    first), as \"Change Color\" does; repeat it for later questions\n"
    "  --cancel-color    answer the next colour question with \"cancelled\"\n";

constexpr const char *kColourAnswers =
    "Once the colour answers given run out, the last one is given again. Without\n"
    "any of them no colour is asked for and every effect uses its own colours.\n";

std::vector<CommandHelp> MakeCommandHelps() {
  const std::string render =
      std::string(
          "Renders effect N (1 to 10) of CATEGORY on the picture IN at full size and\n"
          "writes OUT, as JPEG, BMP, PNG, WebP or TIFF by its extension. CATEGORY is a\n"
          "name or an id from 'quorvane-fx list'. With --out, renders every IN (a\n"
          "picture or a folder of them) into DIR under its own file name (a HEIC or AVIF\n"
          "photo as NAME.jpg), two at once; a picture that fails is reported and the\n"
          "others go on (the exit status is then 1).\n"
          "\n"
          "options:\n"
          "  --out DIR         render every IN into the folder DIR, made when missing\n"
          "  --strength S      how much of the effect goes onto the picture, 0 to 100\n"
          "                    (default 100): per byte (picture x (100 - S) + effect x S\n"
          "                    + 50) / 100, the same bytes as the preview's slider\n"
          "  --mask FILE       where the effect goes: a grey picture of the photo's size\n"
          "                    (any format), white for the full effect, black for none;\n"
          "                    per byte, with the mask's value m, (picture x (25500 - S m)\n"
          "                    + effect x S m + 12750) / 25500, the same bytes as the\n"
          "                    preview's mask\n") +
      kWriteEntries + kBatchEntries + kEffectEntries + kStripEntry + "\n" + kColourAnswers + "\n" +
      kBatchRules;
  const std::string thumbs =
      std::string(
          "Squeezes IN to 105 x 105 pixels and writes the ten thumbnails of CATEGORY as\n"
          "OUTDIR/1.jpg to OUTDIR/10.jpg, creating OUTDIR. CATEGORY is a name or an id\n"
          "from 'quorvane-fx list'.\n"
          "\n"
          "options:\n"
          "  --bmp             write OUTDIR/1.bmp to OUTDIR/10.bmp instead\n") +
      kEffectEntries + kStripEntry + "\n" + kColourAnswers;
  const std::string filter =
      std::string(
          "Applies the filter NAME, with the values ARGS its parameters take, to the\n"
          "picture IN and writes OUT. 'filter --list' names every filter with its\n"
          "parameters, their ranges and defaults; a value outside its range is refused\n"
          "before the picture is read.\n"
          "\n"
          "options:\n"
          "  --seed N          start the noise filters' random numbers from N, so that a\n"
          "                    run can be repeated to the byte\n"
          "  --list            list the filters\n") +
      kStripEntry;
  const std::string convert =
      std::string(
          "Reads the picture IN, whatever its format, and writes it to OUT in the format\n"
          "OUT's extension names: JPEG (quality 90), BMP, PNG, WebP or TIFF.\n"
          "\n"
          "options:\n") +
      kStripEntry;
  const std::string apply =
      std::string(
          "Puts the steps of the look file LOOK (.qvlook) on the picture IN, one after the\n"
          "other at their own strengths and colours, and writes OUT, as JPEG, BMP, PNG,\n"
          "WebP or TIFF by its extension. The result is the picture the chain of the\n"
          "'render' commands of the look's steps gives. With --out, puts it on every IN\n"
          "and writes each into DIR under its own file name, as render does. A step that\n"
          "leaves its colours to whoever applies the look takes the answers of --color\n"
          "and --cancel-color, in order.\n"
          "\n"
          "options:\n"
          "  --out DIR         put the look on every IN and write them into DIR\n") +
      kWriteEntries + kBatchEntries + kEffectEntries + kStripEntry + "\n" + kBatchRules;
  const std::string look =
      "make writes the steps as a look file, named NAME or else after OUT; show prints\n"
      "the steps of a look file, or of the look a picture saved by the editor\n"
      "carries, on one line in the form make takes. A step is written\n"
      "CATEGORY/N[@STRENGTH][#RRGGBB...][!RRGGBB]: effect N (1 to 10) of CATEGORY (a\n"
      "name from 'quorvane-fx list') at STRENGTH 0 to 100 (default 100), its colour\n"
      "questions answered in order by each #RRGGBB (red first), #- for a cancel, or\n"
      "#? to leave them to whoever applies the look; !RRGGBB is the colour a frame\n"
      "keeps when its question is cancelled. For example:\n"
      "\n"
      "  quorvane-fx look make warm.qvlook light-a/3@60 color/1#FF8000 art/2\n"
      "\n"
      "options:\n"
      "  --name NAME       the look's name (make)\n";
  const std::string list =
      "Lists the effect categories, one a line: the id and the name that CATEGORY\n"
      "takes, the caption of the editor's button and the folder of its artwork.\n";
  return {
      {"render",
       "CATEGORY N IN OUT",
       "render effect N (1-10) of CATEGORY at full size",
       {"quorvane-fx render", "CATEGORY N IN OUT [options]\nCATEGORY N IN... --out DIR [options]",
        render}},
      {"apply",
       "LOOK IN OUT",
       "put the steps of a look file on a picture",
       {"quorvane-fx apply", "LOOK IN OUT [options]\nLOOK IN... --out DIR [options]", apply}},
      {"look",
       "make|show ...",
       "write a look file from steps, or show the steps of a look or a picture",
       {"quorvane-fx look", "make OUT.qvlook [--name NAME] STEP...\nshow LOOK|PICTURE", look}},
      {"thumbs",
       "CATEGORY IN OUTDIR",
       "write the ten 105x105 thumbnails as OUTDIR/N.jpg",
       {"quorvane-fx thumbs", "CATEGORY IN OUTDIR [options]", thumbs}},
      {"filter",
       "NAME [ARGS] IN OUT",
       "apply one of the filters (filter --list names them)",
       {"quorvane-fx filter", "[--seed N] NAME [ARGS] IN OUT [--strip-metadata]\n--list", filter}},
      {"convert",
       "IN OUT",
       "read any picture and write it in OUT's format",
       {"quorvane-fx convert", "IN OUT [--strip-metadata]", convert}},
      {"list",
       "",
       "the effect categories: id, name, caption, asset folder",
       {"quorvane-fx list", "", list}},
  };
}

}  // namespace

const char *const kFxAbout =
    "Renders the effects and filters of the Quorvane photo editor without its\n"
    "window: one picture or a folder's worth, for scripts and batch work.\n";

const char *const kFxPictures =
    "Pictures are read from JPEG, BMP, PNG, WebP, TIFF, HEIC and AVIF files, upright\n"
    "(EXIF orientation). Results keep the input's metadata as far as their format\n"
    "holds it: JPEG and TIFF all of EXIF, XMP, IPTC, colour profile and comments,\n"
    "PNG all but IPTC, WebP EXIF, XMP and the profile, BMP none. --strip-metadata,\n"
    "given to any command that writes, leaves them out.\n";

const std::vector<CommandHelp> &CommandHelps() {
  static const std::vector<CommandHelp> helps = MakeCommandHelps();
  return helps;
}

const CommandHelp *FindCommandHelp(std::string_view name) {
  for (const CommandHelp &help : CommandHelps())
    if (name == help.name) return &help;
  return nullptr;
}

HelpPage OverviewPage() {
  std::string body = std::string(kFxAbout) + "\ncommands:\n";
  for (const CommandHelp &c : CommandHelps()) {
    std::string term = std::string(c.name) + (*c.synopsis ? " " : "") + c.synopsis;
    term.resize(std::max<std::size_t>(term.size() + 2, 27), ' ');
    body += "  " + term + c.summary + "\n";
  }
  body += "\n'quorvane-fx COMMAND --help' tells more of a command and its options.\n\n";
  return {"quorvane-fx", "COMMAND [ARGUMENTS]\n--help | --version", body + kFxPictures};
}

int UsageError(std::string_view command) {
  const CommandHelp *help = FindCommandHelp(command);
  std::fputs(HelpText(help ? help->page : OverviewPage()).c_str(), stderr);
  return 2;
}

}  // namespace qv::cli
