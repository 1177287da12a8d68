// A clone transfer wired to a simulated radio on a fake line, ready to run.
#pragma once

#include <string>
#include <vector>

#include "fake_line.h"
#include "link/clone_transfer.h"
#include "recording_observer.h"
#include "sim/sim_radio.h"

namespace qm314::test {

inline WakeUpWord TestWord() { return *MakeWakeUpWord("QMCLONE", 7); }

// Memory with a different value in nearly every byte, so a misplaced block shows.
inline RadioImage PatternImage(int seed) {
  RadioImage image;
  for (std::size_t i = 0; i < image.size(); ++i) {
    image.at(i) = static_cast<std::uint8_t>((i * 7 + static_cast<std::size_t>(seed)) & 0xFF);
  }
  return image;
}

struct TransferBench {
  explicit TransferBench(sim::FaultPlan faults = {})
      : radio(TestWord(), PatternImage(3), faults),
        line(radio),
        transfer(line.opener(), line, observer, TestWord()),
        image(PatternImage(100)) {}

  TransferOutcome read() { return transfer.run(TransferDirection::Read, "COM2", image); }
  TransferOutcome write() { return transfer.run(TransferDirection::Write, "COM2", image); }

  // The log after its first line that equals `marker`, or the whole log.
  std::vector<std::string> logAfterLast(const std::string& marker) const {
    std::vector<std::string> out;
    for (const std::string& l : line.log) {
      if (l == marker) out.clear();
      out.push_back(l);
    }
    return out;
  }

  sim::SimRadio radio;
  FakeLine line;
  RecordingObserver observer;
  CloneTransfer transfer;
  RadioImage image;
};

}  // namespace qm314::test
