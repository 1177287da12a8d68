// When a printout says it was printed.  The clock is the system's, unless
// SOURCE_DATE_EPOCH names the moment (seconds since 1970, UTC), the common way
// to make a document come out the same on every run: the tests set it, and so
// may anyone who wants two printouts of one file to be identical.
#pragma once

#include <ctime>
#include <string>

namespace qm314 {

inline constexpr const char* kPrintTimeVariable = "SOURCE_DATE_EPOCH";

// Now, or the moment SOURCE_DATE_EPOCH names when it holds a number of seconds.
std::time_t PrintTime();

// "2025-03-14 09:26" in the local time zone: read the same way in every country.
std::string PrintTimeText(std::time_t when);

}  // namespace qm314
