// Every text the Debug Mode subsystem shows the user, defined once.
#pragma once

#include <string>
#include <string_view>

namespace qm314::debugmsg {

inline constexpr std::string_view kFinished = "Finish successfully!";
inline constexpr std::string_view kErrorTryAgain = " Error had happen ,need try again";
inline constexpr std::string_view kNoVisibleInformation = " There are no Visible information";

// Sent frequencies are eight decimal digits of 10 Hz.
std::string FrequencyOutOfRange(std::string_view side, std::string_view text);
// Sent tones are four decimal digits of 0.1 Hz.
std::string ToneOutOfRange(std::string_view side, std::string_view text);
std::string ValueOutOfRange(int value);

// The command line's debug command.
inline constexpr const char* kItemAndValueNeeded = "--item NAME and --value N are both needed";
std::string UnknownDebugItem(std::string_view name);
std::string NotAnItemValue(std::string_view text);

}  // namespace qm314::debugmsg
