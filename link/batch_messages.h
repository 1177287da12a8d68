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

// Choosing the ports.
inline std::string SamePortTwice(const std::string& first, const std::string& second) {
  return "\"" + first + "\" and \"" + second + "\" are the same port; name each port once";
}

// The dialog's own texts.
inline constexpr const char* kDialogTitle = "Write To Several Radios";
inline constexpr const char* kPortsLabel = "Ports:";
inline constexpr const char* kPortColumn = "Port";
inline constexpr const char* kDeviceColumn = "Device";
inline constexpr const char* kStateColumn = "State";
inline constexpr const char* kProgressColumn = "Progress";
inline constexpr const char* kNotPresent = "(not present)";
inline constexpr const char* kVerifyOption = "&Verify each radio after writing";
inline constexpr const char* kWaitOption = "Start when a radio &answers";
inline constexpr const char* kLogOption = "Write a &log file:";
inline constexpr const char* kBrowseButton = "B&rowse...";
inline constexpr const char* kLogFilter = "Log files (*.csv);;All files (*)";
inline constexpr const char* kStartButton = "&Start";
inline constexpr const char* kNextButton = "&Next";
inline constexpr const char* kStopButton = "S&top";
inline constexpr const char* kCloseButton = "&Close";
inline constexpr const char* kNoPortChosen = "Choose at least one port to write to.";
inline constexpr const char* kNoLogFile = "Name the log file, or turn the log off.";

// The log's first line.
inline constexpr const char* kLogHeader = "time,port,device,outcome,message,identification,sha256";

}  // namespace qm314::batch_msg
