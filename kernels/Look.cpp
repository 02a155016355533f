#include "kernels/Look.h"

#include <sys/stat.h>

#include <charconv>

#include <nlohmann/json.hpp>

#include "codecs/Codecs.h"
#include "gfx/ColorText.h"
#include "gfx/Error.h"
#include "kernels/Categories.h"
#include "kernels/StepJson.h"

namespace qv {

namespace {

using nlohmann::json;

constexpr const char *kFormat = "quorvane-look";
constexpr int kMajor = 1, kMinor = 0;

[[noreturn]] void NotALook(const Text &why) {
  throw Error(Say(QV_TEXT("is not a look: %1"), why));
}

// "1.0" as major and minor.
std::pair<int, int> VersionOf(const json &value) {
  if (!value.is_string()) NotALook(QV_TEXT("its \"version\" is not written as \"MAJOR.MINOR\""));
  const std::string text = value.get<std::string>();
  int major = -1, minor = -1;
  const char *end = text.data() + text.size();
  const auto [dot, e1] = std::from_chars(text.data(), end, major);
  if (e1 != std::errc() || dot == end || *dot != '.' ||
      std::from_chars(dot + 1, end, minor).ptr != end || major < 0 || minor < 0)
    NotALook(Say(QV_TEXT("its version \"%1\" is not written as \"MAJOR.MINOR\""), text));
  return {major, minor};
}

}  // namespace

std::string LookText(const Look &look, bool compact) {
  json steps = json::array();
  for (const Step &step : Effects(look.Steps)) steps.push_back(StepToJson(step));
  const json value = {{"format", kFormat},
                      {"version", std::to_string(kMajor) + "." + std::to_string(kMinor)},
                      {"name", look.Name},
                      {"steps", std::move(steps)}};
  if (compact) return value.dump();
  // One step a line: readable, and a change to one step is one line.
  std::string text = "{\n  \"format\": " + json(kFormat).dump() +
                     ",\n  \"version\": " + value["version"].dump() +
                     ",\n  \"name\": " + json(look.Name).dump() + ",\n  \"steps\": [";
  for (std::size_t i = 0; i < value["steps"].size(); ++i)
    text += std::string(i ? "," : "") + "\n    " + value["steps"][i].dump();
  return text + "\n  ]\n}\n";
}

Look ParseLook(std::string_view text) {
  if (text.size() >= kMaxLookBytes)
    NotALook(Say(QV_TEXT("it has %1 bytes; a look may have less than 1 MB"), text.size()));
  json value;
  try {
    value = json::parse(text.begin(), text.end());
  } catch (const json::exception &e) {
    NotALook(Say(QV_TEXT("it is no JSON (%1)"), e.what()));
  }
  const auto format = value.is_object() ? value.find("format") : value.end();
  if (format == value.end() || !format->is_string() || format->get<std::string>() != kFormat)
    NotALook(QV_TEXT("it does not say \"format\": \"quorvane-look\""));
  const auto version = value.find("version");
  if (version == value.end()) NotALook(QV_TEXT("it has no \"version\""));
  const auto [major, minor] = VersionOf(*version);
  if (major > kMajor)
    throw Error(
        Say(QV_TEXT("is a look of version %1.%2, made by a newer Quorvane; this one reads %3.x"),
            major, minor, kMajor));
  if (major < kMajor) NotALook(Say(QV_TEXT("its version %1 never existed"), major));
  Look look;
  const auto name = value.find("name");
  if (name == value.end() || !name->is_string()) NotALook(QV_TEXT("it has no \"name\""));
  look.Name = name->get<std::string>();
  const auto steps = value.find("steps");
  if (steps == value.end() || !steps->is_array()) NotALook(QV_TEXT("it has no list of \"steps\""));
  if (steps->empty()) NotALook(QV_TEXT("it has no steps"));
  if (steps->size() > kMaxLookSteps)
    throw Error(
        Say(QV_TEXT("has %1 steps; a look may have at most %2"), steps->size(), kMaxLookSteps));
  int position = 0;
  for (const json &step : *steps) look.Steps.push_back(StepFromJson(step, ++position));
  look.Steps = Effects(look.Steps);
  return look;
}

Look ReadLookFile(const std::string &path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
      std::size_t(info.st_size) >= kMaxLookBytes)
    throw Error(
        Say(QV_TEXT("%1: %2"), path,
            Say(QV_TEXT("is not a look: %1"),
                Say(QV_TEXT("it has %1 bytes; a look may have less than 1 MB"), info.st_size))));
  const Bytes bytes = ReadFileBytes(path);
  try {
    return ParseLook({reinterpret_cast<const char *>(bytes.data()), bytes.size()});
  } catch (const Error &e) {
    throw Error(Say(QV_TEXT("%1: %2"), path, e.Message()));
  }
}

