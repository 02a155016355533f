#pragma once

// Shared pieces of the renderer tests: a throw-away folder with the asset
// the renderer needs, and the checks of how a run ended.

#include <gtest/gtest.h>

#include <string>

#include "ChildProcess.h"
#include "codecs/Codecs.h"

namespace qv::hostile {

using test::ChildLimits;
using test::ChildResult;
using test::RunChild;

// A fresh folder holding pic/lightA/1.ssl (a small good asset) and in.bmp,
// removed with everything in it afterwards.
class Workspace {
 public:
  Workspace();
  ~Workspace();
  Workspace(const Workspace &) = delete;
  Workspace &operator=(const Workspace &) = delete;

  std::string operator/(const std::string &name) const { return dir_ + "/" + name; }
  const std::string &Dir() const { return dir_; }
  std::string AssetFile() const { return dir_ + "/pic/lightA/1.ssl"; }
  void Write(const std::string &name, const Bytes &bytes) const;

 private:
  std::string dir_;
};

// quorvane-fx render light-a 1 IN OUT with the workspace's assets.
ChildResult Render(const Workspace &space, const std::string &in, const std::string &out,
                   const ChildLimits &limits = {});

// quorvane-fx convert IN OUT.
ChildResult Convert(const std::string &in, const std::string &out, const ChildLimits &limits = {});

// Exit status 1 and exactly one line on standard error, "quorvane-fx: "
// followed by a message that starts with start.
::testing::AssertionResult RefusedInOneLine(const ChildResult &run, const std::string &start);
// Exit status 0 and nothing on standard error.
::testing::AssertionResult Succeeded(const ChildResult &run);
// Exit status 0 and one line on standard error, "quorvane-fx: warning: "
// followed by the input's name and what is wrong with it.
::testing::AssertionResult SucceededWithWarning(const ChildResult &run, const std::string &input);

Bytes ReadOrEmpty(const std::string &path);

}  // namespace qv::hostile
