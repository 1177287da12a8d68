// The log of programming several radios: CSV, one line per radio, appended and
// flushed the moment its outcome is known, so a crash or a power cut loses no
// line already shown.  Columns: time, port, device, outcome, message, the
// identification in hex, and the SHA-256 of the 1024 bytes written.
#pragma once

#include <ctime>
#include <mutex>
#include <string>

#include "link/batch_record.h"

namespace qm314 {

class BatchLog {
 public:
  BatchLog() = default;
  ~BatchLog();
  BatchLog(const BatchLog&) = delete;
  BatchLog& operator=(const BatchLog&) = delete;

  // Opens `path` to append to; a new or empty file gets the header line
  // first.  False with the reason in `error`.
  bool open(const std::string& path, std::string& error);
  // Writes the record's line; safe from several threads.  False (and the
  // reason in error()) when it could not be written.
  bool append(const RadioRecord& record);
  std::string error() const;
  void close();

 private:
  mutable std::mutex mutex_;
  int fd_ = -1;
  std::string path_;
  std::string error_;
};

// The record's line, without the line end.
std::string LogLine(const RadioRecord& record);

// "2024-05-01T14:03:22+02:00".
std::string LocalTimeIso8601(std::time_t when);

}  // namespace qm314
