// A full read and a full write of qm314-cli against qm314-sim, each timed against
// the protocol's pacing floor, with the command line's CPU time as a share of
// its wall time.  Run: build/bench/bench_transfer [ROUNDS]; the best round is the
// figure, the others show how much a busy machine adds.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "child_runs.h"

namespace {

using qm314::bench::Run;

// The floor: every pause the protocol mandates plus every byte's time on a
// 9600-baud line (10 bits each), with the radio answering instantly.
constexpr double kByteMs = 10.0 * 1000.0 / 9600.0;
// Handshake: 12 + 16 paced 1 ms steps, pauses of 1 ms after the wake-up and the
// confirmation, and the 620 ms read after the wake-up that a radio leaves
// unanswered; 8 wake-up bytes, ACK, identification request, 8 identity bytes,
// confirmation and its ACK.
constexpr double kHandshakeMs = (12 + 16 + 1 + 1 + 620) + (8 + 1 + 1 + 8 + 1 + 1) * kByteMs;
// Read block: 15 + 20 ms of pauses; request 4, answer 12, ACK and its ACK.
constexpr double kReadFloorMs = kHandshakeMs + 128 * (35 + (4 + 12 + 1 + 1) * kByteMs);
// Write block: 1 + 2 ms of pauses; request 4, data 8, ACK.
constexpr double kWriteFloorMs = kHandshakeMs + 123 * (3 + (4 + 8 + 1) * kByteMs);

void Report(const char* what, const Run& run, double floorMs) {
  std::printf("%-6s %8.0f ms   floor %7.0f ms   %.3f x floor   CPU %5.1f ms = %4.2f %% of wall%s\n",
              what, run.wallMs, floorMs, run.wallMs / floorMs, run.cpuMs,
              100.0 * run.cpuMs / run.wallMs, run.status == 0 ? "" : "   (FAILED)");
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
  qm314::bench::SimProcess sim({}, 1);
  const std::string& device = sim.devices().front();
  const qm314::bench::ScratchFile scratch;
  const std::string& file = scratch.path();

  Run readRun, writeRun;
  bool failed = false;
  for (int round = 1; round <= rounds; ++round) {
    const Run r = qm314::bench::Measure({QM314_CLI_PATH, "read", device, "-o", file});
    const Run w = qm314::bench::Measure({QM314_CLI_PATH, "write", device, file});
    std::printf("round %d\n", round);
    Report("read", r, kReadFloorMs);
    Report("write", w, kWriteFloorMs);
    failed = failed || r.status != 0 || w.status != 0;
    if (round == 1 || r.wallMs < readRun.wallMs) readRun = r;
    if (round == 1 || w.wallMs < writeRun.wallMs) writeRun = w;
  }
  std::printf("best of %d\n", rounds);
  Report("read", readRun, kReadFloorMs);
  Report("write", writeRun, kWriteFloorMs);

  std::printf("qm314-sim CPU over both: %.1f ms\n", qm314::bench::CpuMs(sim.stop()));
  return failed ? 1 : 0;
}
