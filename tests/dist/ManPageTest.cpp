// The help pages set in roff for the manual pages.

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "app/EditorHelp.h"
#include "cli/Help.h"
#include "dist/ManPage.h"

namespace qv::dist {
namespace {

TEST(ManPage, TextAndTermsAreEscapedAndMarkedUp) {
  const std::pair<std::string, std::string> texts[] = {
      {"full-size", "full\\-size"},
      {".hidden\n'quoted' and . 'mid-line'", "\\&.hidden\n\\&'quoted' and . 'mid\\-line'"},
      {"C:\\pics", "C:\\epics"},
  };
  for (const auto &[text, roff] : texts) EXPECT_EQ(RoffText(text), roff) << text;
  const std::pair<std::string, std::string> terms[] = {
      {"--assets DIR", "\\fB\\-\\-assets\\fR \\fIDIR\\fR"},
      {"-h, --help", "\\fB\\-h\\fR, \\fB\\-\\-help\\fR"},
      {"[--seed N] NAME [ARGS]", "[\\fB\\-\\-seed\\fR \\fIN\\fR] \\fINAME\\fR [\\fIARGS\\fR]"},
      {"render IN... --out DIR", "\\fBrender\\fR \\fIIN\\fR... \\fB\\-\\-out\\fR \\fIDIR\\fR"},
      {"--help | --version", "\\fB\\-\\-help\\fR | \\fB\\-\\-version\\fR"},
      {".x", "\\&.\\fBx\\fR"},
  };
  for (const auto &[term, roff] : terms) EXPECT_EQ(RoffTerm(term), roff) << term;
}

TEST(ManPage, BodiesBecomeParagraphsHeadingsAndTaggedEntries) {
  const std::string body =
      "Renders a picture,\n"
      "at full size.\n"
      "\n"
      "options:\n"
      "  --out DIR     into DIR,\n"
      "                made when missing\n"
      "  -q            quietly\n"
      "  Once given, kept.\n";
  const std::string entries =
      ".TP\n\\fB\\-\\-out\\fR \\fIDIR\\fR\ninto DIR,\nmade when missing\n"
      ".TP\n\\fB\\-q\\fR\nquietly\n"
      ".PP\nOnce given, kept.\n";
  const std::pair<Depth, std::string> depths[] = {
      {Depth::Page, ".SH OPTIONS\n"},
      {Depth::Section, ".SS Options\n"},
      {Depth::Subsection, ".PP\n.B Options\n"},
  };
  for (const auto &[depth, heading] : depths)
    EXPECT_EQ(RoffBody(body, depth),
              ".PP\nRenders a picture,\nat full size.\n" + heading + entries);
}

// The help texts keep the layout the pages are made from: every option a
// page names in an entry comes out as a tagged paragraph of its own.
TEST(ManPage, EveryOptionOfEveryHelpPageIsAnEntry) {
  std::vector<cli::HelpPage> pages = {EditorHelpPage(), cli::OverviewPage()};
  for (const cli::CommandHelp &c : cli::CommandHelps()) pages.push_back(c.page);
  for (const cli::HelpPage &page : pages) {
    const std::string roff = RoffBody(page.body, Depth::Subsection);
    for (std::size_t at = page.body.find("\n  -"); at != std::string::npos;
         at = page.body.find("\n  -", at + 1)) {
      const std::size_t end = page.body.find_first_of(" ,", at + 3);
      const std::string option = page.body.substr(at + 3, end - at - 3);
      EXPECT_NE(roff.find(".TP\n" + RoffTerm(option)), std::string::npos)
          << page.program << ": " << option << " in\n"
          << roff;
    }
    EXPECT_EQ(roff.find("\n  "), std::string::npos) << page.program << ": unset text\n" << roff;
  }
}

TEST(ManPage, TemplatesAreFilledWholeOrRefused) {
  const std::map<std::string, std::string> values = {
      {"VERSION", "1.2.3"}, {"SYNOPSIS", ".nf\nx\n.fi\n"}, {"EMPTY", ""}};
  const std::pair<std::string, std::string> fills[] = {
      {".TH X 1 \"Q @VERSION@\"\n", ".TH X 1 \"Q 1.2.3\"\n"},
      {".SH SYNOPSIS\n@SYNOPSIS@\n.SH NEXT\n", ".SH SYNOPSIS\n.nf\nx\n.fi\n.SH NEXT\n"},
      {"a\n@EMPTY@\nb\n", "a\n\nb\n"},
      {"mail dev@example.org @VERSION@", "mail dev@example.org 1.2.3"},
  };
  for (const auto &[page, filled] : fills) EXPECT_EQ(FillTemplate(page, values), filled) << page;
  EXPECT_THROW(FillTemplate("@DATE@\n", values), std::invalid_argument);
}

}  // namespace
}  // namespace qv::dist
