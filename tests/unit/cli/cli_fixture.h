// Runs qm314-cli in-process inside a scratch folder and reads back its files.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "tests/unit/scratch_folder.h"

namespace qm314::cli {

class CliTest : public ::testing::Test, protected ScratchFolder {
 protected:
  int run(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = RunCli(args, out, err);
    out_ = out.str();
    err_ = err.str();
    return status;
  }

  std::string out_;
  std::string err_;
};

}  // namespace qm314::cli
