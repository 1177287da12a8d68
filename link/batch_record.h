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
  std::string fileSha256;     // of the 1024 bytes of the encoded file
  std::string writtenSha256;  // of the bytes written, 0x000-0x3D7
};

// What one port's line shows.  TakeOff, WaitingForNext and SameRadio are
// those of a port that finds its radios by itself: the radio it just did is
// still on; it has been taken off; a radio that sends the identification of
// the radio just written answers, and is not written again.
enum class StationState {
  Ready,
  WaitingForRadio,
  Writing,
  Verifying,
  Finished,
  TakeOff,
  WaitingForNext,
  SameRadio,
  Stopped
};

struct StationReport {
  int station = 0;
  StationState state = StationState::Ready;
  int blocks = 0;  // Writing: blocks acknowledged; Verifying: the read-back's progress, 0-123
  RadioOutcome outcome = RadioOutcome::Written;  // Finished, TakeOff: the last radio's
  std::string message;                           // Finished, TakeOff: its message
};

// The line's text: "waiting for a radio", "writing block 37 of 123", "verified", ...
std::string StationText(const StationReport& report);

// Writes so far, by outcome.  A radio written twice (Next without a swap, or
// again after a failure) counts twice: the tally counts writes, not radios.
struct Tally {
  int ports = 0;
  int outcomes[4] = {};  // indexed by RadioOutcome

  void add(RadioOutcome outcome) { ++outcomes[static_cast<int>(outcome)]; }
  int count(RadioOutcome outcome) const { return outcomes[static_cast<int>(outcome)]; }
  int writes() const;
  // Writes whose radio took all blocks, whatever its read-back said.
  int written() const;
  int verified() const { return count(RadioOutcome::Verified); }
  // Writes that did not give the radio every block, or whose read-back did not confirm them.
  int failed() const;
};

// "12 writes on 4 ports: 12 written, 12 verified, 0 failed".
std::string TallyText(const Tally& tally);

}  // namespace qm314
