#pragma once

// The record a batch keeps of what it did: one JSON object a line, per
// input, as each ends:
//   {"input":"a/b.jpg","output":"out/b.jpg","status":"ok","message":"",
//    "ms":412,"sha256":"9f86d0...0a08"}
// status is ok, skipped, failed or cancelled; sha256 is the SHA-256 of the
// result's bytes as sha256sum prints it (of the file kept, for skipped),
// empty where there is none.
// Lines are added to the file, each with one write, so that several runs
// (a resumed batch, jobs of GNU parallel on one machine) can share it.

#include <string>

#include "batch/BatchRun.h"

namespace qv {

std::string ManifestLine(const BatchResult &result);

class ManifestFile {
 public:
  // Opens path for adding, made when missing; throws "Cannot open file ...".
  explicit ManifestFile(const std::string &path);
  ~ManifestFile();
  ManifestFile(const ManifestFile &) = delete;
  ManifestFile &operator=(const ManifestFile &) = delete;

  // False when the line could not be written whole.
  bool Add(const BatchResult &result);

 private:
  int fd_ = -1;
};

}  // namespace qv
