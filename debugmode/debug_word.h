// The debug wake-up word: STX and six upper-case letters, the radio's access code
// for its tuning conversation.  Shared by the program and the simulated radio.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qm314 {

inline constexpr std::size_t kDebugWakeWordLength = 7;
using DebugWakeWord = std::array<std::uint8_t, kDebugWakeWordLength>;

// The letters the radio answers to unless configured otherwise.
inline constexpr std::string_view kDefaultDebugLetters = "QMDBUG";

// Environment variable that replaces the six letters.
inline constexpr const char* kDebugWordEnv = "QM314_DEBUG_WORD";

// The word for six upper-case letters; nothing for any other text.
std::optional<DebugWakeWord> makeDebugWakeWord(std::string_view letters);

// The default word, or the one QM314_DEBUG_WORD names.  A variable that does not
// hold six upper-case letters leaves `error` set and returns nothing.
std::optional<DebugWakeWord> debugWakeWordFromEnvironment(std::string& error);

}  // namespace qm314
