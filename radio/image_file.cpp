// Reading and atomically replacing channel data files with POSIX calls, so
// every failure carries the system's reason.
#include "radio/image_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "radio/messages.h"

namespace qm314 {
namespace {

std::string SystemReason(int error) { return std::strerror(error); }

// Closes a descriptor on every way out of a scope.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const { return fd_; }
  void reset(int fd) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = fd;
  }
  // Closes now and reports the result, which for a written file is the last word.
  int close() {
    const int result = ::close(fd_);
    fd_ = -1;
    return result;
  }

 private:
  int fd_;
};

// Renaming over a symbolic link would replace the link; save through it instead.
std::string ResolveTarget(const std::string& path) {
  std::error_code ec;
  if (std::filesystem::is_symlink(path, ec)) {
    const auto target = std::filesystem::weakly_canonical(path, ec);
    if (!ec) return target.string();
  }
  return path;
}

// Creates a new temporary file in the target's folder; -1 with errno on failure.
int CreateTemporary(const std::string& target, mode_t mode, std::string& tempPath) {
  const std::filesystem::path p(target);
  const std::string stem = "." + p.filename().string() + ".saving-" + std::to_string(::getpid()) + "-";
  for (int attempt = 0; attempt < 100; ++attempt) {
    tempPath = (p.parent_path() / (stem + std::to_string(attempt))).string();
    const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  errno = EEXIST;
  return -1;
}

// Makes a rename in target's folder durable; 0, or the errno of the failure.
// A file system that cannot sync a folder (EINVAL) keeps its renames anyway.
int SyncFolderOf(const std::string& target) {
  std::string folder = std::filesystem::path(target).parent_path().string();
  if (folder.empty()) folder = ".";
  FileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  // A folder the user may write but not read cannot be synced; nothing to report.
  if (fd.get() < 0) return 0;
  if (::fsync(fd.get()) != 0 && errno != EINVAL) return errno;
  return 0;
}

bool WriteAll(int fd, const std::uint8_t* data, std::size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(fd, data, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

// Opens path for reading if it is a regular file.  A named pipe would wait in
// the open and the read until some program writes to it, a device may act on
// being opened (a serial line raises its modem lines), a folder holds no
// bytes.  The name is looked at first; the open itself never waits, and what
// it opened is looked at again, in case the name changed in between.
FileResult OpenRegularFile(const std::string& path, FileDescriptor& fd) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0)
    return FileResult::Failure(messages::CannotOpenFile(path, SystemReason(errno)));
  if (!S_ISREG(info.st_mode))
    return FileResult::Failure(messages::CannotOpenFile(path, messages::NotARegularFile(info.st_mode)));
  fd.reset(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (fd.get() < 0) return FileResult::Failure(messages::CannotOpenFile(path, SystemReason(errno)));
  if (::fstat(fd.get(), &info) != 0)
    return FileResult::Failure(messages::CannotOpenFile(path, SystemReason(errno)));
  if (!S_ISREG(info.st_mode))
    return FileResult::Failure(messages::CannotOpenFile(path, messages::NotARegularFile(info.st_mode)));
  return FileResult::Success();
}

// Reads up to size bytes; the count read, or -1 with errno.
ssize_t ReadUpTo(int fd, std::uint8_t* data, std::size_t size) {
  std::size_t got = 0;
  while (got < size) {
    const ssize_t n = ::read(fd, data + got, size - got);
    if (n < 0) {
      if (errno == EINTR) continue;
      return -1;
    }
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  return static_cast<ssize_t>(got);
}

}  // namespace

FileResult ReadImageFile(const std::string& path, RadioImage& image) {
  FileDescriptor fd(-1);
  if (FileResult opened = OpenRegularFile(path, fd); !opened) return opened;
  RadioImage::Bytes bytes{};
  const ssize_t got = ReadUpTo(fd.get(), bytes.data(), bytes.size());
  if (got < 0) return FileResult::Failure(messages::CannotOpenFile(path, SystemReason(errno)));
  if (static_cast<std::size_t>(got) < bytes.size())
    return FileResult::Failure(messages::FileTooShort(path, static_cast<std::size_t>(got)));
  image.bytes() = bytes;
  return FileResult::Success();
}

FileResult ReadFileStart(const std::string& path, std::size_t size, std::string& start) {
  FileDescriptor fd(-1);
  if (FileResult opened = OpenRegularFile(path, fd); !opened) return opened;
  std::string bytes(size, '\0');
  const ssize_t got = ReadUpTo(fd.get(), reinterpret_cast<std::uint8_t*>(bytes.data()), size);
  if (got < 0) return FileResult::Failure(messages::CannotOpenFile(path, SystemReason(errno)));
  bytes.resize(static_cast<std::size_t>(got));
  start = std::move(bytes);
  return FileResult::Success();
}

FileResult ReadWholeFile(const std::string& path, std::string& content) {
  FileDescriptor fd(-1);
  if (FileResult opened = OpenRegularFile(path, fd); !opened) return opened;
  std::string text;
  std::uint8_t chunk[16384];
  ssize_t got = 0;
  while ((got = ReadUpTo(fd.get(), chunk, sizeof chunk)) > 0) {
    text.append(reinterpret_cast<const char*>(chunk), static_cast<std::size_t>(got));
    if (text.size() > kMaxTextFileSize)
      return FileResult::Failure(messages::CannotOpenFile(path, messages::TextFileTooLarge(kMaxTextFileSize)));
  }
  if (got < 0) return FileResult::Failure(messages::CannotOpenFile(path, SystemReason(errno)));
  content = std::move(text);
  return FileResult::Success();
}

FileResult WriteImageFile(const std::string& path, const RadioImage& image) {
  return WriteFileAtomically(path, image.data(), image.size());
}

FileResult CheckReplaceable(const std::string& path) {
  struct stat info {};
  if (::stat(ResolveTarget(path).c_str(), &info) != 0) return FileResult::Success();
  // The rename would put a file in place of a named pipe or a device node
  // (as root, even of /dev/null): only a regular file is ever replaced.
  if (!S_ISREG(info.st_mode))
    return FileResult::Failure(messages::CannotSaveFile(path, messages::NotARegularFile(info.st_mode)));
  // The rename needs only the folder's permission, so it would replace a file
  // its owner made read-only, or one the user may not write at all.  Root may
  // write anything, so for root the missing write bits are the protection.
  if (::access(ResolveTarget(path).c_str(), W_OK) != 0 || (info.st_mode & 0222) == 0)
    return FileResult::Failure(messages::CannotSaveFile(path, messages::WriteProtected(info.st_mode)));
  return FileResult::Success();
}

FileResult WriteFileAtomically(const std::string& path, const std::uint8_t* data, std::size_t size) {
  if (FileResult replaceable = CheckReplaceable(path); !replaceable) return replaceable;
  const std::string target = ResolveTarget(path);
  struct stat info {};
  const bool replacing = ::stat(target.c_str(), &info) == 0;
  std::string tempPath;
  // Until it has the replaced file's owner and permissions, only the user may read it.
  FileDescriptor fd(CreateTemporary(target, replacing ? 0600 : 0666, tempPath));
  if (fd.get() < 0) return FileResult::Failure(messages::CannotSaveFile(path, SystemReason(errno)));

  int error = 0;
  if (!WriteAll(fd.get(), data, size)) error = errno;
  // A replaced file keeps its owner, group and permissions; a new one gets
  // the umask's.  This comes after the write, which clears set-id bits, and
  // the owner before the permissions, for the same reason.  An owner the
  // user may not give the file to leaves it the user's, as a new file is.
  if (error == 0 && replacing) {
    if (::fchown(fd.get(), info.st_uid, info.st_gid) != 0)
      (void)::fchown(fd.get(), static_cast<uid_t>(-1), info.st_gid);
    if (::fchmod(fd.get(), info.st_mode & 07777) != 0) error = errno;
  }
  if (error == 0 && ::fsync(fd.get()) != 0) error = errno;
  if (fd.close() != 0 && error == 0) error = errno;
  if (error == 0 && ::rename(tempPath.c_str(), target.c_str()) != 0) error = errno;
  if (error != 0) {
    ::unlink(tempPath.c_str());
    return FileResult::Failure(messages::CannotSaveFile(path, SystemReason(error)));
  }
  // The rename lives in the folder: until the folder is on the disk, a crash
  // could bring back the previous file, or none.
  if (const int folderError = SyncFolderOf(target); folderError != 0)
    return FileResult::Failure(messages::SavedButNotSynced(path, SystemReason(folderError)));
  return FileResult::Success();
}

}  // namespace qm314
