#include "batch/Manifest.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <nlohmann/json.hpp>

#include "gfx/Error.h"

namespace qv {

std::string ManifestLine(const BatchResult &result) {
  const nlohmann::ordered_json line = {
      {"input", result.Input},
      {"output", result.Output},
      {"status", StatusWord(result.Status)},
      {"message", result.Message.English()},
      {"ms", result.Milliseconds},
      {"sha256", result.Sha256},
  };
  // A file name need not be UTF-8; what is not becomes U+FFFD.
  return line.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
}

ManifestFile::ManifestFile(const std::string &path) {
  fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0666);
  if (fd_ < 0) throw Error(Say(QV_TEXT("Cannot open file %1: %2"), path, std::strerror(errno)));
}

ManifestFile::~ManifestFile() {
  if (fd_ >= 0) ::close(fd_);
}

bool ManifestFile::Add(const BatchResult &result) {
  const std::string line = ManifestLine(result);
  ssize_t written = 0;
  do {
    written = ::write(fd_, line.data(), line.size());
  } while (written < 0 && errno == EINTR);
  return written == ssize_t(line.size());
}

}  // namespace qv
