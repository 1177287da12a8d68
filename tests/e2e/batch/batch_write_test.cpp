// qm314-cli write to several radios of qm314-sim at once: one radio failing
// leaves the others written and verified, the log has a line per radio with
// the bytes each got, a stop in the middle sends nothing more to any radio,
// and the next radios come by Enter or by themselves.
#include <gtest/gtest.h>

#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <map>
#include <thread>

#include "link/posix_serial_port.h"
#include "process.h"
#include "radio/csv.h"
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
  const CsvParse parsed = ParseCsv(line);
  return parsed.ok() && parsed.records.size() == 1 ? parsed.records[0].fields : std::vector<std::string>{};
}

// The unfinished write's words, as a single write says them.
std::string Unfinished(int blocks) {
  return "The write to the radio did not complete: the radio took " + std::to_string(blocks) +
         " of the 123 blocks, so its settings are now a mix of old and new. Writing to the radio again completes "
         "them.";
}

// R running or S sleeping; T when a signal stopped it.
char ProcessState(pid_t pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
  const std::size_t end = text.rfind(')');
  return end == std::string::npos || end + 2 >= text.size() ? '?' : text[end + 2];
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

TEST_F(BatchWrite, FailingRadiosLeaveTheOthersWrittenAndVerifiedAndEveryRadioIsLogged) {
  // Radio 2 stops acknowledging at block 40; radio 3 keeps block 30 wrong.
  Sim sim({"--image", path("radio.bin"), "--save", path("radio.bin"), "--fault", "2:no-ack@40", "3:corrupt@30"}, 3);
  const Finished write =
      RunCli({"write", ports(sim), path("new.int"), "--verify", "--log", path("radios.csv")}, 90);
  EXPECT_EQ(write.status, 1);
  const std::vector<std::string>& d = sim.devices();
  const std::string halfWritten = "Error had happen,please try again. " + Unfinished(40);
  EXPECT_NE(write.out.find(d[1] + ": failed: " + halfWritten + "\n"), std::string::npos) << write.out;
  EXPECT_NE(write.out.find(d[0] + ": verified\n"), std::string::npos) << write.out;
  const std::string differs = "Verify After Write: 1 of 123 written blocks differs from what the radio holds:";
  EXPECT_NE(write.out.find(d[2] + ": verify failed: " + differs + "\n  block 30 at 0x0F0-0x0F7: "),
            std::string::npos)
      << write.out;
  EXPECT_NE(write.out.find("3 writes on 3 ports: 2 written, 1 verified, 2 failed\n"), std::string::npos) << write.out;

  // sha256sum, not the program's own digest, says what the file holds and
  // what the radio holds after its write.
  Child sum("/usr/bin/sha256sum", {path("new.int")});
  const std::string fileDigest = sum.firstLine().substr(0, 64);
  const std::vector<std::uint8_t> file = ReadFile(path("new.int"));
  WriteFile(path("written.bin"), std::vector<std::uint8_t>(file.begin(), file.begin() + 0x3D8));
  Child writtenSum("/usr/bin/sha256sum", {path("written.bin")});
  const std::string writtenDigest = writtenSum.firstLine().substr(0, 64);
  const std::vector<std::string> log = Lines(path("radios.csv"));
  ASSERT_EQ(log.size(), 4u);
  EXPECT_EQ(log[0], "time,port,device,outcome,message,identification,file_sha256,written_sha256");
  std::map<std::string, std::vector<std::string>> byPort;
  for (std::size_t i = 1; i < log.size(); ++i) {
    const std::vector<std::string> f = Fields(log[i]);
    ASSERT_EQ(f.size(), 8u) << log[i];
    // Local time with its offset, to the second: 2024-05-01T14:03:22+02:00.
    EXPECT_EQ(f[0].size(), 25u) << f[0];
    EXPECT_EQ(f[0][10], 'T');
    EXPECT_EQ(f[0][22], ':');
    EXPECT_EQ(f[6], fileDigest);
    EXPECT_EQ(f[7], writtenDigest);
    byPort[f[1]] = f;
  }
  // Each radio says who it is; the simulated ones end with their number.
  EXPECT_EQ(byPort[d[0]][3], "verified");
  EXPECT_EQ(byPort[d[0]][5], "514D333134530100");
  EXPECT_EQ(byPort[d[1]][3], "failed");
  EXPECT_EQ(byPort[d[1]][4], halfWritten);
  EXPECT_EQ(byPort[d[1]][5], "514D333134530101");
  EXPECT_EQ(byPort[d[2]][3], "verify failed");
  EXPECT_EQ(byPort[d[2]][4].rfind(differs + " block 30 at 0x0F0-0x0F7: 8 bytes differ", 0), 0u) << byPort[d[2]][4];
  EXPECT_EQ(byPort[d[2]][2], d[2]);

  sim.stop();
  for (int radio : {1, 2, 3}) {
    const std::vector<std::uint8_t> memory = ReadFile(path("radio-" + std::to_string(radio) + ".bin"));
    ASSERT_EQ(memory.size(), 1024u) << radio;
    // Radio 2 kept blocks 0-40 (the last one unacknowledged) and its own bytes beyond.
    const std::size_t writtenUpTo = radio == 2 ? 41 * 8 : 0x3D8;
    for (std::size_t i = 0; i < 1024; ++i) {
      const std::uint8_t kept = radio == 3 && i / 8 == 30 ? file[i] ^ 0xFF : file[i];
      ASSERT_EQ(memory[i], i < writtenUpTo ? kept : radioBefore[i]) << "radio " << radio << " offset " << i;
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
      EXPECT_EQ(f[4], "stopped. " + Unfinished(after));
    }
    EXPECT_TRUE(found) << device;
  }
}

TEST_F(BatchWrite, RepeatWritesTheNextRadiosAtEachLineOfInputAndCountsWrites) {
  Sim sim({}, 2);
  // One Enter without a swap, then the end of input: the same radios twice.
  Child cli("/bin/sh", {"-c", "printf '\\n' | " + std::string(QM314_CLI_PATH) + " write " + ports(sim) + " " +
                                  path("new.int") + " --repeat --log " + path("radios.csv")});
  const Finished write = cli.wait(60);
  EXPECT_EQ(write.status, 0) << write.err;
  EXPECT_NE(write.out.find("2 writes on 2 ports: 2 written, 0 verified, 0 failed\n"), std::string::npos) << write.out;
  EXPECT_NE(write.out.find("4 writes on 2 ports: 4 written, 0 verified, 0 failed\n"), std::string::npos) << write.out;
  const std::string again = "written: the same radio again, by its identification\n";
  for (const std::string& device : sim.devices()) {
    const std::size_t first = write.out.find(device + ": written\n");
    EXPECT_LT(first, write.out.find(device + ": " + again)) << write.out;
  }
  const std::vector<std::string> log = Lines(path("radios.csv"));
  ASSERT_EQ(log.size(), 5u);
  for (std::size_t i = 1; i < log.size(); ++i) {
    EXPECT_EQ(Fields(log[i]).at(4), i <= 2 ? "" : "the same radio again, by its identification") << log[i];
  }
}

TEST_F(BatchWrite, WaitingForRadiosWritesEachOnceAndTheNextAfterEachSwap) {
  // Swaps quicker than a wake-up: the next radios are known by their identification.
  Sim sim({"--swap-gap", "300"}, 2);
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
  for (int swaps = 1; swaps <= 2; ++swaps) {
    sim.process().signal(SIGUSR1);
    ASSERT_EQ(waitFor(2 + 2 * swaps), 2 + 2 * swaps);
  }
  cli.signal(SIGINT);
  const Finished stopped = cli.wait(10);
  EXPECT_EQ(stopped.status, 0) << stopped.err;
  // The next radios are others: their serial numbers follow the first two.
  std::vector<std::string> identities;
  for (const std::string& line : Lines(path("radios.csv"))) identities.push_back(Fields(line).at(5));
  ASSERT_EQ(identities.size(), 7u);
  std::sort(identities.begin() + 1, identities.end());
  for (int radio = 0; radio < 6; ++radio) {
    EXPECT_EQ(identities[static_cast<std::size_t>(1 + radio)], "514D33313453010" + std::to_string(radio));
  }
}

TEST_F(BatchWrite, StopDuringTheReadBackOfASilentRadioEndsAtOnceWrittenAndNotVerified) {
  // The radio does not answer the read-back's block 20, which the program
  // would wait 6.1 s for.
  Sim sim({"--fault", "short:0@20", "--log", path("sim.log")});
  Child cli(QM314_CLI_PATH, {"write", sim.device(), path("new.int"), "--verify", "--log", path("radios.csv")});
  ASSERT_TRUE(WaitForLine(path("sim.log"), "read 0x0A0", 60));
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  const auto asked = std::chrono::steady_clock::now();
  cli.signal(SIGINT);
  const Finished stopped = cli.wait(10);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - asked).count();
  std::printf("Ctrl+C to the end with the port closed: %.3f s\n", seconds);
  EXPECT_LT(seconds, 1.5);
  EXPECT_TRUE(PortIsFree(sim.device()));
  EXPECT_EQ(stopped.status, 1);
  const std::string notVerified = "stopped before the read-back ended; the write is not verified";
  EXPECT_NE(stopped.out.find(sim.device() + ": written: " + notVerified + "\n"), std::string::npos) << stopped.out;
  const std::vector<std::string> log = Lines(path("radios.csv"));
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(Fields(log[1]).at(3), "written");
  EXPECT_EQ(Fields(log[1]).at(4), notVerified);
}

