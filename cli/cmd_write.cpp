// `write PORT FILE [--retries N]`: opens FILE, encodes its grid and settings as
// the program does before a write, and writes the 123 blocks to the radio.
#include "cli/args.h"
#include "cli/command.h"
#include "cli/headless_view.h"
#include "cli/radio_transfer.h"

namespace qm314::cli {

int RunWrite(Invocation& invocation) {
  const ParsedArgs args = ParseArgs(
      invocation.args,
      ArgSpec().positionals(2, 2).option(kRetriesOption).option(kCloneWordOption));
  const int retries = args.count(kRetriesOption, 0);
  HeadlessView view;
  view.open(args.positional[1]);
  view.encode();
  return RunRadioTransfer(invocation, TransferDirection::Write, args.positional[0], retries,
                          args.value(kCloneWordOption).value_or(""), view.document().image());
}

}  // namespace qm314::cli
