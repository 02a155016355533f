#include "dist/ManPage.h"

#include <cctype>
#include <stdexcept>
#include <vector>

namespace qv::dist {

namespace {

std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    lines.push_back(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  }
  return lines;
}

std::size_t Indent(std::string_view line) {
  const std::size_t first = line.find_first_not_of(' ');
  return first == std::string_view::npos ? line.size() : first;
}

std::string_view Trimmed(std::string_view line) {
  line.remove_prefix(Indent(line));
  return line;
}

bool IsHeading(std::string_view line) {
  return !line.empty() && line[0] != ' ' && line.back() == ':' &&
         line.find(' ') == std::string_view::npos;
}

// "  TERM  text": two spaces in, then a term, then a gap of two or more.
bool SplitEntry(std::string_view line, std::string_view &term, std::string_view &text) {
  if (Indent(line) != 2) return false;
  const std::size_t gap = line.find("  ", 2);
  if (gap == std::string_view::npos) return false;
  term = line.substr(2, gap - 2);
  text = Trimmed(line.substr(gap));
  return !text.empty();
}

std::string Capitalised(std::string_view word) {
  std::string out(word);
  if (!out.empty()) out[0] = char(std::toupper(static_cast<unsigned char>(out[0])));
  return out;
}

std::string Upper(std::string_view word) {
  std::string out(word);
  for (char &c : out) c = char(std::toupper(static_cast<unsigned char>(c)));
  return out;
}

bool IsWordChar(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_';
}

std::string Escaped(std::string_view text, bool lineStart) {
  std::string out;
  for (const char c : text) {
    if (lineStart && (c == '.' || c == '\'')) out += "\\&";
    if (c == '\\')
      out += "\\e";
    else if (c == '-')
      out += "\\-";
    else
      out += c;
    lineStart = c == '\n';
  }
  return out;
}

}  // namespace

std::string RoffText(std::string_view text) {
  return Escaped(text, true);
}

std::string RoffTerm(std::string_view term) {
  std::string out;
  for (std::size_t i = 0; i < term.size();) {
    if (!IsWordChar(term[i])) {
      out += Escaped(term.substr(i, 1), out.empty());
      ++i;
      continue;
    }
    std::size_t end = i;
    while (end < term.size() && IsWordChar(term[end])) ++end;
    const std::string_view word = term.substr(i, end - i);
    bool replaceable = word[0] != '-';
    bool hasUpper = false;
    for (const char c : word) {
      if (std::islower(static_cast<unsigned char>(c))) replaceable = false;
      if (std::isupper(static_cast<unsigned char>(c))) hasUpper = true;
    }
    out += (replaceable && hasUpper ? "\\fI" : "\\fB") + Escaped(word, false) + "\\fR";
    i = end;
  }
  return out;
}

std::string RoffSynopsis(const cli::HelpPage &page) {
  std::string out = ".nf\n";
  std::vector<std::string_view> forms = Lines(page.forms);
  if (forms.empty()) forms.push_back({});  // the program alone
  for (const std::string_view form : forms) {
    out += RoffTerm(page.program);
    if (!form.empty()) out.append(" ").append(RoffTerm(form));
    out += "\n";
  }
  return out + ".fi\n";
}

std::string RoffBody(std::string_view body, Depth depth) {
  std::string out;
  // What the last line written began: a following line indented further
  // goes on with it; one of its own indent goes on with a paragraph only.
  enum { Nothing, Paragraph, Entry } open = Nothing;
  for (const std::string_view line : Lines(body)) {
    std::string_view term, text;
    if (Trimmed(line).empty()) {
      open = Nothing;
    } else if (IsHeading(line)) {
      const std::string_view name = line.substr(0, line.size() - 1);
      out += depth == Depth::Page      ? ".SH " + Upper(name) + "\n"
             : depth == Depth::Section ? ".SS " + Capitalised(name) + "\n"
                                       : ".PP\n.B " + Capitalised(name) + "\n";
      open = Nothing;
    } else if (SplitEntry(line, term, text)) {
      out += ".TP\n" + RoffTerm(term) + "\n" + RoffText(text) + "\n";
      open = Entry;
    } else {
      const std::size_t indent = Indent(line);
      const bool goesOn = (open == Paragraph && indent != 2) || (open == Entry && indent > 2);
      if (!goesOn) out += ".PP\n";
      out += RoffText(Trimmed(line)) + "\n";
      if (!goesOn) open = Paragraph;
    }
  }
  return out;
}

std::string FillTemplate(std::string_view page, const std::map<std::string, std::string> &values) {
  std::string out;
  for (std::size_t i = 0; i < page.size();) {
    const std::size_t at = page.find('@', i);
    const std::size_t close = at == std::string_view::npos ? at : page.find('@', at + 1);
    if (close == std::string_view::npos) {
      out += page.substr(i);
      break;
    }
    const std::string name(page.substr(at + 1, close - at - 1));
    bool isName = !name.empty();
    for (const char c : name)
      isName = isName && (std::isupper(static_cast<unsigned char>(c)) || c == '_');
    out += page.substr(i, at - i);
    if (!isName) {  // an @ of the text itself
      out += '@';
      i = at + 1;
      continue;
    }
    const auto value = values.find(name);
    if (value == values.end()) throw std::invalid_argument("no value for @" + name + "@");
    out += value->second;
    i = close + 1;
    const bool wholeLine = (at == 0 || page[at - 1] == '\n') && i < page.size() && page[i] == '\n';
    if (wholeLine && !value->second.empty() && value->second.back() == '\n') ++i;
  }
  return out;
}

}  // namespace qv::dist
