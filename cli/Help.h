#pragma once

// What `--help` says, for quorvane-fx and each of its commands. The manual
// pages are made from the same pages at build time (dist/ManPage), so the
// two never tell different stories.
//
// A page's body follows a small layout that both readers understand:
// paragraphs separated by blank lines, a heading as a line of its own that
// ends with ':', and entries as "  TERM  text", continued on lines indented
// further.

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace qv::cli {

struct HelpPage {
  std::string program;  // "quorvane-fx render"
  std::string forms;    // the ways to call it, one a line, each without the program
  std::string body;
};

// "usage: PROGRAM FORM" for each form, then the body.
inline std::string HelpText(const HelpPage &page) {
  std::string text, prefix = "usage: ";
  std::size_t at = 0;
  do {
    const std::size_t end = std::min(page.forms.find('\n', at), page.forms.size());
    const std::string form = page.forms.substr(at, end - at);
    text += prefix + page.program + (form.empty() ? "" : " ") + form + "\n";
    prefix = "       ";
    at = end + 1;
  } while (at < page.forms.size());
  return text + page.body;
}

struct CommandHelp {
  const char *name;      // "render"
  const char *synopsis;  // the overview's short form, "CATEGORY N IN OUT"
  const char *summary;   // the overview's one line
  HelpPage page;         // `quorvane-fx NAME --help`
};

// Every command, in the order the overview lists them.
const std::vector<CommandHelp> &CommandHelps();
const CommandHelp *FindCommandHelp(std::string_view name);

// `quorvane-fx --help`. Its parts stand apart for the manual page, which
// gives the commands sections of their own.
HelpPage OverviewPage();
extern const char *const kFxAbout;     // what the program is for
extern const char *const kFxPictures;  // the formats it reads and writes, and metadata

// A command line the command cannot take: its help on standard error, and
// the exit status for that (2).
int UsageError(std::string_view command);

}  // namespace qv::cli
