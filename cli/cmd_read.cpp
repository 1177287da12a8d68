// `read PORT -o OUT [--retries N]`: reads the radio and saves its 1024 bytes
// exactly as they came; nothing is written unless every block arrived.
#include "cli/args.h"
#include "cli/command.h"
#include "cli/headless_view.h"
#include "cli/messages.h"
#include "cli/output_file.h"
#include "cli/radio_transfer.h"

namespace qm314::cli {

int RunRead(Invocation& invocation) {
  const ParsedArgs args = ParseArgs(
      invocation.args,
      ArgSpec().positionals(1, 1).option("-o").option(kRetriesOption).option(kCloneWordOption));
  const std::optional<std::string> out = args.value("-o");
  if (!out) throw UsageError(messages::MissingOutput("-o"));
  CheckWritableFolder(*out);
  HeadlessView view;
  const int status =
      RunRadioTransfer(invocation, TransferDirection::Read, args.positional[0],
                       args.count(kRetriesOption, 0), args.value(kCloneWordOption).value_or(""),
                       view.document().image());
  if (status == kExitSuccess) view.saveImage(*out);
  return status;
}

}  // namespace qm314::cli
