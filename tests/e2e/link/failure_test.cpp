// Every way a transfer against qm314-sim can go wrong ends with the program's
// message and exit status 1, and leaves the port free for the next run at once.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <thread>

#include "process.h"
#include "scratch_test.h"

namespace qm314::e2e {
namespace {

const std::string kOpenFailure =
    "Could not Open the Port,Please check whether the Port are occupied or the device are ok\n";
const std::string kCommunicationError =
    "Communication Error\xEF\xBC\x8C"
    "Please check all the connections and the radio power\n";
const std::string kNotEnough = "not received enough  byte\n";
const std::string kErrorHappened = "Error had happen,please try again\n";

class Failure : public ScratchTest {
 protected:
  std::string log() const { return path("sim.log"); }
  // A read that must succeed, proving the port is free again.
  void expectReadWorks(const Sim& sim) {
    const Finished again = RunCli({"read", sim.device(), "-o", path("again.int")});
    EXPECT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(std::filesystem::file_size(path("again.int")), 1024u);
  }
};

TEST_F(Failure, ASilentRadioGetsFifteenWakeUpsThenTheCommunicationError) {
  Sim sim({"--fault", "silent", "--log", log()});
  const Finished read = RunCli({"read", sim.device(), "-o", path("read.int")});
  EXPECT_EQ(read.status, 1);
  EXPECT_EQ(read.err, kCommunicationError);
  EXPECT_EQ(CountLines(log(), "wake-up clone"), 15);
  EXPECT_GE(read.seconds, 15 * 1.24);
  EXPECT_FALSE(std::filesystem::exists(path("read.int")));
}

TEST_F(Failure, AShortAnswerEndsTheReadAndWritesNoFile) {
  Sim sim({"--fault", "short:9@5"});
  const Finished read = RunCli({"read", sim.device(), "-o", path("read.int")});
  EXPECT_EQ(read.status, 1);
  EXPECT_EQ(read.err, kNotEnough);
  EXPECT_FALSE(std::filesystem::exists(path("read.int")));
  expectReadWorks(sim);
}

TEST_F(Failure, AMissingAcknowledgementEndsTheWrite) {
  Sim sim({"--fault", "no-ack@7", "--log", log()});
  ASSERT_EQ(RunCli({"new", path("new.int")}).status, 0);
  const Finished write = RunCli({"write", sim.device(), path("new.int")});
  EXPECT_EQ(write.status, 1);
  EXPECT_EQ(write.err, kErrorHappened +
                           "qm314-cli: The write to the radio did not complete: the radio took 7 of the 123 "
                           "blocks, so its settings are now a mix of old and new. Writing to the radio again "
                           "completes them.\n");
  EXPECT_EQ(CountLines(log(), "write 0x040"), 0);
  expectReadWorks(sim);
}

TEST_F(Failure, AnUnpluggedCableEndsTheRead) {
  Sim sim({"--fault", "unplug@3"});
  const Finished read = RunCli({"read", sim.device(), "-o", path("read.int")}, 30);
  EXPECT_EQ(read.status, 1);
  EXPECT_EQ(read.err, kNotEnough);
  EXPECT_LT(read.seconds, 10);
  EXPECT_FALSE(std::filesystem::exists(path("read.int")));
}

TEST_F(Failure, APortHeldByAnotherProgramIsRefusedAndFreeOnceReleased) {
  Sim sim({"--log", log()});
  Child first(QM314_CLI_PATH, {"read", sim.device(), "-o", path("first.int")});
  ASSERT_TRUE(WaitForLine(log(), "read 0x000", 10));
  const Finished second = RunCli({"read", sim.device(), "-o", path("second.int")}, 10);
  EXPECT_EQ(second.status, 1);
  // The second line names the holder (the first run) and the simulator, which keeps the line open.
  EXPECT_EQ(second.err, kOpenFailure + "In use: " + sim.device() + " is held by " +
                            std::to_string(first.pid()) + " (qm314-cli); open in " +
                            std::to_string(sim.process().pid()) +
                            " (qm314-sim) too. Close that program, or let it finish, then try again.\n");
  EXPECT_LT(second.seconds, 2);
  EXPECT_EQ(first.wait().status, 0);
  expectReadWorks(sim);
}

TEST_F(Failure, AMissingDeviceIsRefused) {
  setenv("QM314_COM3", "/dev/qm314-absent", 1);
  const Finished read = RunCli({"read", "COM3", "-o", path("read.int")}, 10);
  unsetenv("QM314_COM3");
  EXPECT_EQ(read.status, 1);
  EXPECT_EQ(read.err.rfind(kOpenFailure +
                               "No such device: /dev/qm314-absent does not exist. The programming cable is not "
                               "plugged in, or the port's name is wrong. COM3 is /dev/qm314-absent; QM314_COM3 in "
                               "the environment names another device. ",
                           0),
            0u)
      << read.err;
}

TEST_F(Failure, CtrlCCancelsCleanly) {
  Sim sim({"--log", log()});
  Child cli(QM314_CLI_PATH, {"read", sim.device(), "-o", path("read.int")});
  ASSERT_TRUE(WaitForLine(log(), "read 0x080", 15));
  cli.signal(SIGINT);
  const Finished cancelled = cli.wait(10);
  EXPECT_EQ(cancelled.status, 1);
  EXPECT_LT(cancelled.seconds, 10);
  EXPECT_NE(cancelled.err.find("cancelled"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(path("read.int")));
  // Nothing more reaches the radio once the program has ended.
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  EXPECT_EQ(CountLines(log(), "read 0x3F8"), 0);
  expectReadWorks(sim);
}

}  // namespace
}  // namespace qm314::e2e
