// The three programs as a user starts them: --version and --help answered on
// standard output without a window, and a name that is not a regular file
// refused at once by everything that opens a channel data file.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "process.h"

namespace qm314::e2e {
namespace {

TEST(Programs, EachPrintsItsVersionAndUsageAndSucceeds) {
  // Without a display the desktop program cannot start Qt: the answers must come first.
  ::unsetenv("DISPLAY");
  ::unsetenv("WAYLAND_DISPLAY");
  ::unsetenv("QT_QPA_PLATFORM");
  const std::vector<std::vector<std::string>> programs{  // path, name, how --help begins
      {QM314_CLI_PATH, "qm314-cli", "usage: qm314-cli COMMAND ARGUMENTS\n"},
      {QM314_SIM_PATH, "qm314-sim", "usage: qm314-sim [--image FILE]"},
#ifdef QM314_GUI_PATH
      {QM314_GUI_PATH, "qm314", "usage: qm314 [FILE.int]\n"},
#endif
  };
  for (const std::vector<std::string>& program : programs) {
    SCOPED_TRACE(program[1]);
    const Finished version = Child(program[0], {"--version"}).wait(10);
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, program[1] + " " + QM314_PROJECT_VERSION + "\n");
    EXPECT_EQ(version.err, "");
    const Finished help = Child(program[0], {"--help"}).wait(10);
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind(program[2], 0), 0u) << help.out;
    EXPECT_NE(help.out.find("--version"), std::string::npos) << help.out;
    EXPECT_EQ(help.err, "");
  }
#ifdef QM314_GUI_PATH
  // Nor does an argument it does not understand need one to be told.
  const Finished bogus = Child(QM314_GUI_PATH, {"--bogus"}).wait(10);
  EXPECT_EQ(bogus.status, 2);
  // (Qt may say first that it has no runtime folder.)
  EXPECT_TRUE(bogus.err.ends_with("qm314: Unknown command-line argument: --bogus\n"
                                  "qm314 --help lists what the command line takes.\n"))
      << bogus.err;
#endif
  const Finished commandHelp = RunCli({"write", "--help"});
  EXPECT_EQ(commandHelp.status, 0);
  EXPECT_EQ(commandHelp.out.rfind("usage: qm314-cli write PORT[,PORT...] FILE [--backup OLD]", 0), 0u) << commandHelp.out;
}

TEST(Programs, APipeADeviceOrAFolderIsRefusedAtOnceByEveryReader) {
  ::unsetenv("DISPLAY");  // qm314 --print then runs on the offscreen platform
  const std::string dir = ScratchDir();
  const std::string good = dir + "/good.int";
  const std::string pipe = dir + "/pipe.int";
  ASSERT_EQ(RunCli({"new", good}).status, 0);
  ASSERT_EQ(RunCli({"export", good, "-o", dir + "/good.csv"}).status, 0);
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  for (const auto& [path, kind] : std::vector<std::pair<std::string, std::string>>{
           {pipe, "a named pipe (FIFO)"}, {"/dev/zero", "a device"}, {dir, "a folder"}}) {
    SCOPED_TRACE(path);
    const std::string refusal = "Cannot open \"" + path + "\": it is " + kind + ", not a file.\n";
    for (const std::vector<std::string>& command : std::vector<std::vector<std::string>>{
             {"show", path}, {"export", path}, {"set", path, "-o", dir + "/out.int"}, {"diff", good, path},
             {"import", dir + "/good.csv", path, "-o", dir + "/out.int"}, {"write", "COM4", path}}) {
      const Finished cli = RunCli(command, 5);
      EXPECT_EQ(cli.status, 2) << command[0];
      EXPECT_EQ(cli.err, "qm314-cli " + command[0] + ": " + refusal);
    }
    const Finished sim = Child(QM314_SIM_PATH, {"--image", path}).wait(5);
    EXPECT_EQ(sim.status, 2);
    EXPECT_EQ(sim.err, "qm314-sim: " + refusal);
#ifdef QM314_GUI_PATH
    const Finished print = Child(QM314_GUI_PATH, {"--print", path, "--pdf", dir + "/out.pdf"}).wait(10);
    EXPECT_EQ(print.status, 2);
    EXPECT_NE(print.err.find(refusal), std::string::npos) << print.err;
#endif
  }
  // Channel rows may come through a pipe, but never without end.
  const Finished endless = RunCli({"import", "/dev/zero", good, "-o", dir + "/out.int"}, 10);
  EXPECT_EQ(endless.status, 2);
  EXPECT_EQ(endless.err, "qm314-cli import: cannot read \"/dev/zero\": it is larger than 1024 KiB, far more "
                         "than channel rows take\n");
  struct stat info {};
  EXPECT_NE(::stat((dir + "/out.int").c_str(), &info), 0);
}

}  // namespace
}  // namespace qm314::e2e
