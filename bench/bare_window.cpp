// The yardstick of the start-up benchmark: a Qt program with nothing but a
// main window holding a 17 x 5 table, linked with Qt Widgets alone.
// bench_startup runs it as `bench_bare_window START_MICROS`.
#include <QApplication>
#include <QMainWindow>
#include <QTableWidget>
#include <cstdlib>

#include "first_paint.h"

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  int qtArgc = 1;
  QApplication application(qtArgc, argv);
  qm314::bench::FirstPaint probe(std::atoll(argv[1]));
  QMainWindow window;
  window.setCentralWidget(new QTableWidget(17, 5, &window));
  window.show();
  return QApplication::exec();
}
