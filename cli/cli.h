// qm314-cli as a function, so the tests run it as the program does.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace qm314::cli {

// args are the program's arguments without the program name; returns the exit status.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, bool errIsTerminal = false);

}  // namespace qm314::cli
