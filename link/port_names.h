// The program shows and keeps the port names "COM1".."COM4"; on Linux each names a
// device, which the environment may override.  Any other name is a device path.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace qm314 {

inline constexpr std::array<const char*, 4> kPortNames{"COM1", "COM2", "COM3", "COM4"};
inline constexpr const char* kDefaultPortName = "COM1";

// "COM1".."COM4" -> $QM314_COM1..4 if set and not empty, else /dev/ttyUSB0..3.
std::string DevicePathForPort(const std::string& portName);

// The device a port name leads to, links resolved, so two names of one device
// compare equal ("COM1" and the /dev/serial/by-id name of the same adapter).
std::string CanonicalDevicePath(const std::string& portName);

// The first two names in `ports` that lead to the same device, by index.
std::optional<std::pair<std::size_t, std::size_t>> FindRepeatedPort(const std::vector<std::string>& ports);

}  // namespace qm314
