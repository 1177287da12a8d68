// Every text the Debug Mode subsystem shows the user, defined once.
#pragma once

#include <string>
#include <string_view>

namespace qm314::debugmsg {

inline constexpr std::string_view kFinished = "Finish successfully!";
inline constexpr std::string_view kErrorTryAgain = " Error had happen ,need try again";
inline constexpr std::string_view kNoVisibleInformation = " There are no Visible information";

// Sent frequencies are eight decimal digits of 10 Hz.
std::string frequencyOutOfRange(std::string_view side, std::string_view text);
// Sent tones are four decimal digits of 0.1 Hz.
std::string toneOutOfRange(std::string_view side, std::string_view text);
std::string valueOutOfRange(int value);

}  // namespace qm314::debugmsg
