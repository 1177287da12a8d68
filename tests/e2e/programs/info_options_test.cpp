// --version and --help of qm314, qm314-cli and qm314-sim: the project's
// version and the usage on standard output, exit status 0, no window.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "process.h"

namespace qm314::e2e {
namespace {

struct Program {
  std::string path;
  std::string name;
  std::string usage;  // how its --help begins
};

std::vector<Program> Programs() {
  std::vector<Program> programs{{QM314_CLI_PATH, "qm314-cli", "usage: qm314-cli COMMAND ARGUMENTS\n"},
                                {QM314_SIM_PATH, "qm314-sim", "usage: qm314-sim [--image FILE]"}};
#ifdef QM314_GUI_PATH
  programs.push_back({QM314_GUI_PATH, "qm314", "usage: qm314 [FILE.int]\n"});
#endif
  return programs;
}

Finished RunProgram(const std::string& program, const std::string& option) {
  return Child(program, {option}).wait(10);
}

TEST(InfoOptions, EveryProgramPrintsItsVersionAndUsageAndSucceeds) {
  // Without a display the desktop program cannot start Qt at all: the
  // answers must come before it tries.
  ::unsetenv("DISPLAY");
  ::unsetenv("WAYLAND_DISPLAY");
  ::unsetenv("QT_QPA_PLATFORM");
  for (const Program& program : Programs()) {
    SCOPED_TRACE(program.name);
    const Finished version = RunProgram(program.path, "--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, program.name + " " + QM314_PROJECT_VERSION + "\n");
    EXPECT_EQ(version.err, "");

    const Finished help = RunProgram(program.path, "--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind(program.usage, 0), 0u) << help.out;
    EXPECT_NE(help.out.find("--version"), std::string::npos) << help.out;
    EXPECT_EQ(help.err, "");
  }
  const Finished commandHelp = RunCli({"write", "--help"});
  EXPECT_EQ(commandHelp.status, 0);
  EXPECT_EQ(commandHelp.out.rfind("usage: qm314-cli write PORT FILE [--backup OLD]", 0), 0u) << commandHelp.out;
}

}  // namespace
}  // namespace qm314::e2e
