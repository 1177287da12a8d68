// The serial devices present on this machine, under the names a user may know
// them by: the kernel's (/dev/ttyUSB0) and the stable ones under /dev/serial/by-id.
#pragma once

#include <string>
#include <vector>

namespace qm314 {

struct SerialDevice {
  std::string path;                      // /dev/ttyUSB0
  std::vector<std::string> stableNames;  // /dev/serial/by-id/... that lead to it
};

// Where to look; other roots only in tests.
struct SerialDeviceRoots {
  std::string dev = "/dev";
  std::string sysClassTty = "/sys/class/tty";
};

// USB adapters (ttyUSB*, ttyACM*) and the built-in ports (ttyS*) that have a UART
// behind them, in name order (ttyUSB2 before ttyUSB10).
std::vector<SerialDevice> ListSerialDevices(const SerialDeviceRoots& roots = {});

// The devices' paths, joined by ", ".
std::string JoinDevicePaths(const std::vector<SerialDevice>& devices);

}  // namespace qm314
