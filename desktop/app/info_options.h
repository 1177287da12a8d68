// qm314 --help and --version: answered on standard output before Qt starts,
// so they work without a display and never open a window.
#pragma once

#include <optional>

namespace qm314 {

// The exit status when the command line asks for the usage or the version
// (which has then been printed); nothing when the program is to start.
std::optional<int> AnswerInfoOption(int argc, char** argv);

}  // namespace qm314
