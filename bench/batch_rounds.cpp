// Rounds of one radio against four, and the verdict on the best of each.
#include "batch_rounds.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace qm314::bench {
namespace {

constexpr double kWallLimit = 1.15;
constexpr double kCpuLimitPercent = 5.0;

void Report(const char* what, const Run& run) {
  std::printf("  %-10s %7.0f ms wall   CPU %6.1f ms = %5.2f %% of wall%s\n", what, run.wallMs, run.cpuMs,
              100.0 * run.cpuMs / run.wallMs, run.status == 0 ? "" : "   (FAILED)");
}

}  // namespace

bool CompareBatchRounds(const char* what, int rounds, const std::function<Run()>& oneRadio,
                        const std::function<Run()>& fourRadios) {
  Run bestOne, bestFour;
  bool failed = false;
  for (int round = 1; round <= rounds; ++round) {
    const Run one = oneRadio();
    const Run four = fourRadios();
    std::printf("%s, round %d\n", what, round);
    Report("1 radio", one);
    Report("4 radios", four);
    failed = failed || one.status != 0 || four.status != 0;
    if (round == 1 || one.wallMs < bestOne.wallMs) bestOne = one;
    if (round == 1 || four.wallMs < bestFour.wallMs) bestFour = four;
  }
  const double ratio = bestFour.wallMs / bestOne.wallMs;
  const double cpu = 100.0 * bestFour.cpuMs / bestFour.wallMs;
  const bool met = !failed && ratio <= kWallLimit && cpu < kCpuLimitPercent;
  std::printf("%s, best of %d: 1 radio %.0f ms, 4 radios %.0f ms = %.3f x (limit %.2f); "
              "4 radios' CPU %.2f %% of wall (limit %.0f %%): %s\n\n",
              what, rounds, bestOne.wallMs, bestFour.wallMs, ratio, kWallLimit, cpu, kCpuLimitPercent,
              failed ? "A RUN FAILED" : met ? "within both limits" : "OUTSIDE A LIMIT");
  return met;
}

int RoundsArgument(int argc, char** argv) { return argc > 1 ? std::max(1, std::atoi(argv[1])) : 3; }

}  // namespace qm314::bench
