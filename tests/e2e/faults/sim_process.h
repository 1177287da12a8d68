// qm314-sim as a child process for the fault matrix, and a second process that
// holds a port the way another program would.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace qm314::faults {

class SimProcess {
 public:
  // Starts qm314-sim with `args` and waits for the device path it prints.
  SimProcess(const std::string& program, const std::vector<std::string>& args);
  ~SimProcess();
  SimProcess(const SimProcess&) = delete;
  SimProcess& operator=(const SimProcess&) = delete;

  const std::string& device() const { return device_; }
  pid_t pid() const { return pid_; }
  // SIGTERM, then waits; the simulator saves its memory on the way out.  True
  // when it ended by itself or on the signal within a few seconds.
  bool stop();

 private:
  pid_t pid_ = -1;
  std::string device_;
};

// Another process that opens the port exclusively and keeps it until destroyed.
class PortHolder {
 public:
  explicit PortHolder(const std::string& device);
  ~PortHolder();
  PortHolder(const PortHolder&) = delete;
  PortHolder& operator=(const PortHolder&) = delete;

  bool holding() const { return holding_; }
  void release();

 private:
  pid_t pid_ = -1;
  bool holding_ = false;
};

}  // namespace qm314::faults
