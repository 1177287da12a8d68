// `write PORT,PORT... FILE`: one file to a radio on every port at the same time,
// and with --repeat to the next radios, round after round.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/command.h"
#include "radio/image.h"

namespace qm314::cli {

struct BatchWriteOptions {
  bool verify = false;
  bool repeat = false;
  bool waitForRadio = false;
  std::optional<std::string> logPath;
  std::string cloneLetters;
};

// Writes `image` to the radios on `ports` (each a different device).  Status 0
// only when every write gave its radio every block (and its read-back confirmed them,
// with verify); UsageError or InputError before anything is sent.
int RunBatchWrite(Invocation& invocation, const std::vector<std::string>& ports, const RadioImage& image,
                  const BatchWriteOptions& options);

}  // namespace qm314::cli
