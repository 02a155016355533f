#include "HostileTestUtil.h"

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>

#include "fuzz/SampleFiles.h"

namespace qv::hostile {

namespace fs = std::filesystem;

Workspace::Workspace() {
  std::string pattern = ::testing::TempDir() + "qv-hostile-XXXXXX";
  dir_ = ::mkdtemp(pattern.data()) ? pattern : "";
  EXPECT_FALSE(dir_.empty());
  fs::create_directories(dir_ + "/pic/lightA");
  Write("pic/lightA/1.ssl", EncodeJpeg(samples::Gradient(16, 16)));
  Write("in.bmp", EncodeBmp(samples::Gradient(40, 30)));
}

Workspace::~Workspace() {
  // Folders a test made read-only must be writable again to be removed.
  std::error_code error;
  for (auto it = fs::recursive_directory_iterator(dir_, error);
       !error && it != fs::recursive_directory_iterator(); it.increment(error))
    if (it->is_directory() && !it->is_symlink()) ::chmod(it->path().c_str(), 0755);
  fs::remove_all(dir_, error);
}

void Workspace::Write(const std::string &name, const Bytes &bytes) const {
  WriteFileBytes(*this / name, bytes);
}

ChildResult Render(const Workspace &space, const std::string &in, const std::string &out,
                   const ChildLimits &limits) {
  return RunChild({QV_FX_PATH, "render", "light-a", "1", in, out, "--assets", space.Dir()}, limits);
}

ChildResult Convert(const std::string &in, const std::string &out, const ChildLimits &limits) {
  return RunChild({QV_FX_PATH, "convert", in, out}, limits);
}

namespace {

::testing::AssertionResult Ended(const ChildResult &run) {
  if (run.TimedOut) return ::testing::AssertionFailure() << "did not finish in time";
  if (run.Signal) return ::testing::AssertionFailure() << "ended by signal " << run.Signal;
  return ::testing::AssertionSuccess();
}

}  // namespace

::testing::AssertionResult RefusedInOneLine(const ChildResult &run, const std::string &start) {
  if (auto ended = Ended(run); !ended) return ended << "\n" << run.Err;
  const std::string prefix = "quorvane-fx: " + start;
  const std::size_t newline = run.Err.find('\n');
  if (run.ExitCode != 1 || run.Err.compare(0, prefix.size(), prefix) != 0 ||
      newline != run.Err.size() - 1)
    return ::testing::AssertionFailure()
           << "exit " << run.ExitCode << ", stderr: " << run.Err << "(expected " << prefix << ")";
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult Succeeded(const ChildResult &run) {
  if (auto ended = Ended(run); !ended) return ended << "\n" << run.Err;
  if (run.ExitCode != 0 || !run.Err.empty())
    return ::testing::AssertionFailure() << "exit " << run.ExitCode << ", stderr: " << run.Err;
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult SucceededWithWarning(const ChildResult &run, const std::string &input) {
  if (auto ended = Ended(run); !ended) return ended << "\n" << run.Err;
  const std::string prefix = "quorvane-fx: warning: " + input + ": ";
  if (run.ExitCode != 0 || run.Err.compare(0, prefix.size(), prefix) != 0 ||
      run.Err.find('\n') != run.Err.size() - 1)
    return ::testing::AssertionFailure() << "exit " << run.ExitCode << ", stderr: " << run.Err;
  return ::testing::AssertionSuccess();
}

Bytes ReadOrEmpty(const std::string &path) {
  try {
    return ReadFileBytes(path);
  } catch (const std::exception &) {
    return {};
  }
}

}  // namespace qv::hostile
