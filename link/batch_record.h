// What programming several radios tells about each radio (one line of the
// log) and about each port while it works.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qm314 {

enum class RadioOutcome { Written, Verified, Failed, VerifyFailed };

// "written", "verified", "failed", "verify failed": the log's words.
const char* OutcomeText(RadioOutcome outcome);

struct RadioRecord {
  std::string time;    // ISO 8601, local time with its offset from UTC
  std::string port;    // as chosen: COM1-COM4 or a device path
  std::string device;  // the device that name led to
  RadioOutcome outcome = RadioOutcome::Failed;
  std::string message;  // the program's message, if any
  std::string details;  // why a port did not open (shown, not logged)
  std::vector<std::uint8_t> identity;  // the identification the radio sent
  std::string sha256;  // of the 1024 bytes written
};

// What one port's line shows.
enum class StationState { Ready, WaitingForRadio, Writing, Verifying, Finished, Stopped };

struct StationReport {
  int station = 0;
  StationState state = StationState::Ready;
  int blocks = 0;  // Writing: blocks acknowledged; Verifying: the read-back's progress, 0-123
  RadioOutcome outcome = RadioOutcome::Written;  // Finished: the last radio's
  std::string message;                           // Finished: its message
};

// The line's text: "waiting for a radio", "writing block 37 of 123", "verified", ...
std::string StationText(const StationReport& report);

// Radios so far, by outcome.
struct Tally {
  int outcomes[4] = {};  // indexed by RadioOutcome

  void add(RadioOutcome outcome) { ++outcomes[static_cast<int>(outcome)]; }
  int count(RadioOutcome outcome) const { return outcomes[static_cast<int>(outcome)]; }
  int radios() const;
  // Every radio that took all blocks, whatever its read-back said.
  int written() const;
  int verified() const { return count(RadioOutcome::Verified); }
  // Radios that did not take every block, or whose read-back did not confirm them.
  int failed() const;
};

// "3 radios: 2 written, 2 verified, 1 failed".
std::string TallyText(const Tally& tally);

}  // namespace qm314
