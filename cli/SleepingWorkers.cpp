#include "cli/SleepingWorkers.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace qv {

void PreferSleepingWorkers() {
  if (std::getenv("OMP_WAIT_POLICY")) return;
  if (::setenv("OMP_WAIT_POLICY", "passive", 0) != 0) return;
  // The command line as the kernel keeps it: arguments ended by NULs.
  std::ifstream file("/proc/self/cmdline", std::ios::binary);
  const std::string line((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  std::vector<char *> argv;
  for (std::size_t start = 0; start < line.size();) {
    const std::size_t end = line.find('\0', start);
    argv.push_back(const_cast<char *>(line.c_str()) + start);
    if (end == std::string::npos) break;
    start = end + 1;
  }
  if (argv.empty()) return;
  argv.push_back(nullptr);
  ::execv("/proc/self/exe", argv.data());  // returns only on failure: carry on as we are
}

}  // namespace qv
