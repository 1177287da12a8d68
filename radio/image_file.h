// The channel data file: the 1024 image bytes in address order, nothing else.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "radio/image.h"

namespace qm314 {

// Success, or what went wrong in a sentence the user can act on.
struct FileResult {
  bool ok = true;
  std::string message;

  static FileResult Success() { return {}; }
  static FileResult Failure(std::string text) { return {false, std::move(text)}; }
  explicit operator bool() const { return ok; }
};

// Reads the first 1024 bytes of path into image.  A shorter file fails and
// leaves image untouched; bytes past the 1024th are ignored.  A path that is
// not a regular file (folder, named pipe, device) fails at once.
FileResult ReadImageFile(const std::string& path, RadioImage& image);

// Up to size bytes from the start of path, fewer when the file is shorter;
// the same rule: a regular file only.
FileResult ReadFileStart(const std::string& path, std::size_t size, std::string& start);

// Channel rows are a few kilobytes: a text file past this is not one, and
// reading it whole (or a device that never ends) would only exhaust memory.
constexpr std::size_t kMaxTextFileSize = 1 << 20;

// The whole content of path, under the same rule: a regular file only, of at
// most kMaxTextFileSize bytes.
FileResult ReadWholeFile(const std::string& path, std::string& content);

// Writes the image to a temporary file beside path and renames it over path,
// so a failure never damages a file already there, then syncs the folder so
// the new file outlasts a crash.  Only a regular file the user may write is
// replaced (for root: one with a write permission bit); a folder, named pipe,
// device or protected file at path fails.  The replaced file's owner, group
// and permissions stay.  A file with other hard links is replaced under this
// name only: the other names keep the previous bytes, as they would after a
// failed save.
FileResult WriteImageFile(const std::string& path, const RadioImage& image);

// Whether a save to path may replace what is there: nothing, or a regular
// file the user may write (see WriteImageFile).  A command that works for a
// while before it saves asks first.
FileResult CheckReplaceable(const std::string& path);

// The same replacement for any content.
FileResult WriteFileAtomically(const std::string& path, const std::uint8_t* data, std::size_t size);

}  // namespace qm314