void WriteLookFile(const std::string &path, const Look &look) {
  const std::string text = LookText(look);
  WriteFileBytes(path, {reinterpret_cast<const std::uint8_t *>(text.data()), text.size()});
}

std::string StepText(const Step &step) {
  const Category *category = FindCategory(step.Category);
  std::string text = category ? category->Name : "?";
  text += '/';
  text.append(std::to_string(step.Number));
  if (step.Strength != kFullStrength) {
    text += '@';
    text.append(std::to_string(step.Strength));
  }
  if (step.AsksWhenApplied()) text += "#?";
  for (const auto &answer : step.Colors) {
    text += '#';
    text.append(answer ? ColorText(*answer) : "-");
  }
  if (step.PickedColors && step.Brush != clWhite) {
    text += '!';
    text.append(ColorText(step.Brush));
  }
  return text;
}

Step ParseStepText(std::string_view text, int position) {
  auto refuse = [position, text](const Text &problem) {
    throw Error(Say(QV_TEXT("step %1 (%2): %3"), position, text, problem));
  };
  const std::size_t slash = text.find('/');
  if (slash == std::string_view::npos)
    refuse(QV_TEXT("write it as CATEGORY/N[@STRENGTH][#RRGGBB...]"));
  const std::string name(text.substr(0, slash));
  const Category *category = FindCategory(name);
  if (!category || name.empty() || (name[0] >= '0' && name[0] <= '9'))
    refuse(Say(QV_TEXT("there is no effect \"%1\" (see 'quorvane-fx list')"), name));
  Step step;
  step.Category = category->Id;
  // The number and the strength: digits up to the next mark.
  std::size_t at = slash + 1;
  auto digits = [&](MarkedText what) {
    const std::size_t from = at;
    long long value = 0;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9' && value < 1'000'000)
      value = value * 10 + (text[at++] - '0');
    if (at == from) refuse(Say(QV_TEXT("no %1 where one belongs"), what));
    return int(value);
  };
  step.Number = digits(QV_TEXT("effect number"));
  if (step.Number < 1 || step.Number > kThumbnailCount)
    refuse(Say(QV_TEXT("%1 has no effect %2 (it has 1 to 10)"), category->Name, step.Number));
  if (at < text.size() && text[at] == '@') {
    ++at;
    step.Strength = digits(QV_TEXT("strength"));
    if (!StrengthInRange(step.Strength))
      refuse(Say(QV_TEXT("the strength %1 is outside 0 to 100"), step.Strength));
  }
  bool asks = false;
  while (at < text.size()) {
    const char mark = text[at++];
    const std::size_t end = std::min(text.find_first_of("#!", at), text.size());
    const std::string value(text.substr(at, end - at));
    at = end;
    if (mark == '#' && value == "?") {
      asks = true;
    } else if (mark == '#' && value == "-") {
      step.Colors.push_back(std::nullopt);
    } else if (const auto color = ParseColorText(value); color && (mark == '#' || mark == '!')) {
      if (mark == '#') step.Colors.push_back(*color);
      if (mark == '!') step.Brush = *color;
    } else {
      refuse(Say(QV_TEXT("\"%1\" is no colour; write it as #RRGGBB"), mark + value));
    }
    step.PickedColors = true;
  }
  if (asks && !step.Colors.empty())
    refuse(QV_TEXT("#? leaves the colours open: give none beside it"));
  return step;
}

}  // namespace qv
