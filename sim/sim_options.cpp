// Parsing of qm314-sim's arguments.
#include "sim/sim_options.h"

#include <cstdlib>
#include <map>

namespace qm314::sim {

const char* const kSimUsage = "usage: qm314-sim [--image FILE] [--save FILE] [--fault KIND...] [--clone-word LETTERS]\n"
    "                 [--debug-word LETTERS] [--log FILE] [--answer-delay MS]\n"
    "       qm314-sim --version\n"
    "  --image FILE   start with the 1024 bytes of FILE as the radio's memory\n"
    "                 (else the memory of a new document)\n"
    "  --save FILE    keep the memory in FILE: after each completed write and on exit\n"
    "  --fault KIND   silent | wrong-confirm | noise[:N] | short:N@K | no-ack@K | unplug@K\n"
    "                 | corrupt@K | stray@K | debug-silent@STAGE | debug-wrong@STAGE\n"
    "                 (corrupt@K acknowledges block K's write and keeps it with its bits inverted;\n"
    "                 stray@K sends one 0x06 too many right after block K's read answer)\n"
    "                 (K a block 0-127; STAGE wake, ident, confirm, item, frequencies or\n"
    "                 tones; block and stage faults strike once)\n"
    "  --clone-word   the seven letters of the clone wake-up word (else $QM314_CLONE_WORD)\n"
    "  --debug-word   the six letters of the debug wake-up word (else $QM314_DEBUG_WORD)\n"
    "  --log FILE     append one line per event of the conversation\n"
    "  --answer-delay MS  how long after a request the radio starts to answer (default 1)\n";

bool ParseSimOptions(const std::vector<std::string>& args, SimOptions& options, std::string& error) {
  std::string delayText;
  const std::map<std::string, std::string*> valueOptions{
      {"--image", &options.imagePath},         {"--save", &options.savePath},
      {"--log", &options.logPath},             {"--clone-word", &options.cloneLetters},
      {"--debug-word", &options.debugLetters}, {"--answer-delay", &delayText}};
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--help" || a == "-h") {
      options.help = true;
    } else if (a == "--version") {
      options.version = true;
    } else if (const auto option = valueOptions.find(a); option != valueOptions.end()) {
      if (i + 1 >= args.size()) {
        error = a + " needs a value";
        return false;
      }
      *option->second = args[++i];
    } else if (a == "--fault") {
      bool any = false;
      while (i + 1 < args.size() && args[i + 1].rfind("--", 0) != 0) {
        if (!AddFault(args[++i], options.faults, error)) return false;
        any = true;
      }
      if (!any) {
        error = "--fault needs a kind";
        return false;
      }
    } else {
      error = "unknown argument \"" + a + "\"";
      return false;
    }
  }
  if (!delayText.empty()) {
    char* end = nullptr;
    options.answerDelayMs = std::strtod(delayText.c_str(), &end);
    if (*end != '\0' || !(options.answerDelayMs >= 0.1 && options.answerDelayMs <= 1000)) {
      error = "--answer-delay needs milliseconds from 0.1 to 1000";
      return false;
    }
  }
  return true;
}

}  // namespace qm314::sim
