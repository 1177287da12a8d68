// A test with a scratch folder of its own, removed when the test ends.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "process.h"

namespace qm314::e2e {

class ScratchTest : public ::testing::Test {
 protected:
  void TearDown() override { std::filesystem::remove_all(dir); }
  std::string path(const std::string& name) const { return dir + "/" + name; }
  std::string dir = ScratchDir();
};

}  // namespace qm314::e2e
