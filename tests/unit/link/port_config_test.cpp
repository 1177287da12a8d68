// Port names, the connection's opening order and the wake-up word's configuration.
#include <gtest/gtest.h>

#include <cstdlib>

#include "fake_line.h"
#include "link/connection.h"
#include "link/port_names.h"
#include "link/wakeup_word.h"

namespace qm314 {
namespace {

TEST(PortNames, ComNamesMapToUsbAdaptersUnlessTheEnvironmentSaysOtherwise) {
  unsetenv("QM314_COM1");
  unsetenv("QM314_COM4");
  EXPECT_EQ(DevicePathForPort("COM1"), "/dev/ttyUSB0");
  EXPECT_EQ(DevicePathForPort("COM4"), "/dev/ttyUSB3");
  setenv("QM314_COM4", "/dev/pts/9", 1);
  EXPECT_EQ(DevicePathForPort("COM4"), "/dev/pts/9");
  setenv("QM314_COM4", "", 1);
  EXPECT_EQ(DevicePathForPort("COM4"), "/dev/ttyUSB3");
  unsetenv("QM314_COM4");
}

TEST(PortNames, AnyOtherNameIsADevicePathAsGiven) {
  EXPECT_EQ(DevicePathForPort("/dev/ttyS0"), "/dev/ttyS0");
  EXPECT_EQ(DevicePathForPort("com1"), "com1");
  EXPECT_EQ(DevicePathForPort("COM5"), "COM5");
}

TEST(Connection, OpensThenSetsQueuesTimeOutsAndLine) {
  sim::SimRadio radio(*MakeWakeUpWord("QMCLONE", 7), RadioImage{});
  test::FakeLine line(radio);
  OpenedPort opened = OpenConnection(line.opener(), "COM1", kDebugTimeouts);
  ASSERT_TRUE(opened.port);
  EXPECT_EQ(line.log, (std::vector<std::string>{"open", "setup 1024 512", "timeouts 10 50 50 50 50",
                                                "line"}));
}

TEST(WakeUpWord, IsStxAndTheLetters) {
  EXPECT_EQ(*MakeWakeUpWord("QMCLONE", 7),
            (WakeUpWord{0x02, 0x51, 0x4D, 0x43, 0x4C, 0x4F, 0x4E, 0x45}));
  EXPECT_FALSE(MakeWakeUpWord("QMCLON", 7));
  EXPECT_FALSE(MakeWakeUpWord("QMClone", 7));
  EXPECT_FALSE(MakeWakeUpWord("QMCLON3", 7));
}

TEST(WakeUpWord, TheOptionBeatsTheEnvironmentWhichBeatsTheDefault) {
  std::string error;
  unsetenv("QM314_CLONE_WORD");
  EXPECT_EQ(*ConfiguredCloneWord("", error),
            (WakeUpWord{0x02, 'Q', 'M', 'C', 'L', 'O', 'N', 'E'}));
  setenv("QM314_CLONE_WORD", "RADIOGO", 1);
  EXPECT_EQ(*ConfiguredCloneWord("", error), (WakeUpWord{0x02, 'R', 'A', 'D', 'I', 'O', 'G', 'O'}));
  EXPECT_EQ(*ConfiguredCloneWord("ABCDEFG", error),
            (WakeUpWord{0x02, 'A', 'B', 'C', 'D', 'E', 'F', 'G'}));
  setenv("QM314_CLONE_WORD", "short", 1);
  EXPECT_FALSE(ConfiguredCloneWord("", error));
  EXPECT_NE(error.find("QM314_CLONE_WORD"), std::string::npos);
  unsetenv("QM314_CLONE_WORD");
}

}  // namespace
}  // namespace qm314
