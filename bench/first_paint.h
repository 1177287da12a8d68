// The clock of the start-up benchmark inside the child process: watches every
// widget for the first paint, then prints the wall time since `start`, the
// processor time used and the peak resident size, and ends the program.
#pragma once

#include <sys/resource.h>

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <ctime>

namespace qm314::bench {

inline long long CpuMicros() {
  timespec ts{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
  return ts.tv_sec * 1000000LL + ts.tv_nsec / 1000;
}

inline long long NowMicros() {
  return std::chrono::duration_cast<std::chrono::microseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

class FirstPaint : public QObject {
 public:
  // Installed on the application before any window exists.
  explicit FirstPaint(long long start) : start_(start) { QCoreApplication::instance()->installEventFilter(this); }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint && !reported_) {
      reported_ = true;
      // Report once the paint has finished and reached the screen.
      QTimer::singleShot(0, [this] {
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::printf("%lld %lld %ld\n", NowMicros() - start_, CpuMicros(), usage.ru_maxrss);
        std::fflush(stdout);
        QCoreApplication::exit(0);
      });
    }
    return false;
  }

 private:
  long long start_;
  bool reported_ = false;
};

}  // namespace qm314::bench