TEST_F(BatchWrite, ABackgroundJobLeavesItsTerminalAloneUntilItIsInTheForeground) {
  Sim sim;
  const std::string cli = QM314_CLI_PATH;
  const std::string device = sim.device(), file = path("new.int"), log = path("radios.csv");
  int jobPipe[2];
  ASSERT_EQ(pipe(jobPipe), 0);
  // A terminal session whose shell started the batch with `&`.
  int terminal = -1;
  const pid_t shell = forkpty(&terminal, nullptr, nullptr, nullptr);
  ASSERT_GE(shell, 0);
  if (shell == 0) {
    sigset_t fgSignal;
    sigemptyset(&fgSignal);
    sigaddset(&fgSignal, SIGUSR1);
    sigprocmask(SIG_BLOCK, &fgSignal, nullptr);
    const pid_t job = fork();
    if (job == 0) {
      sigprocmask(SIG_UNBLOCK, &fgSignal, nullptr);
      setpgid(0, 0);
      execl(cli.c_str(), "qm314-cli", "write", device.c_str(), file.c_str(), "--repeat", "--log", log.c_str(),
            static_cast<char*>(nullptr));
      _exit(127);
    }
    setpgid(job, job);
    (void)!write(jobPipe[1], &job, sizeof job);
    // SIGUSR1 is `fg`.
    int sig = 0;
    sigwait(&fgSignal, &sig);
    signal(SIGTTOU, SIG_IGN);
    tcsetpgrp(STDIN_FILENO, job);
    int status = 0;
    waitpid(job, &status, 0);
    _exit(WIFEXITED(status) ? WEXITSTATUS(status) : 99);
  }
  pid_t job = -1;
  const ssize_t got = read(jobPipe[0], &job, sizeof job);
  close(jobPipe[0]);
  close(jobPipe[1]);
  ASSERT_EQ(got, static_cast<ssize_t>(sizeof job));
  // What the job prints must be taken away, or its writes would wait.
  std::string screen;
  std::thread reader([&] {
    char buffer[512];
    for (ssize_t n; (n = read(terminal, buffer, sizeof buffer)) > 0;) {
      screen.append(buffer, static_cast<std::size_t>(n));
    }
  });
  const auto end = [&] {
    kill(job, SIGKILL);
    kill(shell, SIGKILL);
    int status = 0;
    waitpid(shell, &status, 0);
    return status;
  };

  for (int i = 0; i < 3000 && CountLinesStartingWith(log, "20") < 1; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  // The round is over and the next would be asked for on the terminal.
  std::this_thread::sleep_for(std::chrono::seconds(1));
  const char state = ProcessState(job);
  EXPECT_NE(state, 'T') << "the job was stopped for reading its terminal in the background";
  int status = -1;
  if (state != 'T') {
    // fg, then Enter for the next round and Ctrl+D after it.
    kill(shell, SIGUSR1);
    EXPECT_EQ(write(terminal, "\n\x04", 2), 2);
    for (int i = 0; i < 3000 && waitpid(shell, &status, WNOHANG) == 0; ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
  }
  if (!WIFEXITED(status)) status = end();
  // The terminal ends with the session.
  reader.join();
  close(terminal);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status << screen;
  EXPECT_EQ(CountLinesStartingWith(log, "20"), 2);
  EXPECT_NE(screen.find("Put the next radios on and press Enter"), std::string::npos) << screen;
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
