#pragma once

// Writing a file so that it is never left half-written: the bytes go to a
// temporary beside the target, which replaces the target only once every
// byte is on disk. A device or pipe cannot be replaced and is written to
// as it is. Through a symbolic link the file it points at is replaced.

#include <cstdint>
#include <span>
#include <string>

#include "codecs/ByteSink.h"

namespace qv {

// The target is looked at and the temporary made with the first bytes, so
// that an encoder's own refusals come before any file is touched: a folder
// is refused ("Cannot open file %s: Is a directory"), and unless
// replaceReadOnly so is an existing file that no one may write to ("Cannot
// open file %s: the file is read-only", also for root); then the temporary
// is opened ("Cannot open file %s: <reason>").
class FileWriter : public ByteSink {
 public:
  FileWriter(const std::string &path, bool replaceReadOnly);
  // Removes the temporary unless Commit has put it in place.
  ~FileWriter() override;
  FileWriter(const FileWriter &) = delete;
  FileWriter &operator=(const FileWriter &) = delete;

  // Writes the bytes at once; a failure is kept for Commit (and reported
  // as false to an encoder).
  bool Put(std::span<const std::uint8_t> bytes) noexcept override;
  // Puts every byte on disk and the file in place; throws the failure of
  // the first write or "Cannot write file %s (<reason>)" for one on the way.
  void Commit();

 private:
  void Open();

  std::string path_;       // as the caller named it
  std::string target_;     // the file replaced
  std::string temporary_;  // empty when writing through
  int fd_ = -1;
  int mode_ = -1;  // the replaced file's permissions, -1 for a new file
  int error_ = 0;  // the first errno of a failed write
  bool replaceReadOnly_ = false;
  bool opened_ = false;
};

}  // namespace qv
