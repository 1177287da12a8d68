// Whole-file text reading and writing for the command line.
#include "cli/output_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/command.h"
#include "cli/messages.h"

namespace qm314::cli {

void WriteTextOutput(const std::optional<std::string>& path, const std::string& text, std::ostream& out) {
  if (!path) {
    out << text;
    return;
  }
  const std::string temp = *path + ".part";
  {
    std::ofstream file(temp, std::ios::binary | std::ios::trunc);
    if (!file) throw InputError(messages::CannotWrite(*path, std::strerror(errno)));
    file << text;
    file.close();
    if (!file) {
      std::remove(temp.c_str());
      throw InputError(messages::CannotWrite(*path, std::strerror(errno)));
    }
  }
  std::error_code ec;
  std::filesystem::rename(temp, *path, ec);
  if (ec) {
    std::remove(temp.c_str());
    throw InputError(messages::CannotWrite(*path, ec.message()));
  }
}

std::string ReadTextFile(const std::string& path) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) throw InputError(messages::CannotRead(path, std::strerror(EISDIR)));
  std::ifstream file(path, std::ios::binary);
  if (!file) throw InputError(messages::CannotRead(path, std::strerror(errno)));
  std::ostringstream content;
  content << file.rdbuf();
  if (file.bad()) throw InputError(messages::CannotRead(path, std::strerror(errno)));
  return content.str();
}

}  // namespace qm314::cli
