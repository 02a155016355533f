#include "kernels/KernelEnv.h"

#include <filesystem>
#include <system_error>

namespace qv {

std::string ExecutableDir() {
  std::error_code error;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return "./";
  std::string dir = exe.parent_path().string();
  if (dir.empty() || dir.back() != '/') dir += '/';
  return dir;
}

std::string ProgramDataDir() {
  namespace fs = std::filesystem;
  const std::string beside = ExecutableDir();
  std::error_code error;
  if (fs::is_directory(fs::path(beside) / "pic", error)) return beside;
  const fs::path installed = (fs::path(beside) / QV_DATA_FROM_BIN).lexically_normal();
  if (!fs::is_directory(installed / "pic", error)) return beside;
  std::string dir = installed.string();
  if (dir.back() != '/') dir += '/';
  return dir;
}

KernelEnv DefaultKernelEnv() {
  return KernelEnv{ProgramDataDir(), nullptr};
}

}  // namespace qv
