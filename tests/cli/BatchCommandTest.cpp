// render and apply with --out on files and folders through the real
// quorvane-fx: a tree with damage and a read-only folder, no input ever
// written over, longest sides, name patterns and policies, the manifest,
// and a cancel by signal that leaves no part of a file.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <map>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>
#include <string>
#include <thread>

#include "AssetFixture.h"
#include "CodecTestUtil.h"
#include "RunFx.h"
#include "codecs/Codecs.h"
#include "gfx/LongEdge.h"

namespace qv {
namespace {

namespace fs = std::filesystem;
using test::Outcome;

class BatchCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    assets.WriteCompleteSet();
    work = assets.Dir() + "work/";
    tree = work + "tree/";
    fs::create_directories(tree + "sub/deep");
    WritePicture(tree + "a.bmp", test::Varied(60, 35, 4));
    WriteFileBytes(tree + "b.jpg", EncodeJpeg(test::Gradient(48, 32)));
    const Bytes whole = EncodeJpeg(test::Gradient(64, 48));
    WriteFileBytes(tree + "cut.jpg", Bytes(whole.begin(), whole.end() - 300));  // damaged
    WriteFileBytes(tree + "bad.jpg", Bytes{'n', 'o', 'p', 'e'});                // no picture
    WritePicture(tree + "sub/c.bmp", test::Varied(30, 41, 7));
    WriteFileBytes(tree + "sub/deep/d.png", EncodePng(test::Varied(25, 20, 2)));
    WritePicture(tree + ".hidden.bmp", test::Varied(8, 8, 1));
    WriteFileBytes(tree + "notes.txt", Bytes{'h', 'i'});
    EXPECT_EQ(test::RunFx("look make " + work + "warm.qvlook light-a/2 color/1#FF8000").status, 0);
  }

  Outcome Fx(const std::string &arguments) const {
    return test::RunFx(arguments + " --assets '" + assets.Dir() + "'");
  }
  // The single form's result, which a batch must equal to the byte.
  Bytes Single(const std::string &in, const std::string &options = "") const {
    const std::string out = work + "single" + fs::path(in).extension().string();
    EXPECT_EQ(Fx("apply " + work + "warm.qvlook " + in + " " + out + " " + options).status, 0);
    return ReadFileBytes(out);
  }
  // Every file under folder, by its path relative to it.
  static std::map<std::string, Bytes> Files(const std::string &folder) {
    std::map<std::string, Bytes> files;
    for (const auto &entry : fs::recursive_directory_iterator(folder))
      if (entry.is_regular_file())
        files[fs::relative(entry.path(), folder).string()] = ReadFileBytes(entry.path());
    return files;
  }
  // sha256sum's reading of a file.
  static std::string Sha256(const std::string &path) {
    FILE *pipe = ::popen(("sha256sum '" + path + "'").c_str(), "r");
    char digest[65] = {};
    const bool read = pipe && std::fread(digest, 1, 64, pipe) == 64;
    if (pipe) ::pclose(pipe);
    return read ? digest : "";
  }
  static std::vector<nlohmann::json> Lines(const std::string &path) {
    std::vector<nlohmann::json> lines;
    const Bytes bytes = ReadFileBytes(path);
    std::istringstream text(std::string(bytes.begin(), bytes.end()));
    for (std::string line; std::getline(text, line);) lines.push_back(nlohmann::json::parse(line));
    return lines;
  }

  test::AssetRoot assets;
  std::string work, tree;
};

