// qv-manpage: writes quorvane(1) or quorvane-fx(1) at build time from the
// programs' own help pages and a template of the page.
//
//   qv-manpage quorvane|quorvane-fx TEMPLATE OUT NAME=VALUE...
//
// The template's @NAME@ take the values given (VERSION, DATE, DATADIR),
// and @SYNOPSIS@, @DESCRIPTION@, @OPTIONS@ and @COMMANDS@ the help.

#include <cstdio>
#include <exception>
#include <fstream>
#include <iterator>
#include <map>
#include <stdexcept>
#include <string>

#include "app/EditorHelp.h"
#include "cli/Help.h"
#include "dist/ManPage.h"

namespace {

using Values = std::map<std::string, std::string>;

// The editor's page: its body up to the first heading describes it, the rest
// are its options.
void EditorValues(Values &values) {
  const qv::cli::HelpPage page = qv::EditorHelpPage();
  const std::size_t options = page.body.find("\n\noptions:\n");
  const std::size_t split = options == std::string::npos ? page.body.size() : options + 2;
  values["SYNOPSIS"] = qv::dist::RoffSynopsis(page);
  values["DESCRIPTION"] = qv::dist::RoffBody(page.body.substr(0, split), qv::dist::Depth::Page);
  values["OPTIONS"] = qv::dist::RoffBody(page.body.substr(split), qv::dist::Depth::Page);
}

// The renderer's page: every command's forms in the synopsis, and a
// section of its own for each.
void RendererValues(Values &values) {
  std::string synopsis, commands;
  for (const qv::cli::CommandHelp &c : qv::cli::CommandHelps()) {
    synopsis += qv::dist::RoffSynopsis(c.page);
    commands += ".SS " + qv::dist::RoffText(c.name) + "\n" +
                qv::dist::RoffBody(c.page.body, qv::dist::Depth::Subsection);
  }
  qv::cli::HelpPage overview = qv::cli::OverviewPage();
  overview.forms = "--help | --version";
  values["SYNOPSIS"] = synopsis + qv::dist::RoffSynopsis(overview);
  values["DESCRIPTION"] = qv::dist::RoffBody(
      std::string(qv::cli::kFxAbout) + "\n" + qv::cli::kFxPictures, qv::dist::Depth::Page);
  values["COMMANDS"] = commands;
}

}  // namespace

int main(int argc, char **argv) {
  if (argc < 4) {
    std::fputs("usage: qv-manpage quorvane|quorvane-fx TEMPLATE OUT NAME=VALUE...\n", stderr);
    return 2;
  }
  const std::string program = argv[1];
  Values values;
  for (int i = 4; i < argc; ++i) {
    const std::string pair = argv[i];
    const std::size_t eq = pair.find('=');
    if (eq == std::string::npos) {
      std::fprintf(stderr, "qv-manpage: '%s' is not NAME=VALUE\n", argv[i]);
      return 2;
    }
    values[pair.substr(0, eq)] = pair.substr(eq + 1);
  }
  if (program == "quorvane") {
    EditorValues(values);
  } else if (program == "quorvane-fx") {
    RendererValues(values);
  } else {
    std::fprintf(stderr, "qv-manpage: no help page for '%s'\n", argv[1]);
    return 2;
  }
  std::ifstream in(argv[2]);
  const std::string page((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  try {
    if (!in) throw std::runtime_error(std::string("cannot read ") + argv[2]);
    std::ofstream out(argv[3]);
    out << qv::dist::FillTemplate(page, values);
    if (!out.flush()) throw std::runtime_error(std::string("cannot write ") + argv[3]);
  } catch (const std::exception &e) {
    std::fprintf(stderr, "qv-manpage: %s\n", e.what());
    return 1;
  }
  return 0;
}
