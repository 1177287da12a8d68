// Four radios at once against one alone: qm314-cli writing four simulated
// radios on four ports at the same time, with and without verify, next to the
// same write to one radio.  The four should take no more than 1.15 x the one's
// wall time, and the command line's processor time should stay under 5 % of
// its wall time.  Run: build/bench/bench_batch [ROUNDS]; the best round of each
// is the figure, the others show how much a busy machine adds.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "child_runs.h"

namespace {

using qm314::bench::Measure;
using qm314::bench::Run;

constexpr int kRadios = 4;
constexpr double kWallLimit = 1.15;
constexpr double kCpuLimitPercent = 5.0;

void Report(const char* what, const Run& run) {
  std::printf("  %-10s %7.0f ms wall   CPU %6.1f ms = %5.2f %% of wall%s\n", what, run.wallMs, run.cpuMs,
              100.0 * run.cpuMs / run.wallMs, run.status == 0 ? "" : "   (FAILED)");
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
  qm314::bench::SimProcess sim({}, kRadios);
  const std::vector<std::string>& devices = sim.devices();
  std::string all;
  for (const std::string& device : devices) all += (all.empty() ? "" : ",") + device;
  const qm314::bench::ScratchFile scratch;
  const std::string& file = scratch.path();
  if (Measure({QM314_CLI_PATH, "new", file}).status != 0) return 1;

  bool failed = false;
  bool met = true;
  for (const bool verify : {false, true}) {
    std::vector<std::string> one{QM314_CLI_PATH, "write", devices.front(), file};
    std::vector<std::string> four{QM314_CLI_PATH, "write", all, file};
    if (verify) {
      one.push_back("--verify");
      four.push_back("--verify");
    }
    Run bestOne, bestFour;
    for (int round = 1; round <= rounds; ++round) {
      const Run o = Measure(one);
      const Run f = Measure(four);
      std::printf("%s, round %d\n", verify ? "write and verify" : "write", round);
      Report("1 radio", o);
      Report("4 radios", f);
      failed = failed || o.status != 0 || f.status != 0;
      if (round == 1 || o.wallMs < bestOne.wallMs) bestOne = o;
      if (round == 1 || f.wallMs < bestFour.wallMs) bestFour = f;
    }
    const double ratio = bestFour.wallMs / bestOne.wallMs;
    const double cpu = 100.0 * bestFour.cpuMs / bestFour.wallMs;
    std::printf("%s, best of %d: 1 radio %.0f ms, 4 radios %.0f ms = %.3f x (limit %.2f); "
                "4 radios' CPU %.2f %% of wall (limit %.0f %%)\n\n",
                verify ? "write and verify" : "write", rounds, bestOne.wallMs, bestFour.wallMs, ratio, kWallLimit,
                cpu, kCpuLimitPercent);
    met = met && ratio <= kWallLimit && cpu < kCpuLimitPercent;
  }
  std::printf("%s\n", failed ? "A WRITE FAILED" : met ? "within both limits" : "OUTSIDE A LIMIT");

  return failed ? 1 : 0;
}
