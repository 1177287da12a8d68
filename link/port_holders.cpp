// Reading /proc/locks and /proc/*/fd for the holders of a device.
#include "link/port_holders.h"

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace qm314 {
namespace {

namespace fs = std::filesystem;

std::string CommandOf(const std::string& procRoot, pid_t pid) {
  std::ifstream comm(procRoot + "/" + std::to_string(pid) + "/comm");
  std::string name;
  std::getline(comm, name);
  return name;
}

// /proc/locks names a locked file by "MAJOR:MINOR:INODE" of the file system
// that holds it, major and minor in hex.
std::vector<pid_t> FlockOwners(const std::string& procRoot, const struct stat& device) {
  std::vector<pid_t> owners;
  std::ifstream locks(procRoot + "/locks");
  std::string line;
  while (std::getline(locks, line)) {
    if (line.find("->") != std::string::npos) continue;  // a waiter for the lock, not its holder
    std::istringstream fields(line);
    std::string number, kind, mode, access, where;
    long pid = 0;
    if (!(fields >> number >> kind >> mode >> access >> pid >> where) || kind != "FLOCK") continue;
    unsigned major = 0, minor = 0;
    unsigned long long inode = 0;
    if (std::sscanf(where.c_str(), "%x:%x:%llu", &major, &minor, &inode) != 3) continue;
    if (major == ::major(device.st_dev) && minor == ::minor(device.st_dev) &&
        inode == static_cast<unsigned long long>(device.st_ino) && pid > 0) {
      owners.push_back(static_cast<pid_t>(pid));
    }
  }
  return owners;
}

bool HasOpen(const fs::path& fdDir, const struct stat& device) {
  std::error_code ec;
  for (fs::directory_iterator it(fdDir, ec), end; !ec && it != end; it.increment(ec)) {
    struct stat target {};
    // stat follows the link to the open file itself, whatever name it was opened by.
    if (::stat(it->path().c_str(), &target) != 0) continue;
    if (S_ISCHR(device.st_mode) ? (S_ISCHR(target.st_mode) && target.st_rdev == device.st_rdev)
                                : (target.st_dev == device.st_dev && target.st_ino == device.st_ino)) {
      return true;
    }
  }
  return false;
}

}  // namespace

std::vector<PortHolder> FindPortHolders(const std::string& path, const std::string& procRoot) {
  std::vector<PortHolder> holders;
  struct stat device {};
  if (::stat(path.c_str(), &device) != 0) return holders;
  const pid_t self = ::getpid();

  for (pid_t pid : FlockOwners(procRoot, device)) {
    if (pid == self) continue;
    holders.push_back({pid, CommandOf(procRoot, pid), true});
  }
  std::error_code ec;
  for (fs::directory_iterator it(procRoot, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.empty() || !std::all_of(name.begin(), name.end(), [](char c) { return c >= '0' && c <= '9'; }))
      continue;
    const pid_t pid = static_cast<pid_t>(std::stol(name));
    if (pid == self) continue;
    if (std::any_of(holders.begin(), holders.end(), [pid](const PortHolder& h) { return h.pid == pid; }))
      continue;
    if (HasOpen(it->path() / "fd", device)) holders.push_back({pid, CommandOf(procRoot, pid), false});
  }
  return holders;
}

std::string DescribeHolder(const PortHolder& holder) {
  std::string text = std::to_string(holder.pid);
  if (!holder.command.empty()) text += " (" + holder.command + ")";
  return text;
}

}  // namespace qm314
