// qm314: the desktop programming software.
#include <QApplication>
#include <QTextStream>

#include "app/cordy_app.h"
#include "app/info_options.h"
#include "app/print_command.h"

int main(int argc, char** argv) {
  if (const std::optional<int> status = qm314::AnswerInfoOption(argc, argv)) return *status;
  qm314::PrepareHeadlessPrinting(argc, argv);
  QApplication application(argc, argv);
  if (const QStringList arguments = QApplication::arguments().mid(1); qm314::IsPrintCommand(arguments)) {
    QTextStream err(stderr);
    return qm314::RunPrintCommand(arguments, err);
  }
  qm314::CCordyApp theApp;
  if (!theApp.InitInstance(QApplication::arguments().mid(1))) return 1;
  return QApplication::exec();
}
