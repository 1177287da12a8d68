// qm314-sim's command line: where the memory comes from and goes, the faults,
// the wake-up words, the radio's answer delay, and how many radios it serves.
#pragma once

#include <string>
#include <utility>
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
  FaultPlan faults;  // every radio's
  // "2:no-ack@40": a fault of one radio only (numbered from 1), as given.
  std::vector<std::pair<int, std::string>> radioFaults;
  int radios = 1;
  // How long the line stays without a radio when SIGUSR1 swaps them.
  int swapGapMs = 3000;
  // One radio on standard input and output instead of a pseudo-terminal.
  bool stdio = false;
  bool help = false;
  bool version = false;
};

extern const char* const kSimUsage;

// False with a message in `error` for anything it does not understand.
bool ParseSimOptions(const std::vector<std::string>& args, SimOptions& options, std::string& error);

// The faults of radio `radio` (1 to options.radios): every radio's, then its own.
FaultPlan FaultsOfRadio(const SimOptions& options, int radio);

// Where radio `radio` keeps a file named `path` when there are several
// radios: its number goes before the extension ("mem.int" -> "mem-2.int").
std::string PathOfRadio(const std::string& path, int radio, int radios);

}  // namespace qm314::sim
