// The second part of "Could not Open the Port...": what the system says about why
// the port did not open, and what the user can do about it.
#pragma once

#include <string>

#include "link/port_access.h"
#include "link/serial_devices.h"

namespace qm314 {

// For a port name ("COM1" or a device path), the device that was tried and the
// errno that refused it.  roots is where to look for the devices present.
std::string DiagnosePortOpen(const std::string& portName, const std::string& device, int error,
                             const SerialDeviceRoots& roots = {});

// Why this user may not open the device and the fix; empty when it may.
std::string PermissionAdvice(const std::string& device, const PortAccess& access);

// "held by 1234 (minicom)" / "open in 1234 (minicom), 99 (cat)", or empty.
std::string HoldersText(const std::string& device);

}  // namespace qm314
