// Texts of programming several radios, verbatim, in one place.
#pragma once

#include <string>

namespace qm314::batch_msg {

inline constexpr const char* kReady = "ready";
inline constexpr const char* kWaitingForRadio = "waiting for a radio";
inline constexpr const char* kWaking = "waking the radio";
inline constexpr const char* kVerifying = "verifying";
inline constexpr const char* kStopped = "stopped";
// A Stop that came while blocks were moving.
inline std::string StoppedAfterBlocks(int blocks) {
  return "stopped after " + std::to_string(blocks) + " of 123 blocks were written";
}
inline constexpr const char* kStoppedBeforeVerify = "stopped before the read-back ended; the write is not verified";

// The log's first line.
inline constexpr const char* kLogHeader = "time,port,device,outcome,message,identification,sha256";

}  // namespace qm314::batch_msg
