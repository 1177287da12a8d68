// The printing clock and how its time is written.
#include "radio/print_time.h"

#include <cstdlib>
#include <string_view>

#include "radio/text_numbers.h"

namespace qm314 {

std::time_t PrintTime() {
  const char* fixed = std::getenv(kPrintTimeVariable);
  // A value that is not a plain count of seconds is ignored rather than read
  // as some other moment.
  if (fixed != nullptr && IsAllDigits(fixed) && std::string_view(fixed).size() <= 12)
    return static_cast<std::time_t>(std::strtoll(fixed, nullptr, 10));
  return std::time(nullptr);
}

std::string PrintTimeText(std::time_t when) {
  std::tm local{};
  if (localtime_r(&when, &local) == nullptr) return {};
  char text[32];
  const std::size_t length = std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local);
  return std::string(text, length);
}

}  // namespace qm314
