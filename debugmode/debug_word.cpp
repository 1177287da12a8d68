// Builds and configures the debug wake-up word.
#include "debugmode/debug_word.h"

#include <cstdlib>

namespace qm314 {

std::optional<DebugWakeWord> makeDebugWakeWord(std::string_view letters) {
  if (letters.size() != kDebugWakeWordLength - 1) return std::nullopt;
  DebugWakeWord word{};
  word[0] = 0x02;
  for (std::size_t i = 0; i < letters.size(); ++i) {
    const char c = letters[i];
    if (c < 'A' || c > 'Z') return std::nullopt;
    word[i + 1] = static_cast<std::uint8_t>(c);
  }
  return word;
}

std::optional<DebugWakeWord> debugWakeWordFromEnvironment(std::string& error) {
  const char* configured = std::getenv(kDebugWordEnv);
  if (configured == nullptr) return makeDebugWakeWord(kDefaultDebugLetters);
  auto word = makeDebugWakeWord(configured);
  if (!word) {
    error = std::string(kDebugWordEnv) + " must hold six upper-case letters A-Z, not \"" +
            configured + "\".";
  }
  return word;
}

}  // namespace qm314
