#pragma once

// The subcommands of quorvane-fx. Each lives in a file of its own and is
// listed once in the table of main.cpp.

#include <string>
#include <vector>

namespace qv::cli {

using Args = std::vector<std::string>;

// Every command returns the process exit status; failures of the engine
// arrive as qv::Error and are reported by main as one line.
int ConvertCommand(const Args &args);

}  // namespace qv::cli
