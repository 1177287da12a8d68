// Real-time pauses.
#include "link/pacer.h"

#include <cerrno>
#include <ctime>

namespace qm314 {

void SleepPacer::pause(unsigned milliseconds) {
  timespec wake{};
  clock_gettime(CLOCK_MONOTONIC, &wake);
  wake.tv_sec += milliseconds / 1000;
  wake.tv_nsec += static_cast<long>(milliseconds % 1000) * 1000000L;
  if (wake.tv_nsec >= 1000000000L) {
    wake.tv_sec += 1;
    wake.tv_nsec -= 1000000000L;
  }
  // An absolute deadline, so a signal that interrupts the sleep does not stretch it.
  while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &wake, nullptr) == EINTR) {
  }
}

}  // namespace qm314
