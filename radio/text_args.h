// Texts with places for what varies ("Save changes to %1?"), filled as the
// desktop's toolkit fills them, so a text kept once serves every front end.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace qm314 {

// pattern with each %1 ... %9 replaced by the argument of that number; a
// place without an argument, and what an argument itself holds, stay as they are.
std::string WithArgs(std::string_view pattern, const std::vector<std::string_view>& args);
inline std::string WithArgs(std::string_view pattern, std::initializer_list<std::string_view> args) {
  return WithArgs(pattern, std::vector<std::string_view>(args));
}

}  // namespace qm314
