// A second process that holds a port the way another program would.
#pragma once

#include <sys/types.h>

#include <string>

namespace qm314::faults {

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
