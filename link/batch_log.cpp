// Appending the log's lines.
#include "link/batch_log.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "link/batch_messages.h"
#include "radio/text_numbers.h"

namespace qm314 {
namespace {

// Every message is quoted: they hold commas ("...the Port,Please check...").
std::string QuotedField(const std::string& text) {
  if (text.empty()) return text;
  std::string out = "\"";
  for (const char c : text) out += c == '"' ? std::string("\"\"") : std::string(1, c == '\n' ? ' ' : c);
  return out + "\"";
}

bool WriteAll(int fd, const std::string& text) {
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
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
  // The identification is hex without spaces, so the column needs no quotes.
  std::string identity = HexBytes(record.identity.data(), record.identity.size());
  std::erase(identity, ' ');
  return record.time + "," + record.port + "," + record.device + "," + OutcomeText(record.outcome) + "," +
         QuotedField(record.message) + "," + identity + "," + record.sha256;
}

BatchLog::~BatchLog() { close(); }

bool BatchLog::open(const std::string& path, std::string& error) {
  std::lock_guard lock(mutex_);
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
  struct stat st {};
  if (fd < 0 || fstat(fd, &st) != 0 ||
      (st.st_size == 0 && !WriteAll(fd, std::string(batch_msg::kLogHeader) + "\n"))) {
    error = "cannot write the log \"" + path + "\": " + std::strerror(errno);
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
  // One write per line: with O_APPEND it lands whole even beside another writer.
  if (WriteAll(fd_, LogLine(record) + "\n")) return true;
  error_ = "cannot write the log \"" + path_ + "\": " + std::strerror(errno);
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
}

}  // namespace qm314
