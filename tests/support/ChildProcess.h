#pragma once

// Runs a program as a child process with a time limit, capturing what it
// prints and how much memory it took at its peak.

#include <string>
#include <vector>

namespace qv::test {

struct ChildLimits {
  double Seconds = 120;      // killed after this long
  long long FileBytes = -1;  // RLIMIT_FSIZE for the child; -1: none
};

struct ChildResult {
  bool TimedOut = false;
  int Signal = 0;     // the signal that ended it, or 0
  int ExitCode = -1;  // when it exited by itself
  std::string Out, Err;
  long long PeakRssBytes = 0;
  double Seconds = 0;     // from start to end, as the clock on the wall measures it
  double CpuSeconds = 0;  // of the processor, its own and the system's for it
};

ChildResult RunChild(const std::vector<std::string> &argv, const ChildLimits &limits = {});

}  // namespace qv::test
