#pragma once

// The real quorvane-fx run as a user runs it (its path in QV_FX_PATH), with
// its exit status and what it printed.

#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace qv::test {

struct Outcome {
  int status = -1;
  std::string output;  // standard output and error together
};

inline Outcome RunFx(const std::string &arguments) {
  const std::string command = std::string("'") + QV_FX_PATH + "' " + arguments + " 2>&1";
  Outcome result;
  FILE *pipe = ::popen(command.c_str(), "r");
  if (!pipe) return result;
  char chunk[512];
  while (std::size_t n = std::fread(chunk, 1, sizeof chunk, pipe)) result.output.append(chunk, n);
  const int raw = ::pclose(pipe);
  result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return result;
}

}  // namespace qv::test
