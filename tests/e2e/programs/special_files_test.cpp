// Paths that are not files: a named pipe nobody writes to, a device, a folder.
// Every program and command that opens a channel data file refuses them at
// once, with the reason, and writes nothing.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "process.h"

namespace qm314::e2e {
namespace {

TEST(SpecialFiles, APipeADeviceOrAFolderIsRefusedAtOnceByEveryReader) {
  ::unsetenv("DISPLAY");  // qm314 --print then runs on the offscreen platform
  ::unsetenv("WAYLAND_DISPLAY");
  const std::string dir = ScratchDir();
  const std::string good = dir + "/good.int";
  const std::string csv = dir + "/good.csv";
  const std::string pipe = dir + "/pipe.int";
  ASSERT_EQ(RunCli({"new", good}).status, 0);
  ASSERT_EQ(RunCli({"export", good, "-o", csv}).status, 0);
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);

  const std::vector<std::pair<std::string, std::string>> paths{
      {pipe, "a named pipe (FIFO)"}, {"/dev/zero", "a device"}, {dir, "a folder"}};
  for (const auto& [path, kind] : paths) {
    SCOPED_TRACE(path);
    const std::string refusal = "Cannot open \"" + path + "\": it is " + kind + ", not a file.\n";
    const std::vector<std::vector<std::string>> commands{
        {"show", path},      {"export", path}, {"set", path, "-o", dir + "/out.int"},
        {"diff", good, path}, {"import", csv, path, "-o", dir + "/out.int"}, {"write", "COM4", path}};
    for (const std::vector<std::string>& command : commands) {
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
  struct stat info {};
  EXPECT_NE(::stat((dir + "/out.int").c_str(), &info), 0);
  EXPECT_NE(::stat((dir + "/out.pdf").c_str(), &info), 0);
}

}  // namespace
}  // namespace qm314::e2e
