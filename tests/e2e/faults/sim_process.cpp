// Starting, stopping and reaping the child processes of the fault matrix.
#include "tests/e2e/faults/sim_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>
#include <thread>

#include "link/posix_serial_port.h"

extern char** environ;

namespace qm314::faults {
namespace {

bool WaitFor(pid_t pid, std::chrono::milliseconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (std::chrono::steady_clock::now() < deadline) {
    if (waitpid(pid, nullptr, WNOHANG) == pid) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return false;
}

void Kill(pid_t pid) {
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
}

}  // namespace

SimProcess::SimProcess(const std::string& program, const std::vector<std::string>& args) {
  int out[2];
  if (pipe2(out, O_CLOEXEC) != 0) throw std::runtime_error("pipe");
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  std::vector<char*> argv{const_cast<char*>(program.c_str())};
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  const int spawned = posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  ::close(out[1]);
  if (spawned != 0) {
    ::close(out[0]);
    throw std::runtime_error("cannot start " + program);
  }
  char c;
  while (::read(out[0], &c, 1) == 1 && c != '\n') device_ += c;
  ::close(out[0]);
  if (device_.empty()) throw std::runtime_error(program + " printed no device");
}

SimProcess::~SimProcess() {
  if (pid_ > 0) Kill(pid_);
}

bool SimProcess::stop() {
  if (pid_ <= 0) return true;
  kill(pid_, SIGTERM);
  const bool ended = WaitFor(pid_, std::chrono::seconds(5));
  if (!ended) Kill(pid_);
  pid_ = -1;
  return ended;
}

PortHolder::PortHolder(const std::string& device) {
  int ready[2];
  if (pipe2(ready, O_CLOEXEC) != 0) throw std::runtime_error("pipe");
  pid_ = fork();
  if (pid_ == 0) {
    // The child: take the port the way the program does, say so, wait to be killed.
    ::close(ready[0]);
    OpenedPort opened = PosixSerialPort::open(device);
    const char answer = opened.port ? 'y' : 'n';
    if (::write(ready[1], &answer, 1) != 1) _exit(1);
    for (;;) pause();
  }
  ::close(ready[1]);
  char answer = 'n';
  holding_ = pid_ > 0 && ::read(ready[0], &answer, 1) == 1 && answer == 'y';
  ::close(ready[0]);
}

PortHolder::~PortHolder() { release(); }

void PortHolder::release() {
  if (pid_ > 0) Kill(pid_);
  pid_ = -1;
  holding_ = false;
}

}  // namespace qm314::faults
