// Spawning and timing the programs the benchmarks run.
#include "child_runs.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

extern char** environ;

namespace qm314::bench {

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

double CpuMs(const rusage& usage) {
  return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000.0 +
         (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000.0;
}

Run Measure(const std::vector<std::string>& args) {
  // What the program prints is not the benchmark's report.
  const int quiet = open("/dev/null", O_WRONLY | O_CLOEXEC);
  const auto start = std::chrono::steady_clock::now();
  const pid_t pid = Spawn(args, quiet);
  close(quiet);
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  Run run;
  run.wallMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  run.cpuMs = CpuMs(usage);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

namespace {

std::string ReadLine(int fd) {
  std::string line;
  for (char c; read(fd, &c, 1) == 1 && c != '\n';) line += c;
  return line;
}

}  // namespace

SimProcess::SimProcess(std::vector<std::string> args, int radios) {
  args.insert(args.begin(), QM314_SIM_PATH);
  if (radios > 1) args.insert(args.end(), {"--radios", std::to_string(radios)});
  int out[2];
  if (pipe(out) != 0) std::exit(1);
  pid_ = Spawn(args, out[1]);
  close(out[1]);
  for (int i = 0; i < radios; ++i) devices_.push_back(ReadLine(out[0]));
  close(out[0]);
}

SimProcess::~SimProcess() { stop(); }

rusage SimProcess::stop() {
  rusage usage{};
  if (pid_ < 0) return usage;
  kill(pid_, SIGTERM);
  int status = 0;
  wait4(pid_, &status, 0, &usage);
  pid_ = -1;
  return usage;
}

ScratchFile::ScratchFile() {
  char dir[] = "/tmp/qm314-bench-XXXXXX";
  if (mkdtemp(dir) == nullptr) std::exit(1);
  dir_ = dir;
  path_ = dir_ + "/radio.int";
}

ScratchFile::~ScratchFile() {
  unlink(path_.c_str());
  rmdir(dir_.c_str());
}

}  // namespace qm314::bench
