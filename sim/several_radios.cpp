// One child process per radio, started after every line is open and named.
#include "sim/several_radios.h"

#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <memory>

namespace qm314::sim {

int ServeSeveralRadios(const std::vector<RadioSetup>& radios, double answerDelayMs) {
  std::vector<std::unique_ptr<PtyLine>> lines;
  for (std::size_t i = 0; i < radios.size(); ++i) {
    auto line = std::make_unique<PtyLine>(answerDelayMs);
    std::string error;
    if (!line->open(error)) {
      std::fprintf(stderr, "qm314-sim: %s\n", error.c_str());
      return 1;
    }
    lines.push_back(std::move(line));
  }
  for (const auto& line : lines) std::printf("%s\n", line->devicePath().c_str());
  std::fflush(stdout);

  std::vector<pid_t> children;
  for (std::size_t i = 0; i < radios.size(); ++i) {
    const pid_t pid = fork();
    if (pid < 0) {
      std::perror("qm314-sim: fork");
      for (pid_t child : children) kill(child, SIGTERM);
      break;
    }
    if (pid == 0) {
      // A radio outlives nobody: it goes with the process that started it.
      prctl(PR_SET_PDEATHSIG, SIGTERM);
      if (getppid() == 1) _exit(1);
      // Only its own line stays open here, so a pulled cable really goes.
      for (std::size_t j = 0; j < lines.size(); ++j) {
        if (j != i) lines[j].reset();
      }
      const int status = ServeLine(*lines[i], radios[i]);
      lines[i].reset();
      _exit(status);
    }
    children.push_back(pid);
  }
  // The children hold the lines now.
  lines.clear();

  sigset_t waitFor;
  sigemptyset(&waitFor);
  for (int sig : {SIGTERM, SIGINT, SIGHUP, SIGUSR1, SIGCHLD}) sigaddset(&waitFor, sig);
  int worst = children.size() == radios.size() ? 0 : 1;
  std::size_t alive = children.size();
  while (alive > 0) {
    const int sig = sigwaitinfo(&waitFor, nullptr);
    if (sig == SIGCHLD) {
      int status = 0;
      for (pid_t done; (done = waitpid(-1, &status, WNOHANG)) > 0;) {
        children.erase(std::remove(children.begin(), children.end(), done), children.end());
        --alive;
        worst = std::max(worst, WIFEXITED(status) ? WEXITSTATUS(status) : 1);
      }
    } else if (sig > 0) {
      // Every radio is stopped, or swapped, together.
      for (pid_t child : children) kill(child, sig == SIGUSR1 ? SIGUSR1 : SIGTERM);
    }
  }
  return worst;
}

}  // namespace qm314::sim
