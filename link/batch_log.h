// The log of programming several radios: CSV, one line per write, appended and
// flushed the moment its outcome is known, so a crash or a power cut loses no
// line already shown.  Columns: time, port, device, outcome, message, the
// identification in hex, the SHA-256 of the file's 1024 bytes and that of the
// bytes written (0x000-0x3D7), which a read-back of the radio gives too.
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

  // Opens `path`, a regular file, to append to; a new or empty file gets the
  // header line first.  False with the reason in `error`.
  bool open(const std::string& path, std::string& error);
  // Writes the record's line whole, or nothing of it; safe from several
  // threads and beside other programs.  False (and the reason in error())
  // when it could not be written.
  bool append(const RadioRecord& record);
  std::string error() const;
  // Closes the file and forgets its error.
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