TEST_F(BatchCommand, ATreeKeepsItsFoldersAndEveryFailureIsItsOwn) {
  fs::create_directories(work + "out/sub");
  fs::permissions(work + "out/sub", fs::perms::owner_read | fs::perms::owner_exec);  // read-only
  const std::string manifest = work + "m.jsonl";
  const Outcome run = Fx("apply " + work + "warm.qvlook " + tree + " --out " + work +
                         "out --recursive --manifest " + manifest);
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.output.find(tree + "bad.jpg: JPEG error #53"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find(tree + "sub/c.bmp: Cannot open file " + work +
                            "out/sub/c.bmp: Permission denied"),
            std::string::npos)
      << run.output;
  EXPECT_NE(run.output.find("warning: " + tree + "cut.jpg: part of the picture is missing"),
            std::string::npos);
  EXPECT_NE(run.output.find("2 of 6 pictures failed"), std::string::npos) << run.output;
  fs::permissions(work + "out/sub", fs::perms::owner_all);

  const std::map<std::string, Bytes> written = Files(work + "out");
  const std::set<std::string> names = {"a.bmp", "b.jpg", "cut.jpg", "sub/deep/d.png"};
  ASSERT_EQ(written.size(), names.size());  // no temporary, no hidden file, no notes
  for (const std::string &name : names) EXPECT_EQ(written.at(name), Single(tree + name)) << name;

  // One line a picture, in the order they ended.
  std::map<std::string, nlohmann::json> byInput;
  for (const nlohmann::json &line : Lines(manifest)) byInput[line["input"]] = line;
  ASSERT_EQ(byInput.size(), 6u);
  const std::map<std::string, std::string> statuses = {
      {"a.bmp", "ok"},       {"b.jpg", "ok"},         {"cut.jpg", "ok"},
      {"bad.jpg", "failed"}, {"sub/c.bmp", "failed"}, {"sub/deep/d.png", "ok"}};
  for (const auto &[name, status] : statuses) {
    const nlohmann::json &line = byInput.at(tree + name);
    EXPECT_EQ(line["status"], status) << name;
    EXPECT_EQ(line["output"], work + "out/" + name) << name;
    EXPECT_GE(line["ms"].get<long long>(), 0);
    EXPECT_EQ(line["sha256"], status == "ok" ? Sha256(work + "out/" + name) : "") << name;
  }
  EXPECT_NE(byInput.at(tree + "cut.jpg")["message"].get<std::string>().find("missing or damaged"),
            std::string::npos);

  // Without --recursive a folder gives only its own pictures.
  const Outcome flat = Fx("apply " + work + "warm.qvlook " + tree + " --out " + work + "flat");
  EXPECT_EQ(flat.status, 1);
  EXPECT_EQ(Files(work + "flat").size(), 3u);
}

TEST_F(BatchCommand, NoInputIsEverWrittenOver) {
  fs::remove(tree + "bad.jpg");
  const char *options[] = {
      "",
      "--recursive",
      "--existing number",
      "--skip-existing",
      "--format bmp",
      "--format jpg --recursive",
      "--name {name}",
      "--existing number --format png",
      "--long-edge 10 --quality 50",
  };
  for (const char *option : options) {
    SCOPED_TRACE(option);
    const std::map<std::string, Bytes> before = Files(tree);
    Fx("apply " + work + "warm.qvlook " + tree + " " + tree + "a.bmp --out " + tree + " " + option);
    const std::map<std::string, Bytes> after = Files(tree);
    for (const auto &[name, bytes] : before) EXPECT_EQ(after.at(name), bytes) << name;
  }
  // Another name of an input (a hard link in the output folder) is an input.
  fs::create_directories(work + "linked");
  fs::create_hard_link(tree + "a.bmp", work + "linked/a.bmp");
  const Bytes original = ReadFileBytes(tree + "a.bmp");
  const Outcome run =
      Fx("apply " + work + "warm.qvlook " + tree + "a.bmp --out " + work + "linked");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.output.find("would replace an input"), std::string::npos) << run.output;
  EXPECT_EQ(ReadFileBytes(tree + "a.bmp"), original);
}

TEST_F(BatchCommand, LongEdgeAndQualityWriteTheDocumentedPictures) {
  const Bitmap full = DecodePicture(Single(tree + "a.bmp"), "a.bmp").Pixels;  // 60 x 35
  for (int edge : {100, 60, 30, 7}) {
    SCOPED_TRACE(edge);
    const std::string out = work + "e" + std::to_string(edge);
    const Outcome run = Fx("apply " + work + "warm.qvlook " + tree + "a.bmp --out " + out +
                           " --long-edge " + std::to_string(edge));
    ASSERT_EQ(run.status, 0) << run.output;
    const Bitmap written = ReadPicture(out + "/a.bmp");
    const PictureSize size = FitLongEdge(60, 35, edge);
    EXPECT_EQ(written.Width(), size.Width);
    EXPECT_EQ(written.Height(), size.Height);
    EXPECT_TRUE(written.SamePixels(ReduceToLongEdge(full, edge)));
  }
  // A quality is the encoder's at that quality, streamed or not.
  for (const char *look : {"light-a/2", "light-a/2 color/1#FF8000"}) {
    ASSERT_EQ(test::RunFx("look make " + work + "q.qvlook " + look).status, 0);
    ASSERT_EQ(Fx("apply " + work + "q.qvlook " + tree + "b.jpg " + work + "q.bmp").status, 0);
    ASSERT_EQ(
        Fx("apply " + work + "q.qvlook " + tree + "b.jpg --out " + work + "q --quality 40").status,
        0);
    EXPECT_EQ(ReadFileBytes(work + "q/b.jpg"), EncodeJpeg(ReadPicture(work + "q.bmp"), 40)) << look;
  }
  for (const char *bad : {"--quality 0", "--quality 101", "--long-edge 0", "--long-edge x"}) {
    const Outcome run =
        Fx("apply " + work + "warm.qvlook " + tree + "a.bmp --out " + work + "x " + bad);
    EXPECT_EQ(run.status, 2) << bad;
    EXPECT_NE(run.output.find("must be a whole number from"), std::string::npos) << run.output;
  }
}

