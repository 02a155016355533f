// What quorvane-fx says about itself: --help for the program and each
// command on standard output, the same help on standard error for a
// command line the command cannot take, and --version.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "ChildProcess.h"
#include "cli/Help.h"

namespace qv {
namespace {

test::ChildResult Fx(std::vector<std::string> arguments) {
  arguments.insert(arguments.begin(), QV_FX_PATH);
  return test::RunChild(arguments);
}

bool StartsWith(const std::string &text, const std::string &start) {
  return text.compare(0, start.size(), start) == 0;
}

TEST(Help, EveryCommandAnswersHelpAndRefusesWhatItCannotTake) {
  // A command line each command cannot take.
  const std::map<std::string, std::vector<std::string>> wrongs = {
      {"render", {"star", "1", "in.jpg"}},
      {"apply", {"warm.qvlook", "in.jpg"}},
      {"look", {"show"}},
      {"thumbs", {"star"}},
      {"filter", {}},
      {"convert", {"in.jpg"}},
      {"list", {"extra"}},
  };
  for (const cli::CommandHelp &command : cli::CommandHelps()) {
    const std::string usage = "usage: quorvane-fx " + std::string(command.name);
    for (const char *asking : {"--help", "-h"}) {
      const test::ChildResult help = Fx({command.name, asking});
      EXPECT_EQ(help.ExitCode, 0) << command.name;
      EXPECT_TRUE(StartsWith(help.Out, usage)) << help.Out;
      EXPECT_EQ(help.Out, cli::HelpText(command.page));
    }
    // Help among other arguments wins over them, and reads no file.
    EXPECT_EQ(Fx({command.name, "no-such.jpg", "--help"}).ExitCode, 0) << command.name;
    std::vector<std::string> line = wrongs.at(command.name);
    line.insert(line.begin(), command.name);
    const test::ChildResult wrong = Fx(line);
    EXPECT_EQ(wrong.ExitCode, 2) << command.name;
    EXPECT_TRUE(StartsWith(wrong.Err, usage)) << wrong.Err;
  }
  const std::pair<std::vector<std::string>, int> overviews[] = {
      {{"--help"}, 0}, {{"-h"}, 0}, {{}, 2}, {{"no-such-command"}, 2}};
  for (const auto &[arguments, status] : overviews) {
    const test::ChildResult run = Fx(arguments);
    EXPECT_EQ(run.ExitCode, status);
    const std::string &said = status == 0 ? run.Out : run.Err;
    for (const cli::CommandHelp &command : cli::CommandHelps())
      EXPECT_NE(said.find("\n  " + std::string(command.name) + " "), std::string::npos)
          << command.name << " missing from\n"
          << said;
  }
}

TEST(Help, VersionIsTheProjects) {
  const test::ChildResult run = Fx({"--version"});
  EXPECT_EQ(run.ExitCode, 0);
  EXPECT_EQ(run.Out, "quorvane-fx " QV_VERSION "\n");
}

}  // namespace
}  // namespace qv
