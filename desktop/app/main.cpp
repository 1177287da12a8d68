// qm314: the desktop programming software.
#include <QApplication>
#include <QTextStream>

#include "desktop/app/app_messages.h"
#include "desktop/app/cordy_app.h"
#include "desktop/app/info_options.h"
#include "desktop/app/print_command.h"

int main(int argc, char** argv) {
  if (const std::optional<int> status = qm314::AnswerInfoOption(argc, argv)) return *status;
  const bool headless = qm314::PrepareHeadlessStart();
  QApplication application(argc, argv);
  // Qt has taken its own options (-platform, -style, ...) out by now.
  const QStringList arguments = QApplication::arguments().mid(1);
  QTextStream err(stderr);
  if (qm314::IsPrintCommand(arguments)) return qm314::RunPrintCommand(arguments, err);
  if (const QString bad = qm314::CCordyApp::BadArgument(arguments); !bad.isEmpty()) {
    err << "qm314: " << QString::fromUtf8(qm314::msg::kBadArgument).arg(bad) << '\n'
        << qm314::msg::kSeeHelp << Qt::endl;
    return qm314::kPrintExitUsage;
  }
  if (headless && QGuiApplication::platformName() == QLatin1String("offscreen")) {
    err << "qm314: " << qm314::msg::kNoDisplay << Qt::endl;
    return 1;
  }
  qm314::CCordyApp theApp;
  if (!theApp.InitInstance(arguments)) return 1;
  return QApplication::exec();
}
