// Which other processes hold a device: the owner of its flock, and every process
// with it open, as the kernel shows them under /proc.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace qm314 {

struct PortHolder {
  pid_t pid = 0;
  std::string command;  // the process's name, empty when /proc does not tell
  bool locks = false;   // holds the device's flock, the way our own program takes a port
};

// Other processes than this one that lock or have open the device at path, lock
// holders first.  Processes of other users show only where /proc lets us look.
// procRoot is "/proc" except in tests.
std::vector<PortHolder> FindPortHolders(const std::string& path, const std::string& procRoot = "/proc");

// "1234 (minicom)", or "1234" when the name is unknown.
std::string DescribeHolder(const PortHolder& holder);

}  // namespace qm314
