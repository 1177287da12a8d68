// Ctrl+C and SIGTERM as a cancel flag for as long as a radio conversation runs;
// a second Ctrl+C finds the default action back and ends the program at once.
#pragma once

#include <atomic>
#include <csignal>

namespace qm314::cli {

class InterruptCancels {
 public:
  InterruptCancels();
  ~InterruptCancels();
  InterruptCancels(const InterruptCancels&) = delete;
  InterruptCancels& operator=(const InterruptCancels&) = delete;

  // Raised by the signal; lowered when an InterruptCancels begins.
  static const std::atomic<bool>& flag();

 private:
  struct sigaction previousInt_ {};
  struct sigaction previousTerm_ {};
};

}  // namespace qm314::cli
