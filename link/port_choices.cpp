// COM names first, then the devices they do not cover.
#include "link/port_choices.h"

#include <algorithm>
#include <filesystem>

#include "link/port_names.h"

namespace qm314 {

std::vector<PortChoice> PortChoices(const SerialDeviceRoots& roots) {
  std::vector<PortChoice> choices;
  std::vector<std::string> named;
  for (const char* name : kPortNames) {
    PortChoice choice{name, DevicePathForPort(name), true};
    std::error_code ec;
    choice.present = std::filesystem::exists(choice.device, ec);
    named.push_back(CanonicalDevicePath(name));
    choices.push_back(choice);
  }
  for (const SerialDevice& device : ListSerialDevices(roots)) {
    if (std::find(named.begin(), named.end(), CanonicalDevicePath(device.path)) != named.end()) continue;
    choices.push_back({device.path, device.path, true});
  }
  return choices;
}

}  // namespace qm314
