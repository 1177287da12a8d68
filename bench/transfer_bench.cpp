// A full read and a full write of qm314-cli against qm314-sim, each timed against
// the protocol's pacing floor, with the command line's CPU time as a share of
// its wall time.  Run: build/bench/bench_transfer [ROUNDS]; the best round is the
// figure, the others show how much a busy machine adds.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

namespace {

// The floor: every pause the protocol mandates plus every byte's time on a
// 9600-baud line (10 bits each), with the radio answering instantly.
constexpr double kByteMs = 10.0 * 1000.0 / 9600.0;
// Handshake: 12 + 16 paced 1 ms steps, pauses of 1 ms after the wake-up and the
// confirmation, and the 620 ms read after the wake-up that a radio leaves
// unanswered; 8 wake-up bytes, ACK, identification request, 8 identity bytes,
// confirmation and its ACK.
constexpr double kHandshakeMs = (12 + 16 + 1 + 1 + 620) + (8 + 1 + 1 + 8 + 1 + 1) * kByteMs;
// Read block: 15 + 20 ms of pauses; request 4, answer 12, ACK and its ACK.
constexpr double kReadFloorMs = kHandshakeMs + 128 * (35 + (4 + 12 + 1 + 1) * kByteMs);
// Write block: 1 + 2 ms of pauses; request 4, data 8, ACK.
constexpr double kWriteFloorMs = kHandshakeMs + 123 * (3 + (4 + 8 + 1) * kByteMs);

struct Run {
  int status = -1;
  double wallMs = 0;
  double cpuMs = 0;
};

pid_t Spawn(const std::vector<std::string>& args, int stdoutFd) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (stdoutFd >= 0) posix_spawn_file_actions_adddup2(&actions, stdoutFd, STDOUT_FILENO);
  std::vector<char*> argv;
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  pid_t pid = -1;
  if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
    std::perror(argv[0]);
    std::exit(1);
  }
  posix_spawn_file_actions_destroy(&actions);
  return pid;
}

Run Measure(const std::vector<std::string>& args) {
  const auto start = std::chrono::steady_clock::now();
  const pid_t pid = Spawn(args, -1);
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  Run run;
  run.wallMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  run.cpuMs = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000.0 +
              (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000.0;
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

void Report(const char* what, const Run& run, double floorMs) {
  std::printf("%-6s %8.0f ms   floor %7.0f ms   %.3f x floor   CPU %5.1f ms = %4.2f %% of wall%s\n",
              what, run.wallMs, floorMs, run.wallMs / floorMs, run.cpuMs,
              100.0 * run.cpuMs / run.wallMs, run.status == 0 ? "" : "   (FAILED)");
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
  int out[2];
  if (pipe(out) != 0) return 1;
  const pid_t sim = Spawn({QM314_SIM_PATH}, out[1]);
  close(out[1]);
  std::string device;
  for (char c; read(out[0], &c, 1) == 1 && c != '\n';) device += c;

  char dir[] = "/tmp/qm314-bench-XXXXXX";
  if (mkdtemp(dir) == nullptr) return 1;
  const std::string file = std::string(dir) + "/radio.int";

  Run readRun, writeRun;
  bool failed = false;
  for (int round = 1; round <= rounds; ++round) {
    const Run r = Measure({QM314_CLI_PATH, "read", device, "-o", file});
    const Run w = Measure({QM314_CLI_PATH, "write", device, file});
    std::printf("round %d\n", round);
    Report("read", r, kReadFloorMs);
    Report("write", w, kWriteFloorMs);
    failed = failed || r.status != 0 || w.status != 0;
    if (round == 1 || r.wallMs < readRun.wallMs) readRun = r;
    if (round == 1 || w.wallMs < writeRun.wallMs) writeRun = w;
  }
  std::printf("best of %d\n", rounds);
  Report("read", readRun, kReadFloorMs);
  Report("write", writeRun, kWriteFloorMs);

  kill(sim, SIGTERM);
  int status = 0;
  rusage simUsage{};
  wait4(sim, &status, 0, &simUsage);
  std::printf("qm314-sim CPU over both: %.1f ms\n",
              (simUsage.ru_utime.tv_sec + simUsage.ru_stime.tv_sec) * 1000.0 +
                  (simUsage.ru_utime.tv_usec + simUsage.ru_stime.tv_usec) / 1000.0);
  unlink(file.c_str());
  rmdir(dir);
  return failed ? 1 : 0;
}
