// A clone transfer from the command line, cancelled cleanly by Ctrl+C.
#include "cli/radio_transfer.h"

#include "cli/interrupts.h"
#include "cli/messages.h"
#include "cli/transfer_console.h"
#include "link/messages.h"
#include "link/posix_serial_port.h"
#include "link/write_verify.h"

namespace qm314::cli {

int RunRadioTransfer(Invocation& invocation, TransferDirection direction, const std::string& port,
                     int retries, std::string_view cloneLetters, RadioImage& image) {
  std::string error;
  const std::optional<WakeUpWord> word = ConfiguredCloneWord(cloneLetters, error);
  if (!word) throw UsageError(error);

  InterruptCancels interrupts;
  TransferConsole console(invocation.err, invocation.errIsTerminal,
                          direction == TransferDirection::Read ? msg::kReadingCaption
                                                               : msg::kWritingCaption,
                          retries, InterruptCancels::flag());
  SleepPacer pacer;
  CloneTransfer transfer(OpenPortByName, pacer, console, *word);
  const TransferOutcome outcome = transfer.run(direction, port, image);
  console.finish();
  if (outcome == TransferOutcome::Cancelled) {
    invocation.err << messages::kProgram << ": " << messages::kTransferCancelled << '\n';
  }
  if (direction == TransferDirection::Write && outcome != TransferOutcome::Completed) {
    invocation.err << messages::kProgram << ": " << UnfinishedWriteReport(transfer.blocksWritten()) << '\n';
  }
  return outcome == TransferOutcome::Completed ? kExitSuccess : kExitRadioFailed;
}

}  // namespace qm314::cli
