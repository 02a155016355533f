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

KernelEnv DefaultKernelEnv() {
  return KernelEnv{ExecutableDir(), nullptr};
}

}  // namespace qv
