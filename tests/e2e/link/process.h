// Child processes for the end-to-end tests: qm314-sim serving a pseudo-terminal,
// and qm314-cli runs whose exit status and standard error are kept.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace qm314::e2e {

struct Finished {
  int status = -1;  // exit status, or -1 when killed by a signal
  std::string err;
  std::string out;  // standard output after the first line a caller may have taken
  double seconds = 0;
};

// A running program with its standard error in a pipe.
class Child {
 public:
  Child(const std::string& program, const std::vector<std::string>& args);
  ~Child();
  Child(const Child&) = delete;
  Child& operator=(const Child&) = delete;

  pid_t pid() const { return pid_; }
  // The first line of standard output (the simulator's device path).
  std::string firstLine();
  void signal(int sig);
  // Waits for the end; kills the child after `timeoutSeconds`.
  Finished wait(double timeoutSeconds = 60);

 private:
  pid_t pid_ = -1;
  int out_ = -1;
  int err_ = -1;
  double started_ = 0;
  std::string errText_;
};

// qm314-sim with the given options; stopped with SIGTERM when destroyed.
class Sim {
 public:
  // With `radios` above 1 it is started with --radios and serves that many lines.
  explicit Sim(std::vector<std::string> args = {}, int radios = 1);
  ~Sim();
  const std::string& device() const { return devices_.front(); }
  const std::vector<std::string>& devices() const { return devices_; }
  Finished stop();
  Child& process() { return child_; }

 private:
  Child child_;
  std::vector<std::string> devices_;
  bool stopped_ = false;
};

Finished RunCli(const std::vector<std::string>& args, double timeoutSeconds = 60);

// A fresh folder for one test's files.
std::string ScratchDir();
// 1024 bytes the same for the same seed, standing for a radio's memory.
std::vector<std::uint8_t> RandomBytes(unsigned seed);
std::vector<std::uint8_t> ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes);
// Lines of a text file that equal `line`.
int CountLines(const std::string& path, const std::string& line);
// Lines of a text file that begin with `prefix`.
int CountLinesStartingWith(const std::string& path, const std::string& prefix);
// Waits until the file holds a line equal to `line`; false after the time-out.
bool WaitForLine(const std::string& path, const std::string& line, double timeoutSeconds);

}  // namespace qm314::e2e
