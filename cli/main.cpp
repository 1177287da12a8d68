// qm314-cli: the programming software's jobs without a window.
#include <unistd.h>

#include <iostream>

#include "cli/cli.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  const int status = qm314::cli::RunCli(args, std::cout, std::cerr, ::isatty(STDERR_FILENO) == 1, &std::cin,
                                        ::isatty(STDIN_FILENO) == 1);
  std::cout.flush();
  return std::cout ? status : 2;
}
