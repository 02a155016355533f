#include "kernels/StepJson.h"

#include <cmath>

#include "gfx/Error.h"
#include "kernels/Categories.h"

namespace qv {

namespace {

using nlohmann::json;

[[noreturn]] void Refuse(int position, const Text &problem) {
  throw Error(Say(QV_TEXT("step %1: %2"), position, problem));
}

// An integer member, or `otherwise` when the key is absent.
int IntegerOf(const json &object, const char *key, int otherwise, int position) {
  const auto it = object.find(key);
  if (it == object.end()) return otherwise;
  if (!it->is_number_integer()) Refuse(position, Say(QV_TEXT("\"%1\" is not a whole number"), key));
  const long long value = it->get<long long>();
  // Anything beyond an int is out of every range the callers check.
  return value > 1'000'000 ? 1'000'000 : value < -1'000'000 ? -1'000'000 : int(value);
}

TColor ColorOf(const json &value, int position) {
  if (!value.is_string()) Refuse(position, QV_TEXT("a colour is not written as RRGGBB"));
  const std::string text = value.get<std::string>();
  const auto color = ParseColorText(text);
  if (!color) Refuse(position, Say(QV_TEXT("the colour \"%1\" is not RRGGBB"), text));
  return *color;
}

// Millionths as the decimal they stand for: 0.25, 0.333333.
json Relative(std::int32_t millionths) {
  return json(double(millionths) / kMaskUnit);
}

std::int32_t MillionthsOf(const json &value, double low, double high, MarkedText what,
                          int position) {
  if (!value.is_number() || !(value.get<double>() >= low && value.get<double>() <= high))
    Refuse(position, Say(QV_TEXT("the mask's %1"), what));
  return std::int32_t(std::llround(value.get<double>() * kMaskUnit));
}

json ShapeToJson(const MaskShape &shape) {
  json value = json::object();
  if (shape.Kind != MaskShape::Form::None) {
    json points = {Relative(shape.X0), Relative(shape.Y0), Relative(shape.X1), Relative(shape.Y1)};
    value[shape.Kind == MaskShape::Form::Linear ? "linear" : "radial"] = std::move(points);
    if (shape.Kind == MaskShape::Form::Radial) value["feather"] = Relative(shape.Feather);
  }
  value["invert"] = shape.Invert;
  return value;
}

MaskShape ShapeFromJson(const json &value, int position) {
  if (!value.is_object()) Refuse(position, QV_TEXT("\"mask\" is not an object"));
  MaskShape shape;
  const auto linear = value.find("linear"), radial = value.find("radial");
  if (linear != value.end() && radial != value.end())
    Refuse(position, QV_TEXT("the mask is both linear and radial"));
  const auto points = linear != value.end() ? linear : radial;
  if (points != value.end()) {
    shape.Kind = linear != value.end() ? MaskShape::Form::Linear : MaskShape::Form::Radial;
    const char *name = linear != value.end() ? "linear" : "radial";
    if (!points->is_array() || points->size() != 4)
      Refuse(position, Say(QV_TEXT("the mask's \"%1\" is not four numbers"), name));
    const double lowest = double(kMaskLowest) / kMaskUnit,
                 highest = double(kMaskHighest) / kMaskUnit;
    shape.X0 =
        MillionthsOf((*points)[0], lowest, highest, QV_TEXT("points must be -1 to 2"), position);
    shape.Y0 =
        MillionthsOf((*points)[1], lowest, highest, QV_TEXT("points must be -1 to 2"), position);
    if (shape.Kind == MaskShape::Form::Linear) {
      shape.X1 =
          MillionthsOf((*points)[2], lowest, highest, QV_TEXT("points must be -1 to 2"), position);
      shape.Y1 =
          MillionthsOf((*points)[3], lowest, highest, QV_TEXT("points must be -1 to 2"), position);
      if (shape.X0 == shape.X1 && shape.Y0 == shape.Y1)
        Refuse(position, QV_TEXT("the mask's two points are the same"));
    } else {
      shape.X1 = MillionthsOf((*points)[2], 1e-6, highest,
                              QV_TEXT("radii must be above 0 and at most 2"), position);
      shape.Y1 = MillionthsOf((*points)[3], 1e-6, highest,
                              QV_TEXT("radii must be above 0 and at most 2"), position);
      if (const auto feather = value.find("feather"); feather != value.end())
        shape.Feather = MillionthsOf(*feather, 0, 1, QV_TEXT("feather must be 0 to 1"), position);
    }
  }
  if (const auto invert = value.find("invert"); invert != value.end()) {
    if (!invert->is_boolean())
      Refuse(position, QV_TEXT("the mask's \"invert\" is not true or false"));
    shape.Invert = invert->get<bool>();
  }
  return shape;
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
  }
  // Written whenever a reader would take it, so that a step reads back as
  // it was written.
  if (step.Brush != clWhite) value["brush"] = ColorText(step.Brush);
  if (!step.Mask.Shape.Empty()) value["mask"] = ShapeToJson(step.Mask.Shape);
  return value;
}

Step StepFromJson(const json &value, int position) {
  if (!value.is_object()) Refuse(position, QV_TEXT("is not an object"));
  if (const auto look = value.find("look"); look != value.end()) {
    const auto steps = value.find("steps");
    if (!look->is_string() || steps == value.end() || !steps->is_array() || steps->empty())
      Refuse(position, QV_TEXT("is a look without its steps"));
    Step step;
    step.Look = look->get<std::string>();
    for (const json &inner : *steps) {
      Step effect = StepFromJson(inner, position);
      if (effect.IsLook()) Refuse(position, QV_TEXT("a look within a look is not allowed"));
      step.LookSteps.push_back(std::move(effect));
    }
    step.Strength = IntegerOf(value, "strength", kFullStrength, position);
    if (!StrengthInRange(step.Strength))
      Refuse(position, Say(QV_TEXT("the strength %1 is outside 0 to 100"), step.Strength));
    return step;
  }
  const auto effect = value.find("effect");
  if (effect == value.end() || !effect->is_string()) Refuse(position, QV_TEXT("names no effect"));
  const std::string name = effect->get<std::string>();
  const Category *category = FindCategory(name);
  // A category is named, never numbered, in a file meant to last.
  if (!category || name.empty() || (name[0] >= '0' && name[0] <= '9'))
    Refuse(position, Say(QV_TEXT("there is no effect \"%1\""), name));
  Step step;
  step.Category = category->Id;
  step.Number = IntegerOf(value, "number", 0, position);
  if (step.Number < 1 || step.Number > kThumbnailCount)
    Refuse(position,
           Say(QV_TEXT("%1 has no effect %2 (it has 1 to 10)"), category->Name, step.Number));
  step.Strength = IntegerOf(value, "strength", kFullStrength, position);
  if (!StrengthInRange(step.Strength))
    Refuse(position, Say(QV_TEXT("the strength %1 is outside 0 to 100"), step.Strength));
  if (const auto colors = value.find("colors"); colors != value.end()) {
    if (!colors->is_array()) Refuse(position, QV_TEXT("\"colors\" is not a list"));
    step.PickedColors = true;
    for (const json &answer : *colors)
      step.Colors.push_back(answer.is_null() ? std::nullopt
                                             : std::optional<TColor>(ColorOf(answer, position)));
  }
  if (const auto brush = value.find("brush"); brush != value.end())
    step.Brush = ColorOf(*brush, position);
  if (const auto mask = value.find("mask"); mask != value.end())
    step.Mask.Shape = ShapeFromJson(*mask, position);
  return step;
}

}  // namespace qv
