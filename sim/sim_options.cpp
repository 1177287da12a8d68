// Parsing of qm314-sim's arguments.
#include "sim/sim_options.h"

#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <string_view>

namespace qm314::sim {

const char* const kSimUsage = "usage: qm314-sim [--image FILE] [--save FILE] [--fault KIND...] [--clone-word LETTERS]\n"
    "                 [--debug-word LETTERS] [--log FILE] [--answer-delay MS] [--radios N]\n"
    "                 [--swap-gap MS] [--stdio]\n"
    "       qm314-sim --version\n"
    "  --image FILE   start with the 1024 bytes of FILE as the radio's memory\n"
    "                 (else the memory of a new document)\n"
    "  --save FILE    keep the memory in FILE: after each completed write and on exit\n"
    "  --fault KIND   silent | wrong-confirm | noise[:N] | short:N@K | no-ack@K | unplug@K\n"
    "                 | corrupt@K | stray@K | debug-silent@STAGE | debug-wrong@STAGE\n"
    "                 (corrupt@K acknowledges block K's write and keeps it with its bits inverted;\n"
    "                 stray@K sends one 0x06 too many right after block K's read answer)\n"
    "                 (K a block 0-127; STAGE wake, ident, confirm, item, frequencies or\n"
    "                 tones; block and stage faults strike once; R:KIND strikes radio R only)\n"
    "  --clone-word   the seven letters of the clone wake-up word (else $QM314_CLONE_WORD)\n"
    "  --debug-word   the six letters of the debug wake-up word (else $QM314_DEBUG_WORD)\n"
    "  --log FILE     append one line per event of the conversation\n"
    "  --answer-delay MS  how long after a request the radio starts to answer (default 1)\n"
    "  --radios N     N radios (1-16), each on its own pseudo-terminal with its own memory,\n"
    "                 one device path a line; --save and --log files get the radio's\n"
    "                 number before their extension (mem.int: mem-1.int, mem-2.int, ...)\n"
    "  --swap-gap MS  SIGUSR1 takes every radio off its line and puts the next one on\n"
    "                 MS later (default 3000)\n"
    "  --stdio        one radio on standard input and output instead of a pseudo-terminal,\n"
    "                 for a program that drives it through pipes; no device path is printed\n";

namespace {

// A fault for every radio, or with "R:" in front for radio R alone.
bool AddFaultOption(const std::string& text, SimOptions& options, std::string& error) {
  const std::size_t colon = text.find(':');
  const std::optional<int> radio =
      colon == std::string::npos ? std::nullopt : Number(std::string_view(text).substr(0, colon), 1, 16);
  if (!radio) return AddFault(text, options.faults, error);
  FaultPlan check;
  if (!AddFault(text.substr(colon + 1), check, error)) return false;
  options.radioFaults.emplace_back(*radio, text.substr(colon + 1));
  return true;
}

}  // namespace

bool ParseSimOptions(const std::vector<std::string>& args, SimOptions& options, std::string& error) {
  std::string delayText, radiosText, gapText;
  const std::map<std::string, std::string*> valueOptions{
      {"--image", &options.imagePath},         {"--save", &options.savePath},
      {"--log", &options.logPath},             {"--clone-word", &options.cloneLetters},
      {"--debug-word", &options.debugLetters}, {"--answer-delay", &delayText},
      {"--radios", &radiosText},               {"--swap-gap", &gapText}};
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--help" || a == "-h") {
      options.help = true;
    } else if (a == "--version") {
      options.version = true;
    } else if (a == "--stdio") {
      options.stdio = true;
    } else if (const auto option = valueOptions.find(a); option != valueOptions.end()) {
      if (i + 1 >= args.size()) {
        error = a + " needs a value";
        return false;
      }
      *option->second = args[++i];
    } else if (a == "--fault") {
      bool any = false;
      while (i + 1 < args.size() && args[i + 1].rfind("--", 0) != 0) {
        if (!AddFaultOption(args[++i], options, error)) return false;
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
  const struct {
    const std::string& text;
    int low, high;
    int& into;
    const char* refusal;
  } counts[] = {{radiosText, 1, 16, options.radios, "--radios needs a number from 1 to 16"},
                {gapText, 100, 60000, options.swapGapMs, "--swap-gap needs milliseconds from 100 to 60000"}};
  for (const auto& count : counts) {
    if (count.text.empty()) continue;
    const std::optional<int> n = Number(count.text, count.low, count.high);
    if (!n) {
      error = count.refusal;
      return false;
    }
    count.into = *n;
  }
  if (options.stdio && options.radios > 1) {
    error = "--stdio serves one radio";
    return false;
  }
  for (const auto& [radio, kind] : options.radioFaults) {
    if (radio > options.radios) {
      error = "fault \"" + std::to_string(radio) + ":" + kind + "\" names radio " + std::to_string(radio) +
              " of " + std::to_string(options.radios);
      return false;
    }
  }
  return true;
}

FaultPlan FaultsOfRadio(const SimOptions& options, int radio) {
  FaultPlan plan = options.faults;
  std::string unused;
  for (const auto& [which, kind] : options.radioFaults) {
    if (which == radio) AddFault(kind, plan, unused);
  }
  return plan;
}

std::string PathOfRadio(const std::string& path, int radio, int radios) {
  if (path.empty() || radios == 1) return path;
  std::filesystem::path p(path);
  p.replace_filename(p.stem().string() + "-" + std::to_string(radio) + p.extension().string());
  return p.string();
}

}  // namespace qm314::sim
