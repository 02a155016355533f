#include "kernels/StepJson.h"

#include "gfx/Error.h"
#include "kernels/Categories.h"

namespace qv {

namespace {

using nlohmann::json;

[[noreturn]] void Refuse(int position, const std::string &problem) {
  throw Error("step " + std::to_string(position) + ": " + problem);
}

// An integer member, or `otherwise` when the key is absent.
int IntegerOf(const json &object, const char *key, int otherwise, int position) {
  const auto it = object.find(key);
  if (it == object.end()) return otherwise;
  if (!it->is_number_integer())
    Refuse(position, std::string("\"") + key + "\" is not a whole number");
  const long long value = it->get<long long>();
  // Anything beyond an int is out of every range the callers check.
  return value > 1'000'000 ? 1'000'000 : value < -1'000'000 ? -1'000'000 : int(value);
}

TColor ColorOf(const json &value, int position) {
  if (!value.is_string()) Refuse(position, "a colour is not written as RRGGBB");
  const std::string text = value.get<std::string>();
  const auto color = ParseColorText(text);
  if (!color) Refuse(position, "the colour \"" + text + "\" is not RRGGBB");
  return *color;
}

}  // namespace

json StepToJson(const Step &step) {
  if (step.IsLook()) {
    json steps = json::array();
    for (const Step &inner : step.LookSteps) steps.push_back(StepToJson(inner));
    json value = {{"look", step.Look}, {"steps", std::move(steps)}};
    if (step.Strength != kFullStrength) value["strength"] = step.Strength;
    return value;
  }
  const Category *category = FindCategory(step.Category);
  json value = {{"effect", category ? category->Name : "?"},
                {"number", step.Number},
                {"strength", step.Strength}};
  if (step.PickedColors) {
    json colors = json::array();
    for (const auto &answer : step.Colors)
      colors.push_back(answer ? json(ColorText(*answer)) : json(nullptr));
    value["colors"] = std::move(colors);
    if (step.Brush != clWhite) value["brush"] = ColorText(step.Brush);
  }
  return value;
}

Step StepFromJson(const json &value, int position) {
  if (!value.is_object()) Refuse(position, "is not an object");
  if (const auto look = value.find("look"); look != value.end()) {
    const auto steps = value.find("steps");
    if (!look->is_string() || steps == value.end() || !steps->is_array() || steps->empty())
      Refuse(position, "is a look without its steps");
    Step step;
    step.Look = look->get<std::string>();
    for (const json &inner : *steps) {
      Step effect = StepFromJson(inner, position);
      if (effect.IsLook()) Refuse(position, "a look within a look is not allowed");
      step.LookSteps.push_back(std::move(effect));
    }
    step.Strength = IntegerOf(value, "strength", kFullStrength, position);
    if (!StrengthInRange(step.Strength))
      Refuse(position, "the strength " + std::to_string(step.Strength) + " is outside 0 to 100");
    return step;
  }
  const auto effect = value.find("effect");
  if (effect == value.end() || !effect->is_string()) Refuse(position, "names no effect");
  const std::string name = effect->get<std::string>();
  const Category *category = FindCategory(name);
  // A category is named, never numbered, in a file meant to last.
  if (!category || name.empty() || (name[0] >= '0' && name[0] <= '9'))
    Refuse(position, "there is no effect \"" + name + "\"");
  Step step;
  step.Category = category->Id;
  step.Number = IntegerOf(value, "number", 0, position);
  if (step.Number < 1 || step.Number > kThumbnailCount)
    Refuse(position, std::string(category->Name) + " has no effect " + std::to_string(step.Number) +
                         " (it has 1 to 10)");
  step.Strength = IntegerOf(value, "strength", kFullStrength, position);
  if (!StrengthInRange(step.Strength))
    Refuse(position, "the strength " + std::to_string(step.Strength) + " is outside 0 to 100");
  if (const auto colors = value.find("colors"); colors != value.end()) {
    if (!colors->is_array()) Refuse(position, "\"colors\" is not a list");
    step.PickedColors = true;
    for (const json &answer : *colors)
      step.Colors.push_back(answer.is_null() ? std::nullopt
                                             : std::optional<TColor>(ColorOf(answer, position)));
  }
  if (const auto brush = value.find("brush"); brush != value.end())
    step.Brush = ColorOf(*brush, position);
  return step;
}

}  // namespace qv
