// Start-up of the desktop program until its main window is shown and
// painted, and the peak memory at that moment.  Each run is a fresh
// process: the parent takes the clock just before exec, the child reports
// when the frame has painted.  Prints the median and slowest wall time, the
// median processor time the child used (which a busy machine does not
// inflate), and the peak resident size.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/cordy_app.h"
#include "app/mainframe.h"

namespace {

long long CpuMicros() {
  timespec ts{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
  return ts.tv_sec * 1000000LL + ts.tv_nsec / 1000;
}

long long NowMicros() {
  return std::chrono::duration_cast<std::chrono::microseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

class FirstPaint : public QObject {
 public:
  explicit FirstPaint(long long start) : start_(start) {}

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

int Child(int argc, char** argv, long long start) {
  QApplication application(argc, argv);
  qm314::CCordyApp app;
  FirstPaint probe(start);
  // The frame exists only inside InitInstance: watch every widget.
  application.installEventFilter(&probe);
  if (!app.InitInstance({})) return 1;
  return QApplication::exec();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 3 && std::string(argv[1]) == "--child") return Child(1, argv, std::atoll(argv[2]));

  const int runs = argc >= 2 ? std::max(1, std::atoi(argv[1])) : 10;
  std::vector<double> millis;
  std::vector<double> cpuMillis;
  long peakKb = 0;
  for (int i = 0; i < runs; ++i) {
    int pipefd[2];
    if (pipe(pipefd) != 0) return 1;
    const std::string start = std::to_string(NowMicros());
    const pid_t pid = fork();
    if (pid == 0) {
      dup2(pipefd[1], STDOUT_FILENO);
      close(pipefd[0]);
      execl("/proc/self/exe", argv[0], "--child", start.c_str(), static_cast<char*>(nullptr));
      _exit(127);
    }
    close(pipefd[1]);
    char buffer[128] = {};
    const ssize_t n = read(pipefd[0], buffer, sizeof buffer - 1);
    close(pipefd[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    long long micros = 0;
    long long cpu = 0;
    long kb = 0;
    if (n <= 0 || std::sscanf(buffer, "%lld %lld %ld", &micros, &cpu, &kb) != 3) {
      std::fprintf(stderr, "run %d gave no figures\n", i + 1);
      return 1;
    }
    millis.push_back(static_cast<double>(micros) / 1000.0);
    cpuMillis.push_back(static_cast<double>(cpu) / 1000.0);
    peakKb = std::max(peakKb, kb);
  }
  std::sort(millis.begin(), millis.end());
  std::sort(cpuMillis.begin(), cpuMillis.end());
  std::printf("qm314 start-up to painted main window, %d runs: median %.1f ms, slowest %.1f ms\n",
              runs, millis[millis.size() / 2], millis.back());
  std::printf("processor time used until then: median %.1f ms\n", cpuMillis[cpuMillis.size() / 2]);
  std::printf("peak resident memory: %.1f MB\n", static_cast<double>(peakKb) / 1024.0);
  return 0;
}
