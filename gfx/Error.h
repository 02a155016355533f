#pragma once

// The engine's messages and its one exception type.
//
// A message is kept as its English template ("Cannot open file %1: %2") and
// its arguments, so that the editor can show it in the user's language
// while the command line prints the English. QV_TEXT marks every template
// where it is written: only a marked literal becomes a translatable Text,
// and the translations' test finds every one of them in the sources.

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

namespace qv {

struct MarkedText {
  const char *English;
};

#define QV_TEXT(english) (::qv::MarkedText{english})

class Text {
 public:
  Text() : verbatim_(true) {}                             // nothing to say
  Text(MarkedText marked) : template_(marked.English) {}  // NOLINT: a marked literal is a text

  // Words that are not translated: a file name, a number, a library's text.
  static Text Verbatim(std::string words) {
    Text text;
    text.template_ = std::move(words);
    text.verbatim_ = true;
    return text;
  }

  bool IsVerbatim() const { return verbatim_; }
  bool Empty() const { return verbatim_ && template_.empty(); }
  const std::string &Template() const { return template_; }
  const std::vector<Text> &Arguments() const { return arguments_; }

  // The template with %1 to %9 replaced by the arguments' English.
  std::string English() const;
  // `form` (this text's template, or its translation) with each %1 to %9
  // that names an argument replaced, once and left to right, by what `say`
  // makes of that argument: a "%2" inside an argument stays as it is.
  std::string Fill(std::string_view form,
                   const std::function<std::string(const Text &)> &say) const;

  // The argument list of Say(): a Text stays a message, strings and
  // numbers are verbatim.
  static Text Argument(Text text) { return text; }
  static Text Argument(MarkedText marked) { return Text(marked); }
  static Text Argument(const char *words) { return Verbatim(words); }
  static Text Argument(std::string_view words) { return Verbatim(std::string(words)); }
  static Text Argument(const std::string &words) { return Verbatim(words); }
  template <class Number, std::enable_if_t<std::is_integral_v<Number>, int> = 0>
  static Text Argument(Number number) {
    return Verbatim(std::to_string(number));
  }

  void Append(Text argument) { arguments_.push_back(std::move(argument)); }

 private:
  std::string template_;
  std::vector<Text> arguments_;
  bool verbatim_ = false;
};

// A marked template with its arguments, as in
//   Refuse(Say(QV_TEXT("its item %1 is declared twice"), id));
template <class... Args>
Text Say(MarkedText format, const Args &...args) {
  Text text(format);
  (text.Append(Text::Argument(args)), ...);
  return text;
}

// The one exception type of the engine. Its what() is the complete English
// message (the command line's); Message() keeps it for translation.
class Error : public std::runtime_error {
 public:
  Error(Text text) : std::runtime_error(text.English()), text_(std::move(text)) {}  // NOLINT
  Error(MarkedText marked) : Error(Text(marked)) {}                                 // NOLINT

  const Text &Message() const { return text_; }

 private:
  Text text_;
};

}  // namespace qv
