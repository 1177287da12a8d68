// The program shows and keeps the port names "COM1".."COM4"; on Linux each names a
// device, which the environment may override.  Any other name is a device path.
#pragma once

#include <array>
#include <string>

namespace qm314 {

inline constexpr std::array<const char*, 4> kPortNames{"COM1", "COM2", "COM3", "COM4"};
inline constexpr const char* kDefaultPortName = "COM1";

// "COM1".."COM4" -> $QM314_COM1..4 if set and not empty, else /dev/ttyUSB0..3.
std::string DevicePathForPort(const std::string& portName);

}  // namespace qm314
