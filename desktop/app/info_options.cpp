// The desktop program's usage text and version line.
#include "desktop/app/info_options.h"

#include <cstdio>
#include <string_view>

#include "radio/version.h"

namespace qm314 {
namespace {

constexpr const char* kUsage =
    "usage: qm314 [FILE.int]\n"
    "       qm314 --print FILE.int [--pdf OUT.pdf]\n"
    "       qm314 --print-plan FILE.int [--pdf OUT.pdf]\n"
    "       qm314 --help | --version\n"
    "\n"
    "The programming software of the Trevna QM-314: reads the radio, edits its\n"
    "channels and settings, saves and opens channel data files, writes the radio.\n"
    "\n"
    "  FILE.int          open this channel data file (else start with a new document)\n"
    "  --print FILE.int  print the file's settings report on the default printer,\n"
    "                    without showing the window\n"
    "  --print-plan FILE.int\n"
    "                    print the file's channel plan sheet, for the people who\n"
    "                    carry the radios, the same way\n"
    "  --pdf OUT.pdf     with --print or --print-plan: write to OUT.pdf instead\n"
    "  --help            show this text\n"
    "  --version         show the program's version\n"
    "\n"
    "Qt's own options (-platform NAME, -style NAME, ...) work as in any Qt program.\n";

}  // namespace

std::optional<int> AnswerInfoOption(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "--help" || argument == "-h") {
      std::fputs(kUsage, stdout);
    } else if (argument == "--version") {
      std::printf("qm314 %s\n", kVersion);
    } else {
      continue;
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
  }
  return std::nullopt;
}

}  // namespace qm314
