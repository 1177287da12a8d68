// Spawning and reaping the programs under test.
#include "process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <random>
#include <iterator>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace qm314::e2e {
namespace {

double Now() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

void Drain(int fd, std::string& into) {
  char buf[4096];
  for (;;) {
    const ssize_t n = ::read(fd, buf, sizeof buf);
    if (n <= 0) return;
    into.append(buf, static_cast<std::size_t>(n));
  }
}

}  // namespace

Child::Child(const std::string& program, const std::vector<std::string>& args) {
  int out[2], err[2];
  if (pipe2(out, O_CLOEXEC) != 0 || pipe2(err, O_CLOEXEC) != 0) throw std::runtime_error("pipe");
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_adddup2(&actions, err[1], STDERR_FILENO);
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  started_ = Now();
  if (posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv.data(), environ) != 0) {
    throw std::runtime_error("cannot start " + program);
  }
  posix_spawn_file_actions_destroy(&actions);
  ::close(out[1]);
  ::close(err[1]);
  out_ = out[0];
  err_ = err[0];
  fcntl(err_, F_SETFL, O_NONBLOCK);
}

Child::~Child() {
  if (pid_ > 0) {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
  if (out_ >= 0) ::close(out_);
  if (err_ >= 0) ::close(err_);
}

std::string Child::firstLine() {
  std::string line;
  char c;
  while (::read(out_, &c, 1) == 1 && c != '\n') line += c;
  return line;
}

void Child::signal(int sig) { kill(pid_, sig); }

Finished Child::wait(double timeoutSeconds) {
  Finished result;
  const double deadline = Now() + timeoutSeconds;
  int status = 0;
  fcntl(out_, F_SETFL, O_NONBLOCK);
  for (;;) {
    Drain(err_, errText_);
    Drain(out_, result.out);
    const pid_t done = waitpid(pid_, &status, WNOHANG);
    if (done == pid_) break;
    if (Now() > deadline) {
      kill(pid_, SIGKILL);
      waitpid(pid_, &status, 0);
      errText_ += "[killed after the time-out]";
      break;
    }
    pollfd p{err_, POLLIN, 0};
    poll(&p, 1, 20);
  }
  pid_ = -1;
  Drain(err_, errText_);
  Drain(out_, result.out);
  result.seconds = Now() - started_;
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  result.err = errText_;
  return result;
}

namespace {

std::vector<std::string> WithRadios(std::vector<std::string> args, int radios) {
  if (radios > 1) {
    args.push_back("--radios");
    args.push_back(std::to_string(radios));
  }
  return args;
}

}  // namespace

Sim::Sim(std::vector<std::string> args, int radios) : child_(QM314_SIM_PATH, WithRadios(std::move(args), radios)) {
  for (int i = 0; i < radios; ++i) devices_.push_back(child_.firstLine());
}

Sim::~Sim() {
  if (!stopped_) stop();
}

Finished Sim::stop() {
  stopped_ = true;
  child_.signal(SIGTERM);
  return child_.wait(10);
}

Finished RunCli(const std::vector<std::string>& args, double timeoutSeconds) {
  Child cli(QM314_CLI_PATH, args);
  return cli.wait(timeoutSeconds);
}

std::string ScratchDir() {
  char pattern[] = "/tmp/qm314-e2e-XXXXXX";
  if (mkdtemp(pattern) == nullptr) throw std::runtime_error("mkdtemp");
  return pattern;
}

std::vector<std::uint8_t> RandomBytes(unsigned seed) {
  std::mt19937 random(seed);
  std::vector<std::uint8_t> bytes(1024);
  for (std::uint8_t& b : bytes) b = static_cast<std::uint8_t>(random());
  return bytes;
}

std::vector<std::uint8_t> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

int CountLines(const std::string& path, const std::string& line) {
  std::ifstream in(path);
  int n = 0;
  for (std::string l; std::getline(in, l);) n += l == line ? 1 : 0;
  return n;
}

int CountLinesStartingWith(const std::string& path, const std::string& prefix) {
  std::ifstream in(path);
  int n = 0;
  for (std::string l; std::getline(in, l);) n += l.rfind(prefix, 0) == 0 ? 1 : 0;
  return n;
}

bool WaitForLine(const std::string& path, const std::string& line, double timeoutSeconds) {
  const double deadline = Now() + timeoutSeconds;
  while (Now() < deadline) {
    if (CountLines(path, line) > 0) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return false;
}

}  // namespace qm314::e2e
