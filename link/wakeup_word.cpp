// Building and configuring the wake-up words.
#include "link/wakeup_word.h"

#include <cstdlib>

namespace qm314 {

std::optional<WakeUpWord> MakeWakeUpWord(std::string_view letters, std::size_t count) {
  if (letters.size() != count) return std::nullopt;
  WakeUpWord word{kWakeUpLead};
  for (char c : letters) {
    if (c < 'A' || c > 'Z') return std::nullopt;
    word.push_back(static_cast<std::uint8_t>(c));
  }
  return word;
}

std::optional<WakeUpWord> ConfiguredWakeUpWord(std::string_view option, const char* variable,
                                               std::string_view defaultLetters,
                                               std::size_t count, std::string& error) {
  std::string_view letters = defaultLetters;
  std::string source = "the default";
  if (!option.empty()) {
    letters = option;
    source = "the option";
  } else if (const char* value = std::getenv(variable); value != nullptr && *value != '\0') {
    letters = value;
    source = variable;
  }
  std::optional<WakeUpWord> word = MakeWakeUpWord(letters, count);
  if (!word) {
    error = "wake-up word \"" + std::string(letters) + "\" from " + source + " is not " +
            std::to_string(count) + " upper-case letters A-Z";
  }
  return word;
}

std::optional<WakeUpWord> ConfiguredCloneWord(std::string_view option, std::string& error) {
  return ConfiguredWakeUpWord(option, kCloneWordVariable, kDefaultCloneLetters,
                              kCloneWordLetters, error);
}

}  // namespace qm314
