// The signal handler and the flag it raises.
#include "cli/interrupts.h"

namespace qm314::cli {
namespace {

// A signal handler can reach nothing but a flag of static storage.
std::atomic<bool> gInterrupted{false};
static_assert(std::atomic<bool>::is_always_lock_free);

extern "C" void OnInterrupt(int) { gInterrupted.store(true); }

}  // namespace

InterruptCancels::InterruptCancels() {
  gInterrupted.store(false);
  struct sigaction action {};
  action.sa_handler = OnInterrupt;
  // No SA_RESTART: a wait for the user's Enter ends with the interrupt too.
  action.sa_flags = SA_RESETHAND;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, &previousInt_);
  sigaction(SIGTERM, &action, &previousTerm_);
}

InterruptCancels::~InterruptCancels() {
  sigaction(SIGINT, &previousInt_, nullptr);
  sigaction(SIGTERM, &previousTerm_, nullptr);
}

const std::atomic<bool>& InterruptCancels::flag() { return gInterrupted; }

}  // namespace qm314::cli
