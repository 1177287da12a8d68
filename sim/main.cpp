// qm314-sim: a simulated QM-314 on a pseudo-terminal.  Prints the device path on
// the first line of standard output, then answers as the radio would.
#include <sys/resource.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "link/wakeup_word.h"
#include "debugmode/debug_word.h"
#include "radio/default_image.h"
#include "radio/image_file.h"
#include "radio/version.h"
#include "sim/debug_conversation.h"
#include "sim/faults.h"
#include "sim/pty_line.h"
#include "sim/sim_options.h"
#include "sim/sim_radio.h"

namespace {

volatile std::sig_atomic_t gStop = 0;

void OnStopSignal(int) { gStop = 1; }

int Usage(const std::string& problem) {
  std::fprintf(stderr, "qm314-sim: %s\n%s", problem.c_str(), qm314::sim::kSimUsage);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace qm314;
  sim::SimOptions options;
  std::string error;
  if (!sim::ParseSimOptions({argv + 1, argv + argc}, options, error)) return Usage(error);
  if (options.help) {
    std::fputs(sim::kSimUsage, stdout);
    return 0;
  }
  if (options.version) {
    std::printf("qm314-sim %s\n", kVersion);
    return 0;
  }
  const std::optional<WakeUpWord> cloneWord = ConfiguredCloneWord(options.cloneLetters, error);
  if (!cloneWord) return Usage(error);
  const std::optional<WakeUpWord> debugWord = ConfiguredDebugWord(options.debugLetters, error);
  if (!debugWord) return Usage(error);
  RadioImage memory = DefaultImage();
  if (!options.imagePath.empty()) {
    if (const FileResult loaded = ReadImageFile(options.imagePath, memory); !loaded) {
      std::fprintf(stderr, "qm314-sim: %s\n", loaded.message.c_str());
      return 2;
    }
  }
  std::ofstream log;
  if (!options.logPath.empty()) {
    log.open(options.logPath, std::ios::app);
    if (!log) return Usage("cannot open the log " + options.logPath);
  }

  // The stop signals are let through only while the line waits, so none is lost
  // between the test of the flag and the wait.
  sigset_t stopSignals, waitMask;
  sigemptyset(&stopSignals);
  sigaddset(&stopSignals, SIGTERM);
  sigaddset(&stopSignals, SIGINT);
  sigaddset(&stopSignals, SIGHUP);
  sigprocmask(SIG_BLOCK, &stopSignals, &waitMask);
  sigdelset(&waitMask, SIGTERM);
  sigdelset(&waitMask, SIGINT);
  sigdelset(&waitMask, SIGHUP);
  struct sigaction action {};
  action.sa_handler = OnStopSignal;
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGHUP, &action, nullptr);

  // A radio keeps its own time whatever the PC is busy with; where allowed, run
  // ahead of the machine's other work so a busy build does not stretch its answers.
  setpriority(PRIO_PROCESS, 0, -10);

  sim::SimRadio radio(*cloneWord, memory, options.faults);
  radio.addConversation(*debugWord, std::make_unique<sim::DebugConversation>(radio.faults()));
  sim::PtyLine line(options.answerDelayMs);
  if (!line.open(error)) {
    std::fprintf(stderr, "qm314-sim: %s\n", error.c_str());
    return 1;
  }
  std::printf("%s\n", line.devicePath().c_str());
  std::fflush(stdout);

  bool saveFailed = false;
  auto save = [&] {
    if (options.savePath.empty()) return;
    if (const FileResult saved = WriteImageFile(options.savePath, radio.memory()); !saved) {
      std::fprintf(stderr, "qm314-sim: %s\n", saved.message.c_str());
      saveFailed = true;
    }
  };
  const sim::PtyLine::End end = line.serve(radio, gStop, waitMask, [&](const sim::SimReply& r) {
    if (log.is_open()) {
      for (const std::string& e : r.events) log << e << '\n';
      log.flush();
    }
    if (r.memoryWritten) save();
  });
  save();
  if (end == sim::PtyLine::End::Failed) {
    std::fprintf(stderr, "qm314-sim: the line failed: %s\n", std::strerror(errno));
    return 1;
  }
  return saveFailed ? 1 : 0;
}
