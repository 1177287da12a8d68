// The debug wake-up word: STX and six upper-case letters, the radio's access code
// for its tuning conversation.  Shared by the program and the simulated radio.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "link/wakeup_word.h"

namespace qm314 {

inline constexpr std::size_t kDebugWordLetters = 6;
inline constexpr std::string_view kDefaultDebugLetters = "QMDBUG";
inline constexpr const char* kDebugWordVariable = "QM314_DEBUG_WORD";

// The option's letters when given, else QM314_DEBUG_WORD's, else the default.
inline std::optional<WakeUpWord> ConfiguredDebugWord(std::string_view option,
                                                     std::string& error) {
  return ConfiguredWakeUpWord(option, kDebugWordVariable, kDefaultDebugLetters,
                              kDebugWordLetters, error);
}

}  // namespace qm314
