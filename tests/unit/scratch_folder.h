// A temporary folder for one test, removed with everything in it afterwards,
// with whole-file byte reading and writing.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace qm314 {

class ScratchFolder {
 public:
  ScratchFolder() {
    char pattern[] = "/tmp/qm314-test-XXXXXX";
    if (::mkdtemp(pattern) == nullptr) throw std::runtime_error("cannot create a scratch folder");
    dir_ = pattern;
  }
  ~ScratchFolder() {
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& dir() const { return dir_; }
  std::string path(const std::string& name) const { return (dir_ / name).string(); }
  bool exists(const std::string& name) const { return std::filesystem::exists(path(name)); }

  std::vector<std::uint8_t> bytes(const std::string& name) const {
    std::ifstream file(path(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  }
  void writeBytes(const std::string& name, const std::vector<std::uint8_t>& data) const {
    std::ofstream file(path(name), std::ios::binary);
    file.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
  }
  void writeText(const std::string& name, const std::string& text) const {
    std::ofstream file(path(name), std::ios::binary);
    file << text;
  }
  // How many entries the folder holds: a save must leave no temporary behind.
  long entryCount() const {
    return std::distance(std::filesystem::directory_iterator(dir_), std::filesystem::directory_iterator());
  }

 private:
  std::filesystem::path dir_;
};

}  // namespace qm314
