// Filling the places of a text.
#include "radio/text_args.h"

#include <cstddef>

namespace qm314 {

std::string WithArgs(std::string_view pattern, const std::vector<std::string_view>& given) {
  std::string out;
  out.reserve(pattern.size());
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
      const auto number = static_cast<std::size_t>(pattern[i + 1] - '1');
      if (number < given.size()) {
        out += given[number];
        ++i;
        continue;
      }
    }
    out += pattern[i];
  }
  return out;
}

}  // namespace qm314
