// Start-up of the desktop program until its main window is shown and
// painted, and the peak memory at that moment, next to the same for a bare
// Qt window holding a 17 x 5 table: what any Qt program of this kind pays.
// Each run is a fresh process: the parent takes the clock just before exec,
// the child reports when its window has painted; the two kinds of run take
// turns, so a change in the machine's load falls on both.  Prints for each
// the median and slowest wall time, the median processor time the child used
// (which a busy machine does not inflate), and the peak resident size, then
// the program's medians as a multiple of the bare window's.
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "desktop/app/cordy_app.h"
#include "first_paint.h"

namespace {

using qm314::bench::FirstPaint;
using qm314::bench::NowMicros;

int Child(char** argv, long long start) {
  int qtArgc = 1;
  QApplication application(qtArgc, argv);
  FirstPaint probe(start);
  qm314::CCordyApp app;
  if (!app.InitInstance({})) return 1;
  return QApplication::exec();
}

struct Figures {
  std::vector<double> millis;
  std::vector<double> cpuMillis;
  long peakKb = 0;

  static double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
  }
  double wall() const { return Median(millis); }
  double cpu() const { return Median(cpuMillis); }
};

// One fresh run of program; false when it gave no figures.
bool RunOnce(const char* program, const char* childOption, Figures& figures) {
  int pipefd[2];
  if (pipe(pipefd) != 0) return false;
  const std::string start = std::to_string(NowMicros());
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(pipefd[1], STDOUT_FILENO);
    close(pipefd[0]);
    if (childOption)
      execl(program, program, childOption, start.c_str(), static_cast<char*>(nullptr));
    else
      execl(program, program, start.c_str(), static_cast<char*>(nullptr));
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
  if (n <= 0 || std::sscanf(buffer, "%lld %lld %ld", &micros, &cpu, &kb) != 3) return false;
  figures.millis.push_back(static_cast<double>(micros) / 1000.0);
  figures.cpuMillis.push_back(static_cast<double>(cpu) / 1000.0);
  figures.peakKb = std::max(figures.peakKb, kb);
  return true;
}

void Print(const char* what, const Figures& f) {
  std::printf("%s, %zu runs:\n  median %.1f ms, slowest %.1f ms; processor time median %.1f ms; "
              "peak resident memory %.1f MB\n",
              what, f.millis.size(), f.wall(), *std::max_element(f.millis.begin(), f.millis.end()), f.cpu(),
              static_cast<double>(f.peakKb) / 1024.0);
}

constexpr const char* kChildOption = "--child";

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 3 && std::string(argv[1]) == kChildOption) return Child(argv, std::atoll(argv[2]));

  const int runs = argc >= 2 ? std::max(1, std::atoi(argv[1])) : 10;
  Figures program;
  Figures bare;
  for (int i = 0; i < runs; ++i) {
    if (!RunOnce("/proc/self/exe", kChildOption, program) || !RunOnce(QM314_BARE_WINDOW_PATH, nullptr, bare)) {
      std::fprintf(stderr, "run %d gave no figures\n", i + 1);
      return 1;
    }
  }
  Print("qm314 start-up to painted main window", program);
  Print("bare Qt window with a 17 x 5 table", bare);
  std::printf("qm314 / bare window: %.2f x wall time, %.2f x processor time\n", program.wall() / bare.wall(),
              program.cpu() / bare.cpu());
  return 0;
}
