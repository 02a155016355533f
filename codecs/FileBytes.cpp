// Whole-file reading and writing. A save never leaves a half-written file:
// the bytes go to a temporary beside the target, which replaces the target
// only once everything is on disk.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "codecs/Codecs.h"
#include "gfx/Error.h"

namespace qv {

namespace {

// Far above any picture within the pixel limit (a 32-bit BMP of 120
// megapixels is 480 MB); it stops a device or pipe that never ends.
constexpr std::size_t kMaxFileBytes = std::size_t(1) << 30;
constexpr std::size_t kReadChunk = std::size_t(1) << 20;

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor &) = delete;
  FileDescriptor &operator=(const FileDescriptor &) = delete;
  int Get() const { return fd_; }
  // Closes now and reports whether the last buffered writes failed.
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

// With the system's reason ("No such file or directory").
[[noreturn]] void CannotOpen(const std::string &path, int error) {
  throw MakeError("Cannot open file %s: %s", path.c_str(), std::strerror(error));
}

[[noreturn]] void ReadOnly(const std::string &path) {
  throw MakeError("Cannot open file %s: the file is read-only", path.c_str());
}

[[noreturn]] void CannotWrite(const std::string &path, int error) {
  throw MakeError("Cannot write file %s (%s)", path.c_str(), std::strerror(error));
}

// Opening without blocking keeps a FIFO without a peer from hanging us;
// reads and writes then block as usual.
int OpenNonBlocking(const std::string &path, int flags) {
  const int fd = ::open(path.c_str(), flags | O_NONBLOCK | O_CLOEXEC);
  if (fd >= 0) ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  return fd;
}

// Returns 0 or the errno of the failed write.
int WriteAll(int fd, std::span<const std::uint8_t> data) {
  std::size_t done = 0;
  while (done < data.size()) {
    const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return n < 0 ? errno : EIO;
    done += std::size_t(n);
  }
  return 0;
}

void WriteThrough(const std::string &path, std::span<const std::uint8_t> data) {
  FileDescriptor file(OpenNonBlocking(path, O_WRONLY));
  if (file.Get() < 0) CannotOpen(path, errno);
  if (const int error = WriteAll(file.Get(), data)) CannotWrite(path, error);
  if (!file.Close()) CannotWrite(path, errno);
}

std::string TemporaryBeside(const std::string &target) {
  static std::atomic<unsigned> counter{0};
  const std::size_t slash = target.rfind('/');
  const std::string folder = slash == std::string::npos ? "" : target.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
  return folder + "." + name + ".tmp-" + std::to_string(::getpid()) + "-" +
         std::to_string(counter++);
}

}  // namespace

Bytes ReadFileBytes(const std::string &path) {
  FileDescriptor file(OpenNonBlocking(path, O_RDONLY));
  struct stat info;
  if (file.Get() < 0 || ::fstat(file.Get(), &info) != 0) CannotOpen(path, errno);
  if (S_ISDIR(info.st_mode)) CannotOpen(path, EISDIR);
  const bool regular = S_ISREG(info.st_mode);
  if (regular && std::size_t(info.st_size) > kMaxFileBytes)
    throw MakeError("File %s is too large to be a picture", path.c_str());

  Bytes bytes(regular ? std::size_t(info.st_size) : 0);
  std::size_t filled = 0;
  for (;;) {
    if (filled == bytes.size()) {
      if (bytes.size() >= kMaxFileBytes)
        throw MakeError("File %s is too large to be a picture", path.c_str());
      bytes.resize(bytes.size() + kReadChunk);
    }
    const ssize_t n = ::read(file.Get(), bytes.data() + filled, bytes.size() - filled);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) CannotOpen(path, errno);
    if (n == 0) break;
    filled += std::size_t(n);
  }
  bytes.resize(filled);
  return bytes;
}

bool IsReadOnlyFile(const std::string &path) {
  struct stat existing;
  if (::stat(path.c_str(), &existing) != 0 || !S_ISREG(existing.st_mode)) return false;
  // Root passes every access check, so the mode bits are asked as well.
  return (existing.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0;
}

void WriteFileBytes(const std::string &path, std::span<const std::uint8_t> data,
                    bool replaceReadOnly) {
  struct stat existing;
  const bool exists = ::stat(path.c_str(), &existing) == 0;
  if (exists && S_ISDIR(existing.st_mode)) CannotOpen(path, EISDIR);
  // A read-only file is not replaced behind its owner's back.
  if (!replaceReadOnly && IsReadOnlyFile(path)) ReadOnly(path);
  // Devices and pipes cannot be replaced, only written to.
  if (exists && !S_ISREG(existing.st_mode)) return WriteThrough(path, data);

  // Through a symbolic link the file it points at is replaced, not the link.
  std::string target = path;
  if (exists) {
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved)) target = resolved;
  }
  std::string temporary;
  int fd = -1;
  int openError = 0;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    temporary = TemporaryBeside(target);
    fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    openError = errno;
    if (fd < 0 && errno != EEXIST) break;
  }
  if (fd < 0) CannotOpen(path, openError);
  FileDescriptor file(fd);

  int error = WriteAll(fd, data);
  if (!error && exists && ::fchmod(fd, existing.st_mode & 07777) != 0) error = errno;
  if (!error && ::fsync(fd) != 0) error = errno;
  if (!file.Close() && !error) error = errno;
  if (!error && ::rename(temporary.c_str(), target.c_str()) != 0) error = errno;
  if (error) {
    ::unlink(temporary.c_str());
    CannotWrite(path, error);
  }
}

}  // namespace qv
