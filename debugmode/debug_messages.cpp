// Texts of the refusals that keep unpackable inputs off the wire.
#include "debugmode/debug_messages.h"

#include "debugmode/debug_frames.h"

namespace qm314::debugmsg {

std::string FrequencyOutOfRange(std::string_view side, std::string_view text) {
  return "The " + std::string(side) + " frequency \"" + std::string(text) +
         "\" cannot be sent: a frequency must be from 0 to 999.99999 MHz. Nothing was sent.";
}

std::string ToneOutOfRange(std::string_view side, std::string_view text) {
  return "The " + std::string(side) + " tone \"" + std::string(text) +
         "\" cannot be sent: a tone must be from 0 to 999.9 Hz. Nothing was sent.";
}

std::string UnknownDebugItem(std::string_view name) {
  std::string known;
  for (DebugItem item : kDebugItems) {
    known += (known.empty() ? "\"" : ", \"") + std::string(debugItemName(item)) + "\"";
  }
  return "unknown debug item \"" + std::string(name) + "\" (one of " + known + ")";
}

std::string NotAnItemValue(std::string_view text) {
  return "--value must be a whole number from 0 to 255, not \"" + std::string(text) + "\"";
}

std::string ValueOutOfRange(int value) {
  return "The value " + std::to_string(value) +
         " cannot be sent: a debug value must be from 0 to 255. Nothing was sent.";
}

}  // namespace qm314::debugmsg
