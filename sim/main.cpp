// qm314-sim: a simulated QM-314 on a pseudo-terminal.  Prints the device path on
// the first line of standard output, then answers as the radio would.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "link/wakeup_word.h"
#include "debugmode/debug_word.h"
#include "radio/default_image.h"
#include "radio/image_file.h"
#include "sim/debug_conversation.h"
#include "sim/faults.h"
#include "sim/pty_line.h"
#include "sim/sim_radio.h"

namespace {

volatile std::sig_atomic_t gStop = 0;

void OnStopSignal(int) { gStop = 1; }

constexpr const char* kUsage =
    "usage: qm314-sim [--image FILE] [--save FILE] [--fault KIND...] [--clone-word LETTERS]\n"
    "                 [--debug-word LETTERS] [--log FILE] [--answer-delay MS]\n"
    "  --image FILE   start with the 1024 bytes of FILE as the radio's memory\n"
    "                 (else the memory of a new document)\n"
    "  --save FILE    keep the memory in FILE: after each completed write and on exit\n"
    "  --fault KIND   silent | wrong-confirm | noise[:N] | short:N@K | no-ack@K | unplug@K\n"
    "                 | debug-silent@STAGE | debug-wrong@STAGE\n"
    "                 (K a block 0-127; STAGE wake, ident, confirm, item, frequencies or\n"
    "                 tones; block and stage faults strike once)\n"
    "  --clone-word   the seven letters of the clone wake-up word (else $QM314_CLONE_WORD)\n"
    "  --debug-word   the six letters of the debug wake-up word (else $QM314_DEBUG_WORD)\n"
    "  --log FILE     append one line per event of the conversation\n"
    "  --answer-delay MS  how long after a request the radio starts to answer (default 1)\n";

int Usage(const std::string& problem) {
  std::fprintf(stderr, "qm314-sim: %s\n%s", problem.c_str(), kUsage);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace qm314;
  std::string imagePath, savePath, logPath, cloneLetters, debugLetters, delayText;
  const std::map<std::string, std::string*> valueOptions{
      {"--image", &imagePath},          {"--save", &savePath},
      {"--log", &logPath},              {"--clone-word", &cloneLetters},
      {"--debug-word", &debugLetters},  {"--answer-delay", &delayText}};
  sim::FaultPlan faults;
  const std::vector<std::string> args(argv + 1, argv + argc);
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&](std::string& into) {
      if (i + 1 >= args.size()) return false;
      into = args[++i];
      return true;
    };
    if (a == "--help" || a == "-h") {
      std::fputs(kUsage, stdout);
      return 0;
    }
    if (const auto option = valueOptions.find(a); option != valueOptions.end()) {
      if (!value(*option->second)) return Usage(a + " needs a value");
    } else if (a == "--fault") {
      bool any = false;
      while (i + 1 < args.size() && args[i + 1].rfind("--", 0) != 0) {
        std::string error;
        if (!sim::AddFault(args[++i], faults, error)) return Usage(error);
        any = true;
      }
      if (!any) return Usage("--fault needs a kind");
    } else {
      return Usage("unknown argument \"" + a + "\"");
    }
  }

  double answerDelayMs = sim::PtyLine::kDefaultAnswerDelayMs;
  if (!delayText.empty()) {
    char* end = nullptr;
    answerDelayMs = std::strtod(delayText.c_str(), &end);
    if (*end != '\0' || !(answerDelayMs >= 0.1 && answerDelayMs <= 1000)) {
      return Usage("--answer-delay needs milliseconds from 0.1 to 1000");
    }
  }
  std::string error;
  const std::optional<WakeUpWord> cloneWord = ConfiguredCloneWord(cloneLetters, error);
  if (!cloneWord) return Usage(error);
  const std::optional<WakeUpWord> debugWord = ConfiguredDebugWord(debugLetters, error);
  if (!debugWord) return Usage(error);
  RadioImage memory = DefaultImage();
  if (!imagePath.empty()) {
    if (const FileResult loaded = ReadImageFile(imagePath, memory); !loaded) {
      std::fprintf(stderr, "qm314-sim: %s\n", loaded.message.c_str());
      return 2;
    }
  }
  std::ofstream log;
  if (!logPath.empty()) {
    log.open(logPath, std::ios::app);
    if (!log) return Usage("cannot open the log " + logPath);
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

  sim::SimRadio radio(*cloneWord, memory, faults);
  radio.addConversation(*debugWord, std::make_unique<sim::DebugConversation>(radio.faults()));
  sim::PtyLine line(answerDelayMs);
  if (!line.open(error)) {
    std::fprintf(stderr, "qm314-sim: %s\n", error.c_str());
    return 1;
  }
  std::printf("%s\n", line.devicePath().c_str());
  std::fflush(stdout);

  bool saveFailed = false;
  auto save = [&] {
    if (savePath.empty()) return;
    if (const FileResult saved = WriteImageFile(savePath, radio.memory()); !saved) {
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
