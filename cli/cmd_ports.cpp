// `ports`: the serial devices present, whether this user may open each, whether
// another program holds it, and which of COM1-COM4 names it.
#include <filesystem>

#include "cli/args.h"
#include "cli/command.h"
#include "link/port_access.h"
#include "link/port_diagnosis.h"
#include "link/port_names.h"
#include "link/serial_devices.h"

namespace qm314::cli {
namespace {

namespace fs = std::filesystem;

std::string ComNamesOf(const std::string& device) {
  std::string names;
  for (const char* name : kPortNames) {
    if (CanonicalDevicePath(name) != CanonicalDevicePath(device)) continue;
    if (!names.empty()) names += ", ";
    names += name;
  }
  return names;
}

void PrintDevice(std::ostream& out, const SerialDevice& device) {
  const std::string com = ComNamesOf(device.path);
  out << device.path << (com.empty() ? "" : "  " + com) << "\n";
  for (const std::string& name : device.stableNames) out << "  stable name: " << name << "\n";
  const PortAccess access = CheckPortAccess(device.path);
  const std::string advice = PermissionAdvice(device.path, access);
  out << "  may open:    " << (advice.empty() ? "yes" : "no; " + advice) << "\n";
  const std::string holders = HoldersText(device.path);
  out << "  in use:      " << (holders.empty() ? "no" : holders) << "\n";
}

}  // namespace

int RunPorts(Invocation& invocation) {
  ParseArgs(invocation.args, ArgSpec().positionals(0, 0));
  std::vector<SerialDevice> devices = ListSerialDevices();
  // A COM name may point anywhere, a pseudo-terminal or a stable name
  // included: show what it names too.
  for (const char* name : kPortNames) {
    const std::string path = DevicePathForPort(name);
    std::error_code ec;
    if (!fs::exists(path, ec)) continue;
    bool listed = false;
    for (const SerialDevice& device : devices) {
      listed = listed || CanonicalDevicePath(device.path) == CanonicalDevicePath(path);
    }
    if (!listed) devices.push_back({path, {}});
  }

  std::ostream& out = invocation.out;
  if (devices.empty()) out << "No serial device is present.\n";
  for (const SerialDevice& device : devices) PrintDevice(out, device);
  for (const char* name : kPortNames) {
    const std::string path = DevicePathForPort(name);
    std::error_code ec;
    if (!fs::exists(path, ec)) out << name << " is " << path << ", which is not present.\n";
  }
  return kExitSuccess;
}

}  // namespace qm314::cli
