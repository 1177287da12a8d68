// qm314-sim's command line: where the memory comes from and goes, the faults,
// the wake-up words and the radio's answer delay.
#pragma once

#include <string>
#include <vector>

#include "sim/faults.h"
#include "sim/pty_line.h"

namespace qm314::sim {

struct SimOptions {
  std::string imagePath;
  std::string savePath;
  std::string logPath;
  std::string cloneLetters;
  std::string debugLetters;
  double answerDelayMs = PtyLine::kDefaultAnswerDelayMs;
  FaultPlan faults;
  bool help = false;
  bool version = false;
};

extern const char* const kSimUsage;

// False with a message in `error` for anything it does not understand.
bool ParseSimOptions(const std::vector<std::string>& args, SimOptions& options, std::string& error);

}  // namespace qm314::sim
