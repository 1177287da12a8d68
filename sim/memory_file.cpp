// Loading and saving the simulated radio's memory.
#include "sim/memory_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

namespace qm314::sim {

bool LoadMemory(const std::string& path, RadioImage& memory, std::string& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = "cannot open " + path + ": " + std::strerror(errno);
    return false;
  }
  const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (bytes.size() != RadioImage::size()) {
    error = path + " holds " + std::to_string(bytes.size()) + " bytes; a radio memory is " +
            std::to_string(RadioImage::size());
    return false;
  }
  std::memcpy(memory.data(), bytes.data(), bytes.size());
  return true;
}

bool SaveMemory(const std::string& path, const RadioImage& memory, std::string& error) {
  const std::string temporary = path + ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(memory.data()), static_cast<std::streamsize>(memory.size()));
    out.flush();
    if (!out) {
      error = "cannot write " + temporary + ": " + std::strerror(errno);
      std::remove(temporary.c_str());
      return false;
    }
  }
  if (std::rename(temporary.c_str(), path.c_str()) != 0) {
    error = "cannot replace " + path + ": " + std::strerror(errno);
    std::remove(temporary.c_str());
    return false;
  }
  return true;
}

}  // namespace qm314::sim
