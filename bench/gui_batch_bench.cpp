// Four radios at once in the desktop program (offscreen, the real dialog and
// its ports' threads) against one radio written by Write To Radio, with and
// without verify, on four simulated radios.  Prints the wall times, their
// ratio, and the program's processor time (every thread) as a share of the
// batch's wall time.  Run: build/bench/bench_gui_batch [ROUNDS]
#include <sys/resource.h>

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "app/cordy_app.h"
#include "app/file_prompts.h"
#include "editor/cordy_view.h"
#include "editor/message_box.h"
#include "link/batch_write_dlg.h"
#include "link/transfer_dlg.h"

namespace {

using qm314::CCordyView;

constexpr int kRadios = 4;

struct Timed {
  double wallMs = 0;
  double cpuMs = 0;
};

double ProcessCpuMs() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000.0 +
         (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000.0;
}

// Runs `start` and the event loop until `done` fires.
template <typename Signal, typename Sender>
Timed Measure(Sender* sender, Signal done, const std::function<void()>& start) {
  QEventLoop loop;
  QObject::connect(sender, done, &loop, [&loop] { loop.quit(); });
  const double cpu = ProcessCpuMs();
  QElapsedTimer clock;
  clock.start();
  start();
  loop.exec();
  return {static_cast<double>(clock.nsecsElapsed()) / 1e6, ProcessCpuMs() - cpu};
}

Timed OneRadio(CCordyView& view) {
  view.OnWriteToRadio();
  return Measure(&view, &CCordyView::TransferRunningChanged, [&view] { view.transferDialog()->OnOK(); });
}

Timed FourRadios(qm314::CBatchWriteDlg& dialog) {
  const Timed round = Measure(&dialog, &qm314::CBatchWriteDlg::RoundEnded, [&dialog] { dialog.OnStart(); });
  Measure(&dialog, &qm314::CBatchWriteDlg::RunningChanged, [&dialog] { dialog.OnStop(); });
  return round;
}

void Report(const char* what, const Timed& t) {
  std::printf("  %-10s %7.0f ms wall   CPU %6.1f ms = %5.2f %% of wall\n", what, t.wallMs, t.cpuMs,
              100.0 * t.cpuMs / t.wallMs);
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;

  QProcess sim;
  sim.start(QStringLiteral(QM314_SIM_PATH), {QStringLiteral("--radios"), QString::number(kRadios)});
  for (int i = 1; i <= kRadios; ++i) {
    while (!sim.canReadLine() && sim.waitForReadyRead(10000)) {
    }
    const QByteArray device = sim.readLine().trimmed();
    if (device.isEmpty()) {
      std::fprintf(stderr, "qm314-sim did not start\n");
      return 1;
    }
    qputenv(QStringLiteral("QM314_COM%1").arg(i).toUtf8().constData(), device);
  }

  QTemporaryDir dir;
  QSettings settings(dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
  qm314::ScriptedMessageBoxes boxes;
  qm314::ScriptedFilePrompts files;
  qm314::CCordyApp app({&boxes, &files, &settings});
  if (!app.InitInstance({})) return 1;
  CCordyView& view = *app.view();
  qm314::CBatchWriteDlg& dialog = *view.batchDialog();
  view.OnWriteToSeveralRadios();
  auto* ports = dialog.findChild<QTreeWidget*>(QStringLiteral("IDC_PORTS"));
  for (int i = 0; i < kRadios; ++i) ports->topLevelItem(i)->setCheckState(0, Qt::Checked);
  auto* verifyBox = dialog.findChild<QAbstractButton*>(QStringLiteral("IDC_VERIFY"));

  for (const bool verify : {false, true}) {
    view.SetVerifyAfterWrite(verify);
    verifyBox->setChecked(verify);
    Timed bestOne, bestFour;
    for (int round = 1; round <= rounds; ++round) {
      const Timed one = OneRadio(view);
      const Timed four = FourRadios(dialog);
      std::printf("%s, round %d\n", verify ? "write and verify" : "write", round);
      Report("1 radio", one);
      Report("4 radios", four);
      if (round == 1 || one.wallMs < bestOne.wallMs) bestOne = one;
      if (round == 1 || four.wallMs < bestFour.wallMs) bestFour = four;
    }
    std::printf("%s, best of %d: 1 radio %.0f ms, 4 radios %.0f ms = %.3f x; 4 radios' CPU %.2f %% of wall; "
                "%lld radios failed\n\n",
                verify ? "write and verify" : "write", rounds, bestOne.wallMs, bestFour.wallMs,
                bestFour.wallMs / bestOne.wallMs, 100.0 * bestFour.cpuMs / bestFour.wallMs,
                static_cast<long long>(dialog.tally().failed()));
  }
  sim.terminate();
  sim.waitForFinished(5000);
  return 0;
}