TEST_F(BatchCommand, NamesComeFromThePatternAndThePolicy) {
  const std::string inputs = tree + "a.bmp " + tree + "b.jpg";
  const struct {
    std::string options;
    std::set<std::string> names;
  } cases[] = {
      {"", {"a.bmp", "b.jpg"}},
      {"--name '{look}-{n}'", {"warm-1.bmp", "warm-2.jpg"}},
      {"--name '{n:3} {name}' --format PNG", {"001 a.png", "002 b.png"}},
      {"--name 'x{name}{name}' --format .webp", {"xaa.webp", "xbb.webp"}},
  };
  for (const auto &k : cases) {
    SCOPED_TRACE(k.options);
    fs::remove_all(work + "n");
    const Outcome run =
        Fx("apply " + work + "warm.qvlook " + inputs + " --out " + work + "n " + k.options);
    ASSERT_EQ(run.status, 0) << run.output;
    std::set<std::string> names;
    for (const auto &[name, bytes] : Files(work + "n")) names.insert(name);
    EXPECT_EQ(names, k.names);
  }
  // render's {look} is the effect's name and number.
  ASSERT_EQ(Fx("render light-a 2 " + tree + "a.bmp --out " + work + "r --name '{look}'").status, 0);
  EXPECT_TRUE(fs::exists(work + "r/light-a-2.bmp"));

  // Again into the same folder: a number added, or the file kept.
  const std::string again = "apply " + work + "warm.qvlook " + inputs + " --out " + work + "n ";
  ASSERT_EQ(Fx(again + "--name 'x{name}{name}' --format webp --existing number").status, 0);
  EXPECT_TRUE(fs::exists(work + "n/xaa (2).webp"));
  fs::remove(work + "n/xbb.webp");
  ASSERT_EQ(
      Fx(again + "--name 'x{name}{name}' --format webp --skip-existing --manifest " + work + "m2")
          .status,
      0);
  const std::vector<nlohmann::json> lines = Lines(work + "m2");
  ASSERT_EQ(lines.size(), 2u);
  for (const nlohmann::json &line : lines)
    EXPECT_EQ(line["status"], line["input"] == tree + "a.bmp" ? "skipped" : "ok") << line;

  for (const char *bad : {"'{nam}'", "'a/{name}'", "'{n'", "''", "'{n:0}'"}) {
    const Outcome run =
        Fx("apply " + work + "warm.qvlook " + inputs + " --out " + work + "z --name " + bad);
    EXPECT_EQ(run.status, 2) << bad;
    EXPECT_NE(run.output.find("--name"), std::string::npos) << run.output;
  }
  // Options of a batch without --out are usage errors.
  EXPECT_EQ(
      Fx("apply " + work + "warm.qvlook " + tree + "a.bmp " + work + "o.bmp --recursive").status,
      2);
}

// SIGINT or SIGTERM while pictures are being written: the run stops with
// the signal's status, every file left is whole and no temporary is left.
TEST_F(BatchCommand, ASignalCancelsAndLeavesNoPartOfAFile) {
  fs::create_directories(work + "big");
  WriteFileBytes(work + "big/0.jpg", EncodeJpeg(test::Gradient(2400, 1600)));
  for (int i = 1; i < 12; ++i)
    fs::copy_file(work + "big/0.jpg", work + "big/" + std::to_string(i) + ".jpg");
  for (const int signal : {SIGINT, SIGTERM}) {
    SCOPED_TRACE(signal);
    const std::string out = work + "cancel" + std::to_string(signal);
    fs::create_directories(out);
    const pid_t child = ::fork();
    if (child == 0) {
      const int null = ::open("/dev/null", O_WRONLY);
      ::dup2(null, 2);
      const std::string assetsDir = assets.Dir(), look = work + "warm.qvlook", in = work + "big";
      ::execl(QV_FX_PATH, QV_FX_PATH, "apply", look.c_str(), in.c_str(), "--out", out.c_str(),
              "--assets", assetsDir.c_str(), static_cast<char *>(nullptr));
      ::_exit(127);
    }
    // Signalled once a temporary shows that a picture is being written.
    bool writing = false;
    for (int wait = 0; wait < 20000 && !writing; ++wait) {
      for (const auto &entry : fs::directory_iterator(out))
        writing |= entry.path().filename().string().find(".tmp-") != std::string::npos;
      if (!writing) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ASSERT_TRUE(writing);
    ::kill(child, signal);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 128 + signal);
    const std::map<std::string, Bytes> left = Files(out);
    EXPECT_LT(left.size(), 12u);
    for (const auto &[name, bytes] : left) {
      EXPECT_EQ(name.find(".tmp-"), std::string::npos) << name;
      EXPECT_TRUE(DecodePicture(bytes, name).Warnings.empty()) << name;  // whole
    }
  }
}

}  // namespace
}  // namespace qv
