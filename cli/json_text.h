// A JSON string literal for a text.
#pragma once

#include <string>
#include <string_view>

namespace qm314::cli {

std::string JsonString(std::string_view text);

}  // namespace qm314::cli
