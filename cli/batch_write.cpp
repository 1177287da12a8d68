// The rounds of a batch on the command line: the radios on every port, then
// Enter for the next ones, until Ctrl+C or the end of input.
#include "cli/batch_write.h"

#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include "cli/batch_console.h"
#include "cli/interrupts.h"
#include "cli/messages.h"
#include "link/batch_writer.h"
#include "link/posix_serial_port.h"

namespace qm314::cli {
namespace {

// How often a batch that finds its radios by itself looks at the terminal for
// the end of input, and a batch in the background whether it is in the
// foreground again.
constexpr int kInputLookMs = 200;

// Whether the terminal may be read now.  A job sent to the background (`&`)
// that reads its terminal is stopped by SIGTTIN, and every port with it in
// the middle of a block; it waits until `fg` brings it back.  A terminal that
// is not this session's own stops nobody.
bool TerminalIsOurs() {
  const pid_t foreground = tcgetpgrp(STDIN_FILENO);
  return foreground < 0 || foreground == getpgrp();
}

// Whether the user asked for the next round: a line of input, or nothing at
// all at the end of input or on Ctrl+C.
bool NextRoundWanted(Invocation& invocation, BatchConsole& console) {
  if (invocation.in == nullptr) return false;
  if (invocation.inIsTerminal) {
    while (!TerminalIsOurs()) {
      if (InterruptCancels::flag().load()) return false;
      usleep(kInputLookMs * 1000);
    }
    console.say(messages::kNextRoundPrompt);
  }
  std::string line;
  return std::getline(*invocation.in, line) && !InterruptCancels::flag().load();
}

// Until every port has ended; the end of input on a terminal (Ctrl+D) stops them.
void WaitForPorts(Invocation& invocation, BatchWriter& writer) {
  while (!writer.ended()) {
    if (!invocation.inIsTerminal || !TerminalIsOurs()) {
      usleep(kInputLookMs * 1000);
      continue;
    }
    pollfd input{STDIN_FILENO, POLLIN, 0};
    if (poll(&input, 1, kInputLookMs) <= 0) continue;
    char buffer[256];
    if (::read(STDIN_FILENO, buffer, sizeof buffer) <= 0) writer.stop();
  }
}

}  // namespace

int RunBatchWrite(Invocation& invocation, const std::vector<std::string>& ports, const RadioImage& image,
                  const BatchWriteOptions& options) {
  std::string error;
  const std::optional<WakeUpWord> word = ConfiguredCloneWord(options.cloneLetters, error);
  if (!word) throw UsageError(error);
  BatchLog log;
  if (options.logPath && !log.open(*options.logPath, error)) throw InputError(error);

  InterruptCancels interrupts;
  BatchConsole console(invocation.out, invocation.err, invocation.errIsTerminal, ports);
  BatchJob job;
  job.ports = ports;
  job.image = image;
  job.opener = OpenPortByName;
  job.word = *word;
  job.verify = options.verify;
  job.waitForRadio = options.waitForRadio;
  job.repeat = options.repeat;
  job.log = options.logPath ? &log : nullptr;
  job.cancel = &InterruptCancels::flag();
  BatchWriter writer(std::move(job), console);

  int writesTallied = -1;
  if (options.waitForRadio) {
    WaitForPorts(invocation, writer);
  } else {
    for (;;) {
      writer.nextRound();
      writer.waitRoundEnd();
      if (!options.repeat || InterruptCancels::flag().load()) break;
      console.finish();
      writesTallied = writer.tally().writes();
      invocation.out << TallyText(writer.tally()) << '\n' << std::flush;
      if (!NextRoundWanted(invocation, console)) break;
    }
  }
  writer.stop();
  writer.wait();
  console.finish();

  const bool stopped = InterruptCancels::flag().load();
  if (stopped) invocation.err << messages::kProgram << ": " << messages::kBatchStopped << '\n';
  const Tally tally = writer.tally();
  if (tally.writes() != writesTallied) invocation.out << TallyText(tally) << '\n';
  const std::string logError = log.error();
  if (!logError.empty()) invocation.err << messages::kProgram << ": " << logError << '\n';

  const int done = options.verify ? tally.verified() : tally.written();
  const bool everyWrite = tally.writes() > 0 && done == tally.writes() && tally.failed() == 0;
  return everyWrite && logError.empty() ? kExitSuccess : kExitRadioFailed;
}

}  // namespace qm314::cli
