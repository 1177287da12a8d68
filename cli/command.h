// What every qm314-cli command is given and how it reports failure.  A command
// is one function in a file of its own, listed in the table of commands.cpp.
#pragma once

#include <istream>
#include <ostream>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace qm314::cli {

enum ExitStatus : int {
  kExitSuccess = 0,
  kExitRadioFailed = 1,  // the radio conversation failed or was cancelled
  kExitDifferent = 1,    // diff: the files differ; write --verify: the radio holds other bytes
  kExitUsage = 2,        // bad arguments, unreadable or unwritable files, bad input
};

struct Invocation {
  std::vector<std::string> args;  // the arguments after the command name
  std::ostream& out;
  std::ostream& err;
  bool errIsTerminal = false;  // progress bars only go to a terminal
  std::istream* in = nullptr;  // standard input, where a command reads any
  bool inIsTerminal = false;   // a user types there: ask before reading
};

// Wrong arguments: reported with the command's usage line, exit status 2.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A file or input problem: reported as it stands, exit status 2.  Thrown
// before anything is written.
class InputError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// set, import and write use a file that does not look like channel data only with this flag.
inline constexpr const char* kForceFlag = "--force";

using CommandFunction = int (*)(Invocation&);

struct Command {
  std::string_view name;
  std::string_view synopsis;  // arguments, as the usage line shows them
  std::string_view summary;
  CommandFunction run;
};

std::span<const Command> Commands();
const Command* FindCommand(std::string_view name);

}  // namespace qm314::cli
