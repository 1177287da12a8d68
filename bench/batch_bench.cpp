// Four radios at once against one alone: qm314-cli writing four simulated
// radios on four ports at the same time, with and without verify, next to the
// same write to one radio, with the command line's processor time.
// Run: build/bench/bench_batch [ROUNDS]; the best round of each is the
// figure, the others show how much a busy machine adds.
#include <string>
#include <vector>

#include "batch_rounds.h"

int main(int argc, char** argv) {
  using namespace qm314::bench;
  const int rounds = RoundsArgument(argc, argv);
  SimProcess sim({}, kBatchRadios);
  std::string all;
  for (const std::string& device : sim.devices()) all += (all.empty() ? "" : ",") + device;
  const ScratchFile scratch;
  if (Measure({QM314_CLI_PATH, "new", scratch.path()}).status != 0) return 1;

  bool met = true;
  for (const bool verify : {false, true}) {
    std::vector<std::string> one{QM314_CLI_PATH, "write", sim.devices().front(), scratch.path()};
    std::vector<std::string> four{QM314_CLI_PATH, "write", all, scratch.path()};
    if (verify) {
      one.push_back("--verify");
      four.push_back("--verify");
    }
    met = CompareBatchRounds(verify ? "write and verify" : "write", rounds, [&] { return Measure(one); },
                             [&] { return Measure(four); }) &&
          met;
  }
  return met ? 0 : 1;
}
