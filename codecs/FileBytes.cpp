// Whole-file reading and writing. A save never leaves a half-written file:
// the bytes go to a temporary beside the target, which replaces the target
// only once everything is on disk.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <new>

#include "codecs/Codecs.h"
#include "codecs/FileWriter.h"
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

 private:
  int fd_;
};

// With the system's reason ("No such file or directory").
[[noreturn]] void CannotOpen(const std::string &path, int error) {
  throw Error(Say(QV_TEXT("Cannot open file %1: %2"), path, std::strerror(error)));
}

[[noreturn]] void ReadOnly(const std::string &path) {
  throw Error(Say(QV_TEXT("Cannot open file %1: the file is read-only"), path));
}

[[noreturn]] void CannotWrite(const std::string &path, int error) {
  throw Error(Say(QV_TEXT("Cannot write file %1 (%2)"), path, std::strerror(error)));
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

std::string TemporaryBeside(const std::string &target) {
  static std::atomic<unsigned> counter{0};
  const std::size_t slash = target.rfind('/');
  const std::string folder = slash == std::string::npos ? "" : target.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
  return folder + "." + name + ".tmp-" + std::to_string(::getpid()) + "-" +
         std::to_string(counter++);
}

}  // namespace

FileContents ReadFileContents(const std::string &path) {
  FileDescriptor file(OpenNonBlocking(path, O_RDONLY));
  struct stat info;
  if (file.Get() < 0 || ::fstat(file.Get(), &info) != 0) CannotOpen(path, errno);
  if (S_ISDIR(info.st_mode)) CannotOpen(path, EISDIR);
  const bool regular = S_ISREG(info.st_mode);
  if (regular && std::size_t(info.st_size) > kMaxFileBytes)
    throw Error(Say(QV_TEXT("File %1 is too large to be a picture"), path));

  // A regular file is read in one go into memory of its size; the one byte
  // more only finds the end (or that the file has grown meanwhile). Other
  // files grow the memory as they deliver.
  FileContents contents;
  contents.Reserve(regular ? std::size_t(info.st_size) + 1 : kReadChunk);
  for (;;) {
    if (contents.size() == contents.capacity()) {
      if (contents.size() >= kMaxFileBytes)
        throw Error(Say(QV_TEXT("File %1 is too large to be a picture"), path));
      contents.Reserve(std::min(kMaxFileBytes, contents.capacity() * 2));
    }
    const ssize_t n = ::read(file.Get(), contents.data() + contents.size(),
                             contents.capacity() - contents.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) CannotOpen(path, errno);
    if (n == 0) break;
    contents.Grow(std::size_t(n));
  }
  return contents;
}

Bytes ReadFileBytes(const std::string &path) {
  const FileContents contents = ReadFileContents(path);
  return Bytes(contents.data(), contents.data() + contents.size());
}

void FileContents::Reserve(std::size_t bytes) {
  if (bytes <= capacity_) return;
  LargeBlock grown = MakeLargeBlock(bytes);
  if (size_) std::memcpy(grown.get(), data_.get(), size_);
  data_ = std::move(grown);
  capacity_ = bytes;
}

bool IsReadOnlyFile(const std::string &path) {
  struct stat existing;
  if (::stat(path.c_str(), &existing) != 0 || !S_ISREG(existing.st_mode)) return false;
  // Root passes every access check, so the mode bits are asked as well.
  return (existing.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0;
}

FileWriter::FileWriter(const std::string &path, bool replaceReadOnly)
    : path_(path), target_(path), replaceReadOnly_(replaceReadOnly) {}

void FileWriter::Open() {
  opened_ = true;
  const std::string &path = path_;
  struct stat existing;
  const bool exists = ::stat(path.c_str(), &existing) == 0;
  if (exists && S_ISDIR(existing.st_mode)) CannotOpen(path, EISDIR);
  // A read-only file is not replaced behind its owner's back.
  if (!replaceReadOnly_ && IsReadOnlyFile(path)) ReadOnly(path);
  // Devices and pipes cannot be replaced, only written to.
  if (exists && !S_ISREG(existing.st_mode)) {
    fd_ = OpenNonBlocking(path, O_WRONLY);
    if (fd_ < 0) CannotOpen(path, errno);
    return;
  }
  // Through a symbolic link the file it points at is replaced, not the link.
  if (exists) {
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved)) target_ = resolved;
    mode_ = int(existing.st_mode & 07777);
  }
  // A folder that no one may write to is left alone, also by root, whom
  // the system would let through.
  const std::size_t slash = target_.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : target_.substr(0, slash + 1);
  struct stat place;
  if (::stat(folder.c_str(), &place) == 0 && S_ISDIR(place.st_mode) && (place.st_mode & 0222) == 0)
    CannotOpen(path, EACCES);
  int openError = 0;
  for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
    temporary_ = TemporaryBeside(target_);
    fd_ = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    openError = errno;
    if (fd_ < 0 && errno != EEXIST) break;
  }
  if (fd_ < 0) {
    temporary_.clear();
    CannotOpen(path, openError);
  }
}

FileWriter::~FileWriter() {
  if (fd_ >= 0) ::close(fd_);
  if (!temporary_.empty()) ::unlink(temporary_.c_str());
}

bool FileWriter::Put(std::span<const std::uint8_t> bytes) noexcept {
  try {
    if (!opened_) Open();
    if (!error_) error_ = WriteAll(fd_, bytes);
    if (error_) CannotWrite(path_, error_);
    return true;
  } catch (...) {
    return Fail();
  }
}

void FileWriter::Commit() {
  RethrowFailure();
  if (!opened_) Open();
  int error = error_;
  const bool through = temporary_.empty();
  if (!error && !through && mode_ >= 0 && ::fchmod(fd_, mode_t(mode_)) != 0) error = errno;
  if (!error && !through && ::fsync(fd_) != 0) error = errno;
  // Closing reports whether the last buffered writes failed.
  const int fd = fd_;
  fd_ = -1;
  if (::close(fd) != 0 && !error) error = errno;
  if (!error && !through && ::rename(temporary_.c_str(), target_.c_str()) != 0) error = errno;
  if (!error && !through) temporary_.clear();  // in place: nothing to remove
  if (error) CannotWrite(path_, error);
}

void WriteFileBytes(const std::string &path, std::span<const std::uint8_t> data,
                    bool replaceReadOnly) {
  FileWriter file(path, replaceReadOnly);
  file.Put(data);
  file.Commit();
}

}  // namespace qv
