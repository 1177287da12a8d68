// Picks the command from the table, runs it, and turns its failures into
// messages and exit statuses.
#include "cli/cli.h"

#include <algorithm>

#include "cli/command.h"
#include "cli/messages.h"
#include "radio/version.h"

namespace qm314::cli {
namespace {

void PrintCommands(std::ostream& os) {
  os << "usage: " << messages::kProgram << " COMMAND ARGUMENTS\n"
     << "       " << messages::kProgram << " COMMAND --help    that command's arguments\n"
     << "       " << messages::kProgram << " --version\n\ncommands:\n";
  for (const Command& command : Commands()) {
    os << "  " << command.name << (command.synopsis.empty() ? "" : " ") << command.synopsis << "\n      "
       << command.summary << "\n";
  }
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, bool errIsTerminal,
           std::istream* in, bool inIsTerminal) {
  if (args.empty()) {
    PrintCommands(err);
    return kExitUsage;
  }
  if (args[0] == "help" || args[0] == "--help" || args[0] == "-h") {
    PrintCommands(out);
    return kExitSuccess;
  }
  if (args[0] == "--version") {
    out << messages::kProgram << " " << kVersion << "\n";
    return kExitSuccess;
  }
  const Command* command = FindCommand(args[0]);
  if (!command) {
    err << messages::kProgram << ": " << messages::UnknownCommand(args[0]) << "\n";
    return kExitUsage;
  }
  // "--" ends the options: a file may be named --help after it.
  const auto options = std::find(args.begin() + 1, args.end(), "--");
  if (std::find(args.begin() + 1, options, "--help") != options) {
    out << messages::UsageLine(command->name, command->synopsis) << "\n  " << command->summary << "\n";
    return kExitSuccess;
  }
  Invocation invocation{{args.begin() + 1, args.end()}, out, err, errIsTerminal, in, inIsTerminal};
  try {
    return command->run(invocation);
  } catch (const UsageError& e) {
    err << messages::kProgram << " " << command->name << ": " << e.what() << "\n"
        << messages::UsageLine(command->name, command->synopsis) << "\n";
  } catch (const InputError& e) {
    err << messages::kProgram << " " << command->name << ": " << e.what() << "\n";
  }
  return kExitUsage;
}

}  // namespace qm314::cli
