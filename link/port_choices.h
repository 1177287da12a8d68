// The ports a user may pick for programming several radios: COM1-COM4 with the
// devices they name, then every serial device present that no COM name leads
// to, so each device is offered once.
#pragma once

#include <string>
#include <vector>

#include "link/serial_devices.h"

namespace qm314 {

struct PortChoice {
  std::string name;    // "COM1" or a device path
  std::string device;  // the device it leads to
  bool present = true;
};

std::vector<PortChoice> PortChoices(const SerialDeviceRoots& roots = {});

}  // namespace qm314
