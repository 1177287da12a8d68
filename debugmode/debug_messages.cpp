// Texts of the refusals that keep unpackable inputs off the wire.
#include "debugmode/debug_messages.h"

namespace qm314::debugmsg {

std::string frequencyOutOfRange(std::string_view side, std::string_view text) {
  return "The " + std::string(side) + " frequency \"" + std::string(text) +
         "\" cannot be sent: a frequency must be from 0 to 999.99999 MHz. Nothing was sent.";
}

std::string toneOutOfRange(std::string_view side, std::string_view text) {
  return "The " + std::string(side) + " tone \"" + std::string(text) +
         "\" cannot be sent: a tone must be from 0 to 999.9 Hz. Nothing was sent.";
}

std::string valueOutOfRange(int value) {
  return "The value " + std::to_string(value) +
         " cannot be sent: a debug value must be from 0 to 255. Nothing was sent.";
}

}  // namespace qm314::debugmsg
