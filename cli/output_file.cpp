// Whole-file text reading and writing for the command line.
#include "cli/output_file.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "cli/command.h"
#include "cli/messages.h"
#include "radio/image_file.h"
#include "radio/messages.h"

namespace qm314::cli {

void WriteTextOutput(const std::optional<std::string>& path, const std::string& text, std::ostream& out) {
  if (!path) {
    out << text;
    return;
  }
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
  if (FileResult result = WriteFileAtomically(*path, bytes, text.size()); !result) throw InputError(result.message);
}

void CheckWritableFolder(const std::string& path) {
  std::filesystem::path folder = std::filesystem::path(path).parent_path();
  if (folder.empty()) folder = ".";
  if (::access(folder.c_str(), W_OK) != 0) throw InputError(messages::CannotWrite(path, std::strerror(errno)));
  if (FileResult replaceable = CheckReplaceable(path); !replaceable) throw InputError(replaceable.message);
}

void RefuseOutputOverInput(std::string_view option, const std::string& output, const std::string& input) {
  std::error_code ec;
  if (std::filesystem::equivalent(output, input, ec)) throw UsageError(messages::OutputIsInput(option, output, input));
}

std::string ReadTextFile(const std::string& path) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) throw InputError(messages::CannotRead(path, std::strerror(EISDIR)));
  std::ifstream file(path, std::ios::binary);
  if (!file) throw InputError(messages::CannotRead(path, std::strerror(errno)));
  // A pipe is read as it comes (import <(...) is a fair use), but never
  // without end: /dev/zero or a runaway generator would exhaust memory.
  std::string content(kMaxTextFileSize + 1, '\0');
  file.read(content.data(), static_cast<std::streamsize>(content.size()));
  if (file.bad()) throw InputError(messages::CannotRead(path, std::strerror(errno)));
  content.resize(static_cast<std::size_t>(file.gcount()));
  if (content.size() > kMaxTextFileSize)
    throw InputError(messages::CannotRead(path, qm314::messages::TextFileTooLarge(kMaxTextFileSize)));
  return content;
}

}  // namespace qm314::cli
