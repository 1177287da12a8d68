// The radio's access codes: 0x02 (STX) followed by upper-case letters.  The
// program and the simulated radio take them from here, so both agree; the
// environment or a command-line option may name other letters.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qm314 {

using WakeUpWord = std::vector<std::uint8_t>;

inline constexpr std::uint8_t kWakeUpLead = 0x02;

inline constexpr std::size_t kCloneWordLetters = 7;
inline constexpr std::string_view kDefaultCloneLetters = "QMCLONE";
inline constexpr const char* kCloneWordVariable = "QM314_CLONE_WORD";

// The word for exactly `count` upper-case ASCII letters, or nothing.
std::optional<WakeUpWord> MakeWakeUpWord(std::string_view letters, std::size_t count);

// The option's letters when given, else the environment variable's when set,
// else the default.  Invalid letters give nothing and a message in `error`.
std::optional<WakeUpWord> ConfiguredWakeUpWord(std::string_view option, const char* variable,
                                               std::string_view defaultLetters,
                                               std::size_t count, std::string& error);

// The clone word as configured for this process (option, QM314_CLONE_WORD, default).
std::optional<WakeUpWord> ConfiguredCloneWord(std::string_view option, std::string& error);

}  // namespace qm314
