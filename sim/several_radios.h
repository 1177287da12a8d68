// Several simulated radios at once, one process each, so one radio's timing
// never waits on another's: prints their device paths one a line, passes stop
// and swap signals on to every radio, and ends when they all have.
#pragma once

#include <vector>

#include "sim/line_server.h"

namespace qm314::sim {

// Expects BlockServerSignals() and SIGCHLD blocked.  Returns the worst exit status.
int ServeSeveralRadios(const std::vector<RadioSetup>& radios, double answerDelayMs);

}  // namespace qm314::sim
