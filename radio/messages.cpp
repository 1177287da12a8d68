// Texts of the channel data file's messages.
#include "radio/messages.h"

#include <sys/stat.h>

#include "radio/image.h"

namespace qm314::messages {

std::string CannotOpenFile(const std::string& path, const std::string& reason) {
  return "Cannot open \"" + path + "\": " + reason + ".";
}

std::string NotARegularFile(unsigned mode) {
  const char* kind = S_ISDIR(mode)    ? "a folder"
                     : S_ISFIFO(mode) ? "a named pipe (FIFO)"
                     : S_ISSOCK(mode) ? "a socket"
                     : S_ISCHR(mode) || S_ISBLK(mode) ? "a device"
                                                      : "a special file";
  return std::string("it is ") + kind + ", not a file";
}

std::string FileTooShort(const std::string& path, std::size_t size) {
  return "Cannot open \"" + path + "\": it holds " + std::to_string(size) +
         " bytes, but a channel data file holds " + std::to_string(layout::kImageSize) +
         ". The file was not opened.";
}

std::string CannotSaveFile(const std::string& path, const std::string& reason) {
  return "Cannot save \"" + path + "\": " + reason + ". Any previous file of that name is unchanged.";
}

}  // namespace qm314::messages
