// The benchmarks' programs under test as child processes: started, waited for,
// and timed by the wall clock and by the processor time the system charged them.
#pragma once

#include <sys/resource.h>
#include <sys/types.h>
#include <sys/wait.h>

#include <string>
#include <vector>

namespace qm314::bench {

struct Run {
  int status = -1;
  double wallMs = 0;
  double cpuMs = 0;
};

// Starts args[0] with the arguments after it, its standard output on
// stdoutFd when that is not -1; ends the benchmark if it cannot.
pid_t Spawn(const std::vector<std::string>& args, int stdoutFd);

// Runs the program to its end, its standard output thrown away.
Run Measure(const std::vector<std::string>& args);

// User and system time, in milliseconds.
double CpuMs(const rusage& usage);

// qm314-sim with `args` serving `radios` lines; stopped when destroyed.
class SimProcess {
 public:
  SimProcess(std::vector<std::string> args, int radios);
  ~SimProcess();
  SimProcess(const SimProcess&) = delete;
  SimProcess& operator=(const SimProcess&) = delete;

  const std::vector<std::string>& devices() const { return devices_; }
  // Stops it and gives the processor time it used.
  rusage stop();

 private:
  pid_t pid_ = -1;
  std::vector<std::string> devices_;
};

// A file name in a folder of its own, both removed when destroyed.
class ScratchFile {
 public:
  ScratchFile();
  ~ScratchFile();
  ScratchFile(const ScratchFile&) = delete;
  ScratchFile& operator=(const ScratchFile&) = delete;
  const std::string& path() const { return path_; }

 private:
  std::string dir_;
  std::string path_;
};

}  // namespace qm314::bench
