#pragma once

// Manual pages from the help pages of the programs (cli/Help.h): the same
// text as --help, set in roff, into a page template that adds what only
// a manual holds (exit status, files, examples).

#include <map>
#include <string>
#include <string_view>

#include "cli/Help.h"

namespace qv::dist {

// Text escaped for roff: backslashes, minus signs (so that options can be
// searched for and pasted), and a dot or quote at the start of a line.
std::string RoffText(std::string_view text);

// A term of the help's layout: options and command words in bold, the
// words to replace (upper case) in italics, punctuation as it stands.
std::string RoffTerm(std::string_view term);

// The ways to call the program, one a line, unfilled.
std::string RoffSynopsis(const cli::HelpPage &page);

// How deep a body sits: headings become .SH (a page's own body), .SS or a
// bold line (a body inside a subsection).
enum class Depth { Page, Section, Subsection };

// A help page's body: paragraphs, headings and entries (tagged paragraphs).
std::string RoffBody(std::string_view body, Depth depth);

// The template with every @NAME@ replaced by its value; a value that ends
// in a newline stands in for its whole line. An unknown name is an error
// (std::invalid_argument), so that a page never ships with one unfilled.
std::string FillTemplate(std::string_view page, const std::map<std::string, std::string> &values);

}  // namespace qv::dist
