// One simulated radio served on its pseudo-terminal until a stop signal, with
// SIGUSR1 swapping it for the next radio: the line goes quiet for a moment, as
// when a programmed radio is taken off the cable, and then a fresh radio answers.
#pragma once

#include <cstdint>
#include <string>

#include "link/wakeup_word.h"
#include "radio/image.h"
#include "sim/faults.h"
#include "sim/pty_line.h"

namespace qm314::sim {

struct RadioSetup {
  WakeUpWord cloneWord;
  WakeUpWord debugWord;
  RadioImage memory;  // what every radio on this line starts with
  FaultPlan faults;
  std::string savePath;
  std::string logPath;
  int swapGapMs = 3000;
  // The first radio's serial number; each swap adds serialStep.
  std::uint8_t serial = 0;
  int serialStep = 1;
};

// The signals the server acts on.  Blocked by the caller before the line's
// path is printed, so none sent after it is lost.
void BlockServerSignals();

// Serves radios on `line` until SIGTERM, SIGINT or SIGHUP, or until a radio
// pulls the cable; returns the exit status.  Messages go to standard error.
int ServeLine(PtyLine& line, const RadioSetup& setup);

}  // namespace qm314::sim
