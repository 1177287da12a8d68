// qm314-cli as a function, so the tests run it as the program does.
#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace qm314::cli {

// args are the program's arguments without the program name; returns the exit status.
// `in` is standard input (none when null); errIsTerminal and inIsTerminal say
// whether a user watches standard error and types at standard input.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, bool errIsTerminal = false,
           std::istream* in = nullptr, bool inIsTerminal = false);

}  // namespace qm314::cli
