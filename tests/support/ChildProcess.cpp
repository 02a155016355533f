#include "ChildProcess.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace qv::test {

namespace {

// An unlinked temporary file for one of the child's outputs.
int TemporaryFile() {
  char name[] = "/tmp/qv-hostile-XXXXXX";
  const int fd = ::mkstemp(name);
  if (fd >= 0) ::unlink(name);
  return fd;
}

std::string ReadBack(int fd) {
  std::string text;
  ::lseek(fd, 0, SEEK_SET);
  char chunk[4096];
  for (ssize_t n; (n = ::read(fd, chunk, sizeof chunk)) > 0;) text.append(chunk, std::size_t(n));
  ::close(fd);
  return text;
}

}  // namespace

ChildResult RunChild(const std::vector<std::string> &argv, const ChildLimits &limits) {
  ChildResult result;
  const int out = TemporaryFile(), err = TemporaryFile();
  std::vector<char *> args;
  for (const std::string &a : argv) args.push_back(const_cast<char *>(a.c_str()));
  args.push_back(nullptr);

  const pid_t pid = ::fork();
  if (pid == 0) {
    ::dup2(out, STDOUT_FILENO);
    ::dup2(err, STDERR_FILENO);
    if (limits.FileBytes >= 0) {
      // A write past the limit then fails with EFBIG instead of a signal;
      // the ignored disposition survives exec.
      std::signal(SIGXFSZ, SIG_IGN);
      const rlimit size{rlim_t(limits.FileBytes), rlim_t(limits.FileBytes)};
      ::setrlimit(RLIMIT_FSIZE, &size);
    }
    ::execv(args[0], args.data());
    ::_exit(127);
  }

  const auto start = std::chrono::steady_clock::now();
  const auto deadline =
      start + std::chrono::milliseconds(static_cast<long long>(limits.Seconds * 1000));
  int status = 0;
  rusage usage{};
  while (pid > 0) {
    const pid_t done = ::wait4(pid, &status, WNOHANG, &usage);
    if (done == pid) break;
    if (done < 0) {
      status = -1;
      break;
    }
    if (std::chrono::steady_clock::now() > deadline) {
      result.TimedOut = true;
      ::kill(pid, SIGKILL);
      ::wait4(pid, &status, 0, &usage);
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  result.Seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  if (WIFEXITED(status)) result.ExitCode = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) result.Signal = WTERMSIG(status);
  result.PeakRssBytes = static_cast<long long>(usage.ru_maxrss) * 1024;
  result.CpuSeconds = double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                      double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
  result.Out = ReadBack(out);
  result.Err = ReadBack(err);
  return result;
}

}  // namespace qv::test
