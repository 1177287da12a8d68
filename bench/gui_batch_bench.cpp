// Four radios at once in the desktop program (offscreen, the real dialog and
// its ports' threads) against one radio written by Write To Radio, with and
// without verify, on four simulated radios, with the program's processor time
// over all its threads.  Run: build/bench/bench_gui_batch [ROUNDS]
#include <sys/resource.h>

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QSettings>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <functional>

#include "desktop/app/cordy_app.h"
#include "desktop/app/file_prompts.h"
#include "desktop/editor/cordy_view.h"
#include "desktop/editor/message_box.h"
#include "desktop/link/batch_write_dlg.h"
#include "desktop/link/transfer_dlg.h"
#include "batch_rounds.h"

namespace {

using qm314::CCordyView;
using qm314::bench::Run;

double ProcessCpuMs() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return qm314::bench::CpuMs(usage);
}

// Runs `start` and the event loop until `done` fires; the processor time is
// the whole program's, every thread.
template <typename Signal, typename Sender>
Run MeasureUntil(Sender* sender, Signal done, const std::function<void()>& start) {
  QEventLoop loop;
  QObject::connect(sender, done, &loop, [&loop] { loop.quit(); });
  const double cpu = ProcessCpuMs();
  QElapsedTimer clock;
  clock.start();
  start();
  loop.exec();
  return {0, static_cast<double>(clock.nsecsElapsed()) / 1e6, ProcessCpuMs() - cpu};
}

}  // namespace

int main(int argc, char** argv) {
  using namespace qm314::bench;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  const int rounds = RoundsArgument(argc, argv);
  SimProcess sim({}, kBatchRadios);
  for (int i = 0; i < kBatchRadios; ++i) {
    qputenv(QStringLiteral("QM314_COM%1").arg(i + 1).toUtf8().constData(),
            QByteArray::fromStdString(sim.devices()[static_cast<std::size_t>(i)]));
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
  for (int i = 0; i < kBatchRadios; ++i) ports->topLevelItem(i)->setCheckState(0, Qt::Checked);
  auto* verifyBox = dialog.findChild<QAbstractButton*>(QStringLiteral("IDC_VERIFY"));

  bool met = true;
  for (const bool verify : {false, true}) {
    view.SetVerifyAfterWrite(verify);
    verifyBox->setChecked(verify);
    // One radio by Write To Radio; four by the dialog, from Start to the end
    // of the round, then stopped for the next round's Start.
    const auto one = [&view] {
      view.OnWriteToRadio();
      return MeasureUntil(&view, &CCordyView::TransferRunningChanged, [&view] { view.transferDialog()->OnOK(); });
    };
    const auto four = [&dialog] {
      Run round = MeasureUntil(&dialog, &qm314::CBatchWriteDlg::RoundEnded, [&dialog] { dialog.OnStart(); });
      round.status = dialog.tally().failed();
      MeasureUntil(&dialog, &qm314::CBatchWriteDlg::RunningChanged, [&dialog] { dialog.OnStop(); });
      return round;
    };
    met = CompareBatchRounds(verify ? "write and verify" : "write", rounds, one, four) && met;
  }
  return met ? 0 : 1;
}
