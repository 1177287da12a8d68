// Runs qm314-cli in-process inside a scratch folder and reads back its files.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"

namespace qm314::cli {

class CliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/qm314-cli-test-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    dir_ = pattern;
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  std::string path(const std::string& name) const { return (dir_ / name).string(); }

  int run(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = RunCli(args, out, err);
    out_ = out.str();
    err_ = err.str();
    return status;
  }

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
  bool exists(const std::string& name) const { return std::filesystem::exists(path(name)); }

  std::filesystem::path dir_;
  std::string out_;
  std::string err_;
};

}  // namespace qm314::cli
