// The ways the simulated radio can misbehave, as named on qm314-sim's command line.
// Faults tied to a block strike once, so the next transfer on the same line succeeds.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qm314::sim {

// The stages of the tuning conversation where the radio can fail to answer.
enum class DebugStage { Wake, Identification, Confirmation, ItemSelect, Frequencies, TonesAndValue };
// "wake", "ident", "confirm", "item", "frequencies", "tones".
const char* DebugStageName(DebugStage stage);

// What a noisy line puts ahead of an answer.
inline constexpr std::uint8_t kNoiseByte = 0xA5;

struct FaultPlan {
  struct DebugFault {
    DebugStage stage;
    bool wrongByte;  // answers 0x15 instead of nothing
  };

  struct ShortAnswer {
    int block;
    std::size_t bytes;
  };

  bool silent = false;        // answers nothing at all
  bool wrongConfirm = false;  // answers the confirmation with 0x15 instead of 0x06
  int noise = 0;              // stray bytes (kNoiseByte) ahead of every wake-up acknowledgement
  std::optional<ShortAnswer> shortAnswer;  // read answer of block K cut to N bytes
  std::optional<int> noAckBlock;           // block K is never acknowledged
  std::optional<int> unplugBlock;          // the cable is pulled at block K's request
  std::optional<int> corruptBlock;         // block K's write is acknowledged but kept with its bits inverted
  std::optional<int> strayBlock;           // block K's read answer is followed by a stray 0x06
  std::optional<DebugFault> debugFault;    // the tuning conversation fails once at a stage
};

// A whole decimal number from low to high, or nothing.
std::optional<int> Number(std::string_view text, int low, int high);

// Adds one fault given as "silent", "wrong-confirm", "noise[:N]", "short:N@K",
// "no-ack@K", "unplug@K", "corrupt@K", "stray@K", "debug-silent@STAGE" or
// "debug-wrong@STAGE" (STAGE one of the DebugStageName texts); false with a
// message for anything else.
bool AddFault(std::string_view text, FaultPlan& plan, std::string& error);

}  // namespace qm314::sim
