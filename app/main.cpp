// qm314: the desktop programming software.
#include <QApplication>

#include "app/cordy_app.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  qm314::CCordyApp theApp;
  if (!theApp.InitInstance(QApplication::arguments().mid(1))) return 1;
  return QApplication::exec();
}
