// qm314-cli write to several radios of qm314-sim at once: one radio failing
// leaves the others written and verified, the log has a line per radio with
// the bytes each got, a stop in the middle sends nothing more to any radio,
// and the next radios come by Enter or by themselves.
#include <gtest/gtest.h>

#include <signal.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <map>
#include <thread>

#include "link/posix_serial_port.h"
#include "process.h"
#include "scratch_test.h"

namespace qm314::e2e {
namespace {

std::vector<std::string> Lines(const std::string& path) {
  std::ifstream in(path);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::vector<std::string> Fields(const std::string& line) {
  // The log quotes only its message column, and these messages hold no quotes.
  std::vector<std::string> fields;
  std::string field;
  bool quoted = false;
  for (const char c : line) {
    if (c == '"') {
      quoted = !quoted;
    } else if (c == ',' && !quoted) {
      fields.push_back(field);
      field.clear();
    } else {
      field += c;
    }
  }
  fields.push_back(field);
  return fields;
}

bool PortIsFree(const std::string& device) {
  OpenedPort opened = PosixSerialPort::open(device);
  return opened.port != nullptr;
}

class BatchWrite : public ScratchTest {
 protected:
  void SetUp() override {
    WriteFile(path("radio.bin"), radioBefore);
    // A file whose bytes differ from the radios' so every written block shows.
    ASSERT_EQ(RunCli({"new", path("new.int")}).status, 0);
  }
  std::string ports(const Sim& sim) const {
    std::string joined;
    for (const std::string& d : sim.devices()) joined += (joined.empty() ? "" : ",") + d;
    return joined;
  }
  std::vector<std::uint8_t> radioBefore = RandomBytes(16);
};

TEST_F(BatchWrite, AFailingRadioLeavesTheOthersWrittenAndVerifiedAndEveryRadioIsLogged) {
  Sim sim({"--image", path("radio.bin"), "--save", path("radio.bin"), "--fault", "2:no-ack@40"}, 3);
  const Finished write =
      RunCli({"write", ports(sim), path("new.int"), "--verify", "--log", path("radios.csv")}, 90);
  EXPECT_EQ(write.status, 1);
  const std::vector<std::string>& d = sim.devices();
  EXPECT_NE(write.out.find(d[1] + ": failed: Error had happen,please try again\n"), std::string::npos) << write.out;
  EXPECT_NE(write.out.find(d[0] + ": verified\n"), std::string::npos) << write.out;
  EXPECT_NE(write.out.find(d[2] + ": verified\n"), std::string::npos) << write.out;
  EXPECT_NE(write.out.find("3 radios: 2 written, 2 verified, 1 failed\n"), std::string::npos) << write.out;

  // sha256sum, not the program's own digest, says what the file holds.
  Child sum("/usr/bin/sha256sum", {path("new.int")});
  const std::string digest = sum.firstLine().substr(0, 64);
  const std::vector<std::string> log = Lines(path("radios.csv"));
  ASSERT_EQ(log.size(), 4u);
  EXPECT_EQ(log[0], "time,port,device,outcome,message,identification,sha256");
  std::map<std::string, std::vector<std::string>> byPort;
  for (std::size_t i = 1; i < log.size(); ++i) {
    const std::vector<std::string> f = Fields(log[i]);
    ASSERT_EQ(f.size(), 7u) << log[i];
    // Local time with its offset, to the second: 2024-05-01T14:03:22+02:00.
    EXPECT_EQ(f[0].size(), 25u) << f[0];
    EXPECT_EQ(f[0][10], 'T');
    EXPECT_EQ(f[0][22], ':');
    EXPECT_EQ(f[6], digest);
    byPort[f[1]] = f;
  }
  // Each radio says who it is; the simulated ones end with their number.
  EXPECT_EQ(byPort[d[0]][3], "verified");
  EXPECT_EQ(byPort[d[0]][5], "514D333134530100");
  EXPECT_EQ(byPort[d[1]][3], "failed");
  EXPECT_EQ(byPort[d[1]][4], "Error had happen,please try again");
  EXPECT_EQ(byPort[d[1]][5], "514D333134530101");
  EXPECT_EQ(byPort[d[2]][3], "verified");
  EXPECT_EQ(byPort[d[2]][4], "");
  EXPECT_EQ(byPort[d[2]][2], d[2]);

  sim.stop();
  const std::vector<std::uint8_t> file = ReadFile(path("new.int"));
  for (int radio : {1, 2, 3}) {
    const std::vector<std::uint8_t> memory = ReadFile(path("radio-" + std::to_string(radio) + ".bin"));
    ASSERT_EQ(memory.size(), 1024u) << radio;
    // Radio 2 kept blocks 0-40 (the last one unacknowledged) and its own bytes beyond.
    const std::size_t writtenUpTo = radio == 2 ? 41 * 8 : 0x3D8;
    for (std::size_t i = 0; i < 1024; ++i) {
      ASSERT_EQ(memory[i], i < writtenUpTo ? file[i] : radioBefore[i]) << "radio " << radio << " offset " << i;
    }
  }
}

TEST_F(BatchWrite, StopInTheMiddleClosesEveryPortAndSendsNoFurtherBlock) {
  Sim sim({"--image", path("radio.bin"), "--log", path("sim.log")}, 3);
  Child cli(QM314_CLI_PATH, {"write", ports(sim), path("new.int"), "--log", path("radios.csv")});
  auto writesOf = [this](int radio) {
    return CountLinesStartingWith(path("sim-" + std::to_string(radio) + ".log"), "write 0x");
  };
  for (int i = 0; i < 600 && std::min({writesOf(1), writesOf(2), writesOf(3)}) < 30; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  const int before[] = {writesOf(1), writesOf(2), writesOf(3)};
  cli.signal(SIGINT);
  const Finished stopped = cli.wait(10);
  EXPECT_EQ(stopped.status, 1);
  EXPECT_NE(stopped.err.find("qm314-cli: stopped; every port is closed and nothing more was sent"),
            std::string::npos)
      << stopped.err;
  for (const std::string& device : sim.devices()) EXPECT_TRUE(PortIsFree(device)) << device;

  // Each radio took the block on the wire at Stop at the most, and the log
  // says how many it holds.
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  const std::vector<std::string> log = Lines(path("radios.csv"));
  ASSERT_EQ(log.size(), 4u);
  for (int radio = 1; radio <= 3; ++radio) {
    const int after = writesOf(radio);
    EXPECT_GE(after, before[radio - 1]);
    EXPECT_LE(after, before[radio - 1] + 2) << "radio " << radio;
    EXPECT_LT(after, 123);
    const std::string device = sim.devices()[static_cast<std::size_t>(radio - 1)];
    bool found = false;
    for (std::size_t i = 1; i < log.size(); ++i) {
      const std::vector<std::string> f = Fields(log[i]);
      if (f[1] != device) continue;
      found = true;
      EXPECT_EQ(f[3], "failed");
      EXPECT_EQ(f[4], "stopped after " + std::to_string(after) + " of 123 blocks were written");
    }
    EXPECT_TRUE(found) << device;
  }
}

TEST_F(BatchWrite, RepeatWritesTheNextRadiosAtEachLineOfInput) {
  Sim sim({}, 2);
  // One Enter, then the end of input: two rounds.
  Child cli("/bin/sh", {"-c", "printf '\\n' | " + std::string(QM314_CLI_PATH) + " write " + ports(sim) + " " +
                                  path("new.int") + " --repeat --log " + path("radios.csv")});
  const Finished write = cli.wait(60);
  EXPECT_EQ(write.status, 0) << write.err;
  EXPECT_NE(write.out.find("2 radios: 2 written, 0 verified, 0 failed\n"), std::string::npos) << write.out;
  EXPECT_NE(write.out.find("4 radios: 4 written, 0 verified, 0 failed\n"), std::string::npos) << write.out;
  EXPECT_EQ(CountLinesStartingWith(path("radios.csv"), "20"), 4);
}

TEST_F(BatchWrite, WaitingForRadiosWritesEachOnceAndTheNextAfterTheSwap) {
  // Off long enough for a wake-up to go unanswered.
  Sim sim({"--swap-gap", "2000"}, 2);
  Child cli(QM314_CLI_PATH,
            {"write", ports(sim), path("new.int"), "--repeat", "--wait-for-radio", "--log", path("radios.csv")});
  auto logged = [this] { return CountLinesStartingWith(path("radios.csv"), "20"); };
  auto waitFor = [&](int lines) {
    for (int i = 0; i < 1500 && logged() < lines; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(20));
    return logged();
  };
  ASSERT_EQ(waitFor(2), 2);
  // The same radios stay on: they are woken again and again, never written again.
  std::this_thread::sleep_for(std::chrono::milliseconds(2500));
  EXPECT_EQ(logged(), 2);
  sim.process().signal(SIGUSR1);
  ASSERT_EQ(waitFor(4), 4);
  cli.signal(SIGINT);
  const Finished stopped = cli.wait(10);
  EXPECT_EQ(stopped.status, 0) << stopped.err;
  // The next radios are others: their serial numbers follow the first two.
  std::vector<std::string> identities;
  for (const std::string& line : Lines(path("radios.csv"))) identities.push_back(Fields(line)[5]);
  ASSERT_EQ(identities.size(), 5u);
  std::sort(identities.begin() + 1, identities.end());
  EXPECT_EQ(identities[1], "514D333134530100");
  EXPECT_EQ(identities[2], "514D333134530101");
  EXPECT_EQ(identities[3], "514D333134530102");
  EXPECT_EQ(identities[4], "514D333134530103");
}

TEST_F(BatchWrite, APortNamedTwiceIsRefusedBeforeAnythingIsSent) {
  Sim sim({"--log", path("sim.log")});
  setenv("QM314_COM3", sim.device().c_str(), 1);
  const Finished write = RunCli({"write", "COM3," + sim.device(), path("new.int")});
  unsetenv("QM314_COM3");
  EXPECT_EQ(write.status, 2);
  EXPECT_NE(write.err.find("\"COM3\" and \"" + sim.device() + "\" are the same port"), std::string::npos)
      << write.err;
  EXPECT_EQ(CountLines(path("sim.log"), "wake-up clone"), 0);
}

}  // namespace
}  // namespace qm314::e2e
