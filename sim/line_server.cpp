// The line's radios, one after another, and the signals that stop or swap them.
#include "sim/line_server.h"

#include <sys/time.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <utility>

#include "radio/image_file.h"
#include "sim/debug_conversation.h"
#include "sim/sim_radio.h"

namespace qm314::sim {
namespace {

volatile std::sig_atomic_t gStop = 0;
volatile std::sig_atomic_t gSwap = 0;
// Ends the line's wait: set by every signal the server acts on.
volatile std::sig_atomic_t gWake = 0;

extern "C" void OnStop(int) {
  gStop = 1;
  gWake = 1;
}
extern "C" void OnSwap(int) {
  gSwap = 1;
  gWake = 1;
}
extern "C" void OnGapOver(int) { gWake = 1; }

sigset_t ServerSignals() {
  sigset_t set;
  sigemptyset(&set);
  for (int sig : {SIGTERM, SIGINT, SIGHUP, SIGUSR1, SIGALRM}) sigaddset(&set, sig);
  return set;
}

void StartGapTimer(int ms) {
  itimerval timer{};
  timer.it_value.tv_sec = ms / 1000;
  timer.it_value.tv_usec = (ms % 1000) * 1000;
  setitimer(ITIMER_REAL, &timer, nullptr);
}

}  // namespace

void BlockServerSignals() {
  const sigset_t set = ServerSignals();
  sigprocmask(SIG_BLOCK, &set, nullptr);
}

int ServeLine(PtyLine& line, const RadioSetup& setup) {
  struct sigaction action {};
  sigemptyset(&action.sa_mask);
  using Handler = void (*)(int);
  const std::pair<int, Handler> handlers[] = {
      {SIGTERM, OnStop}, {SIGINT, OnStop}, {SIGHUP, OnStop}, {SIGUSR1, OnSwap}, {SIGALRM, OnGapOver}};
  for (const auto& [sig, handler] : handlers) {
    action.sa_handler = handler;
    sigaction(sig, &action, nullptr);
  }
  // The signals are let through only while the line waits, so none is lost
  // between the test of a flag and the wait.
  sigset_t waitMask;
  sigprocmask(SIG_BLOCK, nullptr, &waitMask);
  for (int sig : {SIGTERM, SIGINT, SIGHUP, SIGUSR1, SIGALRM}) sigdelset(&waitMask, sig);

  std::ofstream log;
  if (!setup.logPath.empty()) {
    log.open(setup.logPath, std::ios::app);
    if (!log) {
      std::fprintf(stderr, "qm314-sim: cannot open the log %s\n", setup.logPath.c_str());
      return 2;
    }
  }
  auto note = [&log](const std::string& event) {
    if (!log.is_open()) return;
    log << event << '\n';
    log.flush();
  };

  bool saveFailed = false;
  auto save = [&](SimRadio& radio) {
    if (setup.savePath.empty()) return;
    if (const FileResult saved = WriteImageFile(setup.savePath, radio.memory()); !saved) {
      std::fprintf(stderr, "qm314-sim: %s\n", saved.message.c_str());
      saveFailed = true;
    }
  };

  int serial = setup.serial;
  for (;;) {
    SimRadio radio(setup.cloneWord, setup.memory, setup.faults, static_cast<std::uint8_t>(serial));
    radio.addConversation(setup.debugWord, std::make_unique<DebugConversation>(radio.faults()));
    PtyLine::End end;
    for (;;) {
      end = line.serve(radio, gWake, waitMask, [&](const SimReply& r) {
        for (const std::string& e : r.events) note(e);
        if (r.memoryWritten) save(radio);
      });
      if (end != PtyLine::End::Stopped || gStop || gSwap) break;
      gWake = 0;  // a gap timer that went off late: keep serving
    }
    save(radio);
    if (end == PtyLine::End::Failed) {
      std::fprintf(stderr, "qm314-sim: the line failed: %s\n", std::strerror(errno));
      return 1;
    }
    if (end == PtyLine::End::Unplugged || gStop) break;

    // Taken off: for the gap the line carries bytes to nobody.
    gSwap = 0;
    gWake = 0;
    note("radio taken off");
    FaultPlan nobody;
    nobody.silent = true;
    SimRadio absent(setup.cloneWord, setup.memory, nobody);
    StartGapTimer(setup.swapGapMs);
    if (line.serve(absent, gWake, waitMask, [](const SimReply&) {}) == PtyLine::End::Failed) return 1;
    StartGapTimer(0);
    if (gStop) break;
    gSwap = 0;
    gWake = 0;
    serial += setup.serialStep;
    note("next radio on");
  }
  return saveFailed ? 1 : 0;
}

}  // namespace qm314::sim
