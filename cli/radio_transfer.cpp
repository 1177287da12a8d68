// A clone transfer from the command line, cancelled cleanly by Ctrl+C.
#include "cli/radio_transfer.h"

#include <atomic>
#include <csignal>

#include "cli/messages.h"
#include "cli/transfer_console.h"
#include "link/messages.h"
#include "link/posix_serial_port.h"
#include "link/write_verify.h"

namespace qm314::cli {
namespace {

// A signal handler can reach nothing but a flag of static storage.
std::atomic<bool> gInterrupted{false};
static_assert(std::atomic<bool>::is_always_lock_free);

extern "C" void OnInterrupt(int) { gInterrupted.store(true); }

// Turns Ctrl+C and SIGTERM into the transfer's cancel for as long as it runs.
// A second Ctrl+C finds the default action back and ends the program at once.
class InterruptCancels {
 public:
  InterruptCancels() {
    gInterrupted.store(false);
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    action.sa_flags = SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, &previousInt_);
    sigaction(SIGTERM, &action, &previousTerm_);
  }
  ~InterruptCancels() {
    sigaction(SIGINT, &previousInt_, nullptr);
    sigaction(SIGTERM, &previousTerm_, nullptr);
  }
  InterruptCancels(const InterruptCancels&) = delete;
  InterruptCancels& operator=(const InterruptCancels&) = delete;

 private:
  struct sigaction previousInt_ {};
  struct sigaction previousTerm_ {};
};

}  // namespace

int RunRadioTransfer(Invocation& invocation, TransferDirection direction, const std::string& port,
                     int retries, std::string_view cloneLetters, RadioImage& image) {
  std::string error;
  const std::optional<WakeUpWord> word = ConfiguredCloneWord(cloneLetters, error);
  if (!word) throw UsageError(error);

  InterruptCancels interrupts;
  TransferConsole console(invocation.err, invocation.errIsTerminal,
                          direction == TransferDirection::Read ? msg::kReadingCaption
                                                               : msg::kWritingCaption,
                          retries, gInterrupted);
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
