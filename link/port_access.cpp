// Permissions of a device against this process's user and groups.
#include "link/port_access.h"

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace qm314 {
namespace {

std::string OwnerName(uid_t uid) {
  if (const passwd* pw = ::getpwuid(uid)) return pw->pw_name;
  return std::to_string(uid);
}

// The name usermod wants; a user missing from the database is known by $USER at best.
std::string OwnName() {
  if (const passwd* pw = ::getpwuid(::geteuid())) return pw->pw_name;
  if (const char* user = std::getenv("USER"); user != nullptr && *user != '\0') return user;
  return std::to_string(::geteuid());
}

std::string GroupName(gid_t gid) {
  if (const group* gr = ::getgrgid(gid)) return gr->gr_name;
  return std::to_string(gid);
}

std::vector<gid_t> SessionGroups() {
  const int n = ::getgroups(0, nullptr);
  std::vector<gid_t> groups(n > 0 ? static_cast<std::size_t>(n) : 0);
  if (n > 0 && ::getgroups(n, groups.data()) < 0) groups.clear();
  groups.push_back(::getegid());
  return groups;
}

// What the group database says, which is what the next login will get.
bool ListedInGroup(uid_t uid, gid_t gid) {
  const passwd* pw = ::getpwuid(uid);
  if (pw == nullptr) return false;
  const std::string name = pw->pw_name;
  const gid_t primary = pw->pw_gid;
  if (primary == gid) return true;
  int count = 64;
  std::vector<gid_t> groups(static_cast<std::size_t>(count));
  if (::getgrouplist(name.c_str(), primary, groups.data(), &count) < 0) {
    groups.resize(static_cast<std::size_t>(count));
    if (::getgrouplist(name.c_str(), primary, groups.data(), &count) < 0) return false;
  }
  groups.resize(static_cast<std::size_t>(count));
  return std::find(groups.begin(), groups.end(), gid) != groups.end();
}

}  // namespace

PortAccess CheckPortAccess(const std::string& path) {
  PortAccess access;
  access.user = OwnName();
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return access;
  access.exists = true;
  access.mayOpen = ::faccessat(AT_FDCWD, path.c_str(), R_OK | W_OK, AT_EACCESS) == 0;
  access.owner = OwnerName(st.st_uid);
  access.group = GroupName(st.st_gid);
  access.mode = st.st_mode;
  access.groupMayOpen = (st.st_mode & (S_IRGRP | S_IWGRP)) == (S_IRGRP | S_IWGRP);
  access.userListedInGroup = ListedInGroup(::geteuid(), st.st_gid);
  const std::vector<gid_t> session = SessionGroups();
  access.sessionHasGroup = std::find(session.begin(), session.end(), st.st_gid) != session.end();
  return access;
}

std::string ModeText(mode_t mode) {
  std::string text = S_ISCHR(mode) ? "c" : S_ISDIR(mode) ? "d" : S_ISLNK(mode) ? "l" : "-";
  const char* letters = "rwxrwxrwx";
  for (int bit = 0; bit < 9; ++bit) text += (mode & (0400u >> bit)) != 0 ? letters[bit] : '-';
  return text;
}

}  // namespace qm314
