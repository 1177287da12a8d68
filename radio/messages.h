// Messages of the channel data file, composed in one place.
#pragma once

#include <cstddef>
#include <string>

namespace qm314::messages {

// The file could not be opened or read; reason is the system's explanation.
std::string CannotOpenFile(const std::string& path, const std::string& reason);
// Why a path that is not a regular file is refused; mode is its st_mode.
std::string NotARegularFile(unsigned mode);
// The file ends before the image does; the document is left as it was.
std::string FileTooShort(const std::string& path, std::size_t size);
// The file could not be written; the previous file, if any, is left intact.
std::string CannotSaveFile(const std::string& path, const std::string& reason);

}  // namespace qm314::messages
