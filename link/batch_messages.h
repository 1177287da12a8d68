// Texts of programming several radios, verbatim, in one place.
#pragma once

#include <string>

namespace qm314::batch_msg {

inline constexpr const char* kReady = "ready";
inline constexpr const char* kWaitingForRadio = "waiting for a radio";
inline constexpr const char* kWaking = "waking the radio";
inline constexpr const char* kVerifying = "verifying";
inline constexpr const char* kStopped = "stopped";
// A port that finds its radios by itself, after a radio: "written, take the radio off".
inline std::string TakeTheRadioOff(const std::string& outcome) { return outcome + ", take the radio off"; }
inline constexpr const char* kWaitingForNextRadio = "waiting for the next radio";
inline constexpr const char* kSameRadioNotWritten =
    "same identification as the radio just written: not written again";
// Goes first in the message of a radio whose identification is that of the
// port's last radio.
inline constexpr const char* kSameRadioAgain = "the same radio again, by its identification";
inline constexpr const char* kStoppedBeforeVerify = "stopped before the read-back ended; the write is not verified";

// The system would not give the port a thread of its own.
inline std::string ThreadNotStarted(const std::string& reason) {
  return "the port's thread could not be started: " + reason;
}

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
// What the option takes for granted, in its tooltip.
inline std::string WaitOptionHelp() {
  return std::string(
             "Each port keeps waking its radio, about once a second, and writes every radio that answers with "
             "identification bytes other than those of the radio it wrote last. This assumes that every radio "
             "sends identification bytes of its own, and that a radio answers the wake-up while it sits on the "
             "port, so that its line can say when it has been taken off. Neither can be checked: a radio that "
             "sends the same bytes as the one before is taken for that radio and not written, and one that does "
             "not answer while it sits on the port shows \"") +
         kWaitingForNextRadio +
         "\" while it is still there. For such radios leave this off: put the next radios on and press Next.";
}
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
inline constexpr const char* kLogHeader =
    "time,port,device,outcome,message,identification,file_sha256,written_sha256";
inline std::string CannotWriteLog(const std::string& path, const std::string& reason) {
  return "cannot write the log \"" + path + "\": " + reason;
}

}  // namespace qm314::batch_msg
