// Mapping of the program's port names to device paths.
#include "link/port_names.h"

#include <cstdlib>

namespace qm314 {

std::string DevicePathForPort(const std::string& portName) {
  for (std::size_t i = 0; i < kPortNames.size(); ++i) {
    if (portName != kPortNames[i]) continue;
    const std::string variable = "QM314_" + portName;
    const char* overridden = std::getenv(variable.c_str());
    if (overridden != nullptr && *overridden != '\0') return overridden;
    return "/dev/ttyUSB" + std::to_string(i);
  }
  return portName;
}

}  // namespace qm314
