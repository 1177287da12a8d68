// The comparison both batch benchmarks make: one radio alone against four at
// once, round after round, each run printed, the best of each kept and judged
// against the limits (four within 1.15 x one's wall time, the program's
// processor time under 5 % of the four's wall time).
#pragma once

#include <functional>

#include "child_runs.h"

namespace qm314::bench {

inline constexpr int kBatchRadios = 4;

// Prints the rounds and the best of each; false when a run failed or the best
// is outside a limit.
bool CompareBatchRounds(const char* what, int rounds, const std::function<Run()>& oneRadio,
                        const std::function<Run()>& fourRadios);

// The rounds asked for on the command line (argv[1]), 3 without.
int RoundsArgument(int argc, char** argv);

}  // namespace qm314::bench
