// Permissions of a device against this process's user and groups.
#include "link/port_access.h"

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace qm314 {
namespace {

// The port threads of a batch ask at the same time: the user and group
// databases are read with the reentrant calls, into buffers of our own.
std::vector<char> DatabaseBuffer(int sizeName) {
  const long size = ::sysconf(sizeName);
  return std::vector<char>(size > 0 ? static_cast<std::size_t>(size) : 16384);
}

template <typename Entry, typename Id, typename Lookup>
std::optional<Entry> LookUp(Id id, Lookup lookup, std::vector<char>& buffer) {
  Entry entry{};
  Entry* found = nullptr;
  for (;;) {
    const int rc = lookup(id, &entry, buffer.data(), buffer.size(), &found);
    if (rc == ERANGE && buffer.size() < (1u << 20)) {
      buffer.resize(buffer.size() * 2);
      continue;
    }
    if (rc != 0 || found == nullptr) return std::nullopt;
    return entry;
  }
}

// A user's name and primary group, or nothing when the database lacks the user.
struct User {
  std::string name;
  gid_t group;
};

std::optional<User> UserOf(uid_t uid) {
  std::vector<char> buffer = DatabaseBuffer(_SC_GETPW_R_SIZE_MAX);
  const std::optional<passwd> pw = LookUp<passwd>(uid, ::getpwuid_r, buffer);
  if (!pw) return std::nullopt;
  return User{pw->pw_name, pw->pw_gid};
}

std::string OwnerName(uid_t uid) {
  if (const std::optional<User> user = UserOf(uid)) return user->name;
  return std::to_string(uid);
}

// The name usermod wants; a user missing from the database is known by $USER at best.
std::string OwnName() {
  if (const std::optional<User> user = UserOf(::geteuid())) return user->name;
  if (const char* user = std::getenv("USER"); user != nullptr && *user != '\0') return user;
  return std::to_string(::geteuid());
}

std::string GroupName(gid_t gid) {
  std::vector<char> buffer = DatabaseBuffer(_SC_GETGR_R_SIZE_MAX);
  if (const std::optional<group> gr = LookUp<group>(gid, ::getgrgid_r, buffer)) return gr->gr_name;
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
  const std::optional<User> user = UserOf(uid);
  if (!user) return false;
  const std::string& name = user->name;
  const gid_t primary = user->group;
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
