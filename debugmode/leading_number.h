// Reads the number a text begins with, the way the C library's atof does, but
// independent of the process locale (the GUI runs under the user's locale).
#pragma once

#include <string_view>

namespace qm314 {

// Leading white space is skipped; the longest prefix that forms a decimal (or
// 0x-hexadecimal, inf, nan) number is read; 0 when the text begins with none.
double leadingNumber(std::string_view text);

}  // namespace qm314
