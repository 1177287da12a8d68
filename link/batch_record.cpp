// Texts of a batch's outcomes, port lines and tally.
#include "link/batch_record.h"

#include <algorithm>

#include "link/batch_messages.h"
#include "link/clone_frames.h"

namespace qm314 {

const char* OutcomeText(RadioOutcome outcome) {
  switch (outcome) {
    case RadioOutcome::Written: return "written";
    case RadioOutcome::Verified: return "verified";
    case RadioOutcome::Failed: return "failed";
    case RadioOutcome::VerifyFailed: return "verify failed";
  }
  return "";
}

std::string StationText(const StationReport& report) {
  switch (report.state) {
    case StationState::Ready: return batch_msg::kReady;
    case StationState::WaitingForRadio: return batch_msg::kWaitingForRadio;
    case StationState::Writing:
      // The block on the wire is the one after those acknowledged.
      if (report.blocks == 0) return batch_msg::kWaking;
      return "writing block " + std::to_string(std::min(report.blocks + 1, clone::kWriteBlocks)) + " of " +
             std::to_string(clone::kWriteBlocks);
    case StationState::Verifying: return batch_msg::kVerifying;
    case StationState::Stopped: return batch_msg::kStopped;
    case StationState::Finished:
      return std::string(OutcomeText(report.outcome)) + (report.message.empty() ? "" : ": " + report.message);
    case StationState::TakeOff:
      return batch_msg::TakeTheRadioOff(OutcomeText(report.outcome)) +
             (report.message.empty() ? "" : ": " + report.message);
    case StationState::WaitingForNext: return batch_msg::kWaitingForNextRadio;
    case StationState::SameRadio: return batch_msg::kSameRadioNotWritten;
  }
  return "";
}

int Tally::writes() const {
  int n = 0;
  for (int c : outcomes) n += c;
  return n;
}

int Tally::written() const {
  return count(RadioOutcome::Written) + count(RadioOutcome::Verified) + count(RadioOutcome::VerifyFailed);
}

int Tally::failed() const { return count(RadioOutcome::Failed) + count(RadioOutcome::VerifyFailed); }

std::string TallyText(const Tally& tally) {
  const int n = tally.writes();
  return std::to_string(n) + (n == 1 ? " write on " : " writes on ") + std::to_string(tally.ports) +
         (tally.ports == 1 ? " port: " : " ports: ") + std::to_string(tally.written()) + " written, " +
         std::to_string(tally.verified()) + " verified, " + std::to_string(tally.failed()) + " failed";
}

}  // namespace qm314
