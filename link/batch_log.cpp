// Appending the log's lines.
#include "link/batch_log.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "link/batch_messages.h"
#include "radio/csv.h"
#include "radio/messages.h"
#include "radio/text_numbers.h"

namespace qm314 {
namespace {

// A record is one line of the file, so a message's line breaks become spaces.
std::string OneLine(std::string text) {
  for (char& c : text) {
    if (c == '\n' || c == '\r') c = ' ';
  }
  return text;
}

bool WriteAll(int fd, const std::string& text) {
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = ENOSPC;
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// Holds the file's lock, so two programs appending to one log never write
// the header twice nor cut each other's lines.
class FileLock {
 public:
  explicit FileLock(int fd) : fd_(fd) {
    while (::flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
    }
  }
  ~FileLock() { ::flock(fd_, LOCK_UN); }
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

 private:
  int fd_;
};

// Writes `text` at the end of the file, or nothing at all: what a failed
// write left of it is cut off again, so the next line does not run on from
// half a line.
bool AppendWhole(int fd, const std::string& text) {
  struct stat st {};
  if (::fstat(fd, &st) != 0) return false;
  if (WriteAll(fd, text)) return true;
  const int error = errno;
  (void)!::ftruncate(fd, st.st_size);
  errno = error;
  return false;
}

}  // namespace

std::string LocalTimeIso8601(std::time_t when) {
  std::tm local{};
  localtime_r(&when, &local);
  char text[40];
  std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S%z", &local);
  // %z gives +0200; ISO 8601's extended form wants +02:00.
  std::string out = text;
  if (out.size() >= 5) out.insert(out.size() - 2, ":");
  return out;
}

std::string LogLine(const RadioRecord& record) {
  std::string identity = HexBytes(record.identity.data(), record.identity.size());
  std::erase(identity, ' ');
  const std::string fields[] = {record.time,       record.port,           record.device,
                                std::string(OutcomeText(record.outcome)), OneLine(record.message),
                                identity,          record.fileSha256,     record.writtenSha256};
  std::string line;
  for (const std::string& field : fields) {
    if (&field != fields) line += ',';
    line += CsvField(field);
  }
  return line;
}

BatchLog::~BatchLog() { close(); }

bool BatchLog::open(const std::string& path, std::string& error) {
  std::lock_guard lock(mutex_);
  // Never waits: a named pipe without a reader or a device would hold the
  // window at Start.  The name is looked at first, and what the open gave
  // again, in case the name changed in between; only a regular file is kept.
  struct stat st {};
  std::string reason;
  int fd = -1;
  if (::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
    reason = messages::NotARegularFile(st.st_mode);
  } else if ((fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_NONBLOCK | O_NOCTTY | O_CLOEXEC,
                          0644)) < 0 ||
             ::fstat(fd, &st) != 0) {
    reason = std::strerror(errno);
  } else if (!S_ISREG(st.st_mode)) {
    reason = messages::NotARegularFile(st.st_mode);
  } else {
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    FileLock locked(fd);
    if (::fstat(fd, &st) != 0 || (st.st_size == 0 && !AppendWhole(fd, std::string(batch_msg::kLogHeader) + "\n"))) {
      reason = std::strerror(errno);
    }
  }
  if (!reason.empty()) {
    error = batch_msg::CannotWriteLog(path, reason);
    if (fd >= 0) ::close(fd);
    return false;
  }
  if (fd_ >= 0) ::close(fd_);
  fd_ = fd;
  path_ = path;
  error_.clear();
  return true;
}

bool BatchLog::append(const RadioRecord& record) {
  std::lock_guard lock(mutex_);
  if (fd_ < 0) return false;
  FileLock locked(fd_);
  if (AppendWhole(fd_, LogLine(record) + "\n")) return true;
  error_ = batch_msg::CannotWriteLog(path_, std::strerror(errno));
  return false;
}

std::string BatchLog::error() const {
  std::lock_guard lock(mutex_);
  return error_;
}

void BatchLog::close() {
  std::lock_guard lock(mutex_);
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  // What went wrong belongs to the batch that wrote this log, not to the next.
  error_.clear();
}

}  // namespace qm314
