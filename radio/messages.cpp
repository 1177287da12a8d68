// Texts of the channel data file's messages.
#include "radio/messages.h"

#include "radio/image.h"

namespace qm314::messages {

std::string CannotOpenFile(const std::string& path, const std::string& reason) {
  return "Cannot open \"" + path + "\": " + reason + ".";
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
