// A full read and a full write in the desktop program (offscreen, the real
// window and its worker thread) against qm314-sim, next to the same transfers
// by qm314-cli on the same simulated radio.  Run: build/bench/bench_gui_transfer [RUNS]
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "desktop/app/cordy_app.h"
#include "desktop/app/file_prompts.h"
#include "desktop/editor/cordy_view.h"
#include "desktop/editor/message_box.h"
#include "desktop/link/transfer_dlg.h"

namespace {

using qm314::CCordyView;

// Milliseconds from Start to the dialog closing; -1 when a box was shown.
double GuiTransfer(CCordyView& view, qm314::ScriptedMessageBoxes& boxes, bool write) {
  boxes.clear();
  write ? view.OnWriteToRadio() : view.OnReadFromRadio();
  QEventLoop loop;
  QObject::connect(&view, &CCordyView::TransferRunningChanged, &loop, [&loop](bool running) {
    if (!running) loop.quit();
  });
  QElapsedTimer clock;
  clock.start();
  view.transferDialog()->OnOK();
  loop.exec();
  const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
  return boxes.shown().isEmpty() ? ms : -1;
}

double CliTransfer(const QStringList& args) {
  QElapsedTimer clock;
  clock.start();
  QProcess cli;
  cli.start(QStringLiteral(QM314_CLI_PATH), args);
  cli.waitForFinished(120000);
  const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
  return cli.exitStatus() == QProcess::NormalExit && cli.exitCode() == 0 ? ms : -1;
}

void Report(const char* what, const std::vector<double>& runs) {
  std::printf("%-10s", what);
  for (double ms : runs) std::printf(" %8.0f", ms);
  std::printf("   ms\n");
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;

  QProcess sim;
  sim.start(QStringLiteral(QM314_SIM_PATH), {});
  if (!sim.waitForReadyRead(10000)) {
    std::fprintf(stderr, "qm314-sim did not start\n");
    return 1;
  }
  const QString device = QString::fromUtf8(sim.readLine()).trimmed();
  qputenv("QM314_COM1", device.toUtf8());

  QTemporaryDir dir;
  QSettings settings(dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
  qm314::ScriptedMessageBoxes boxes;
  qm314::ScriptedFilePrompts files;
  qm314::CCordyApp app({&boxes, &files, &settings});
  if (!app.InitInstance({})) return 1;
  CCordyView& view = *app.view();
  const QString file = dir.filePath(QStringLiteral("radio.int"));

  std::vector<double> guiRead, guiWrite, cliRead, cliWrite;
  for (int i = 0; i < runs; ++i) {
    guiRead.push_back(GuiTransfer(view, boxes, false));
    guiWrite.push_back(GuiTransfer(view, boxes, true));
    cliRead.push_back(CliTransfer({QStringLiteral("read"), device, QStringLiteral("-o"), file}));
    cliWrite.push_back(CliTransfer({QStringLiteral("write"), device, file}));
  }
  std::printf("against qm314-sim on %s, %d runs each (-1: the transfer failed)\n",
              qPrintable(device), runs);
  Report("GUI read", guiRead);
  Report("CLI read", cliRead);
  Report("GUI write", guiWrite);
  Report("CLI write", cliWrite);

  sim.terminate();
  sim.waitForFinished(5000);
  return 0;
}
