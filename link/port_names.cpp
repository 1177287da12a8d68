// Mapping of the program's port names to device paths.
#include "link/port_names.h"

#include <cstdlib>
#include <filesystem>

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

std::string CanonicalDevicePath(const std::string& portName) {
  const std::string path = DevicePathForPort(portName);
  std::error_code ec;
  const std::filesystem::path resolved = std::filesystem::weakly_canonical(path, ec);
  return ec ? path : resolved.string();
}

std::optional<std::pair<std::size_t, std::size_t>> FindRepeatedPort(const std::vector<std::string>& ports) {
  std::vector<std::string> devices;
  for (const std::string& port : ports) devices.push_back(CanonicalDevicePath(port));
  for (std::size_t j = 1; j < devices.size(); ++j) {
    for (std::size_t i = 0; i < j; ++i) {
      if (devices[i] == devices[j]) return std::pair{i, j};
    }
  }
  return std::nullopt;
}

}  // namespace qm314
