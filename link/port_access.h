// Whether this user may open a device, and if not, what the device's owner,
// group and mode say about why.
#pragma once

#include <sys/types.h>

#include <string>

namespace qm314 {

struct PortAccess {
  bool exists = false;
  bool mayOpen = false;         // read and write allowed to this process
  std::string user;             // this process's user name
  std::string owner;            // the device's owner and group, by name
  std::string group;
  mode_t mode = 0;
  bool groupMayOpen = false;    // the mode grants the group read and write
  bool userListedInGroup = false;  // the group database lists the user
  bool sessionHasGroup = false;    // this process runs with the group
};

PortAccess CheckPortAccess(const std::string& path);

// "crw-rw----", as ls shows the mode.
std::string ModeText(mode_t mode);

}  // namespace qm314
