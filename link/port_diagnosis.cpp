// Texts of the port diagnosis, one per cause.
#include "link/port_diagnosis.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "link/port_holders.h"
#include "link/port_names.h"

namespace qm314 {
namespace {

// "COM1 is /dev/ttyUSB0; ..." for the program's names, nothing for a path.
std::string PortNameNote(const std::string& portName, const std::string& device) {
  for (const char* name : kPortNames) {
    if (portName == name) {
      return " " + portName + " is " + device + "; QM314_" + portName + " in the environment names another device.";
    }
  }
  return "";
}

std::string Absent(const std::string& portName, const std::string& device, const SerialDeviceRoots& roots) {
  std::string text = "No such device: " + device +
                     " does not exist. The programming cable is not plugged in, or the port's name is wrong." +
                     PortNameNote(portName, device);
  const std::vector<SerialDevice> present = ListSerialDevices(roots);
  if (present.empty()) return text + " No serial device is present.";
  return text + " Serial devices present: " + JoinDevicePaths(present) + ".";
}

std::string Busy(const std::string& device) {
  const std::string holders = HoldersText(device);
  if (holders.empty()) {
    return "In use: another program holds " + device +
           ", and the system does not tell which (it may belong to another user). "
           "Close the other program that uses the port, then try again.";
  }
  return "In use: " + device + " is " + holders + ". Close that program, or let it finish, then try again.";
}

// USB serial adapters, which the udev rule for programming cables covers; a
// stable name under /dev/serial is followed to the device it names.
bool IsUsbSerialName(const std::string& device) {
  std::error_code ec;
  const std::filesystem::path real = std::filesystem::canonical(device, ec);
  const std::string name = (ec ? std::filesystem::path(device) : real).filename().string();
  return name.rfind("ttyUSB", 0) == 0 || name.rfind("ttyACM", 0) == 0;
}

}  // namespace

std::string PermissionAdvice(const std::string& device, const PortAccess& access) {
  if (!access.exists || access.mayOpen) return "";
  const std::string owners = device + " (" + access.owner + ":" + access.group + ", " + ModeText(access.mode) + ")";
  if (access.groupMayOpen && !access.userListedInGroup) {
    return "Permission denied: " + device + " belongs to group " + access.group + ", and user " + access.user +
           " is not in it. Add the user with `sudo usermod -aG " + access.group + " " + access.user +
           "`, then log out and log in again (a new group counts from the next login).";
  }
  if (access.groupMayOpen && !access.sessionHasGroup) {
    return "Permission denied: user " + access.user + " is in group " + access.group + ", which owns " + device +
           ", but this session began before the user joined it. Log out and log in again.";
  }
  if (!access.groupMayOpen && IsUsbSerialName(device)) {
    return "Permission denied: " + owners + " may be opened by its owner only. Install the udev rule for "
           "programming cables that comes with this program (60-qm314-cables.rules), then plug the cable in again.";
  }
  if (!access.groupMayOpen) {
    // The udev rule covers USB adapters only; a built-in port needs the
    // administrator.
    return "Permission denied: " + owners + " may be opened by its owner only. The administrator can give user " +
           access.user + " access with `sudo setfacl -m u:" + access.user + ":rw " + device +
           "` (until the device is created again at the next start).";
  }
  return "Permission denied: " + owners + " refuses user " + access.user +
         " although the user is in its group; an access control list or a security module forbids it.";
}

std::string HoldersText(const std::string& device) {
  const std::vector<PortHolder> holders = FindPortHolders(device);
  std::string locked, open;
  for (const PortHolder& holder : holders) {
    std::string& list = holder.locks ? locked : open;
    if (!list.empty()) list += ", ";
    list += DescribeHolder(holder);
  }
  if (!locked.empty()) return "held by " + locked + (open.empty() ? "" : "; open in " + open + " too");
  if (!open.empty()) return "open in " + open;
  return "";
}

std::string DiagnosePortOpen(const std::string& portName, const std::string& device, int error,
                             const SerialDeviceRoots& roots) {
  switch (error) {
    case EACCES:
    case EPERM: {
      const std::string advice = PermissionAdvice(device, CheckPortAccess(device));
      if (!advice.empty()) return advice;
      return "Permission denied: the system refuses " + device + " to user " + CheckPortAccess(device).user + ".";
    }
    case ENOENT:
      return Absent(portName, device, roots);
    case ENXIO:
    case ENODEV:
    case EIO:
      return "No device answers behind " + device +
             ": the adapter was unplugged, or this port has no hardware. Plug the cable in again, or choose "
             "another port.";
    case EWOULDBLOCK:
    case EBUSY:
      return Busy(device);
    case ENOTTY:
      return device + " is not a serial device." + PortNameNote(portName, device);
    case 0:
      return device + " did not open.";
    default:
      return device + ": " + std::strerror(error) + ".";
  }
}

}  // namespace qm314
