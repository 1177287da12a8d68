// The table of qm314-cli commands.  A new command is a file with its function
// and one line here.
#include "cli/command.h"

#include <array>

namespace qm314::cli {

int RunNew(Invocation&);
int RunShow(Invocation&);
int RunExport(Invocation&);
int RunImport(Invocation&);
int RunSet(Invocation&);
int RunRead(Invocation&);
int RunWrite(Invocation&);
int RunDebug(Invocation&);
int RunPorts(Invocation&);
int RunDiff(Invocation&);

namespace {

constexpr std::array kCommands = {
    Command{"new", "OUT", "write the file a new, untouched document saves", RunNew},
    Command{"show", "FILE [--plan] [--json]",
            "print the settings and the channel table of FILE; --plan prints its channel plan sheet\n"
            "      in plain words, as qm314 --print-plan does",
            RunShow},
    Command{"export", "FILE [--format grid-csv|radio-csv] [-o OUT.csv]",
            "write the channel rows of FILE as CSV: the 16 grid rows (grid-csv, the default), or\n"
            "      one line per channel in the common radio CSV other programming software reads (radio-csv)",
            RunExport},
    Command{"import", "CSV FILE [-o OUT] [--force]",
            "set the channel rows the CSV gives (either form, told by its header) in FILE and save;\n"
            "      a FILE that does not look like channel data is used only with --force",
            RunImport},
    Command{"set", "FILE key=value... [-o OUT] [--force]",
            "change settings by item text and save; a FILE that does not look like channel data is\n"
            "      used only with --force",
            RunSet},
    Command{"read", "PORT -o OUT [--retries N] [--clone-word LETTERS]",
            "read the radio on PORT (COM1-COM4 or a device) and save its 1024 bytes", RunRead},
    Command{"write",
            "PORT[,PORT...] FILE [--backup OLD] [--verify] [--retries N] [--repeat] [--wait-for-radio] "
            "[--log LOG.csv] [--clone-word LETTERS] [--force]",
            "encode FILE as the program does and write it to the radio on PORT; --backup reads the\n"
            "      radio into OLD first, --verify reads it back afterwards and names every differing block.\n"
            "      Several ports are written at the same time; --repeat goes on with the next radios\n"
            "      (Enter starts each round, or with --wait-for-radio each port starts when its next\n"
            "      radio answers); --log appends a CSV line per radio to LOG.csv. A FILE that does not\n"
            "      look like channel data is sent only with --force",
            RunWrite},
    Command{"diff", "A B", "what differs between two files: channels, settings, other bytes (exit 1 if any)",
            RunDiff},
    Command{"ports", "", "the serial devices present, who may open them, who holds them, COM1-COM4", RunPorts},
    Command{"debug",
            "PORT --item NAME --value N [--rx MHZ] [--tx MHZ] [--rx-tone T] [--tx-tone T] "
            "[--retries N] [--debug-word LETTERS]",
            "send one tuning command of the Debug Mode dialog", RunDebug},
};

}  // namespace

std::span<const Command> Commands() { return kCommands; }

const Command* FindCommand(std::string_view name) {
  for (const Command& command : kCommands)
    if (command.name == name) return &command;
  return nullptr;
}

}  // namespace qm314::cli
