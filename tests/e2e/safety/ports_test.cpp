// qm314-cli ports: a COM name's device is listed with who may open it and who
// holds it, and a COM name without a device is named as such.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "process.h"

namespace qm314::e2e {
namespace {

class Ports : public ::testing::Test {
 protected:
  void SetUp() override { setenv("QM314_COM1", "/dev/qm314-absent", 1); }
  void TearDown() override {
    unsetenv("QM314_COM1");
    unsetenv("QM314_COM2");
    std::filesystem::remove_all(dir);
  }
  std::string dir = ScratchDir();
};

TEST_F(Ports, ShowsTheDeviceOfAComNameAndWhoHoldsIt) {
  Sim sim({"--log", dir + "/sim.log"});
  setenv("QM314_COM2", sim.device().c_str(), 1);
  const std::string simPid = std::to_string(sim.process().pid());

  const Finished idle = RunCli({"ports"});
  EXPECT_EQ(idle.status, 0) << idle.err;
  EXPECT_NE(idle.out.find(sim.device() + "  COM2\n"
                                         "  may open:    yes\n"
                                         "  in use:      open in " +
                          simPid + " (qm314-sim)\n"),
            std::string::npos)
      << idle.out;
  EXPECT_NE(idle.out.find("COM1 is /dev/qm314-absent, which is not present.\n"), std::string::npos) << idle.out;

  Child reading(QM314_CLI_PATH, {"read", "COM2", "-o", dir + "/read.int"});
  ASSERT_TRUE(WaitForLine(dir + "/sim.log", "read 0x000", 10));
  const Finished busy = RunCli({"ports"});
  EXPECT_NE(busy.out.find("  in use:      held by " + std::to_string(reading.pid()) + " (qm314-cli); open in " +
                          simPid + " (qm314-sim) too\n"),
            std::string::npos)
      << busy.out;
  EXPECT_EQ(reading.wait().status, 0);
}

}  // namespace
}  // namespace qm314::e2e
