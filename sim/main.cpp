// qm314-sim: simulated QM-314 radios on pseudo-terminals.  Prints each device
// path on a line of its own, then answers as the radios would.
#include <sys/resource.h>

#include <csignal>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "debugmode/debug_word.h"
#include "link/wakeup_word.h"
#include "radio/default_image.h"
#include "radio/image_file.h"
#include "radio/version.h"
#include "sim/line_server.h"
#include "sim/several_radios.h"
#include "sim/sim_options.h"

namespace {

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

  std::vector<sim::RadioSetup> radios;
  for (int k = 1; k <= options.radios; ++k) {
    sim::RadioSetup setup;
    setup.cloneWord = *cloneWord;
    setup.debugWord = *debugWord;
    setup.memory = memory;
    setup.faults = sim::FaultsOfRadio(options, k);
    setup.savePath = sim::PathOfRadio(options.savePath, k, options.radios);
    setup.logPath = sim::PathOfRadio(options.logPath, k, options.radios);
    setup.swapGapMs = options.swapGapMs;
    setup.serial = static_cast<std::uint8_t>(k - 1);
    setup.serialStep = options.radios;
    if (!setup.logPath.empty() && !std::ofstream(setup.logPath, std::ios::app)) {
      return Usage("cannot open the log " + setup.logPath);
    }
    radios.push_back(setup);
  }

  sim::BlockServerSignals();
  sigset_t children;
  sigemptyset(&children);
  sigaddset(&children, SIGCHLD);
  sigprocmask(SIG_BLOCK, &children, nullptr);

  // A radio keeps its own time whatever the PC is busy with; where allowed, run
  // ahead of the machine's other work so a busy build does not stretch its answers.
  setpriority(PRIO_PROCESS, 0, -10);

  if (options.radios > 1) return sim::ServeSeveralRadios(radios, options.answerDelayMs);
  sim::PtyLine line(options.answerDelayMs);
  if (options.stdio) {
    // A reader that has gone shows as the line's end, not as a fatal signal.
    std::signal(SIGPIPE, SIG_IGN);
    line.openStandardStreams();
    return sim::ServeLine(line, radios.front());
  }
  if (!line.open(error)) {
    std::fprintf(stderr, "qm314-sim: %s\n", error.c_str());
    return 1;
  }
  std::printf("%s\n", line.devicePath().c_str());
  std::fflush(stdout);
  return sim::ServeLine(line, radios.front());
}
