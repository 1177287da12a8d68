// TransferWorker: runs clone transfers on the thread it has been moved to and
// reaches the GUI thread only through its signals.  Questions to the user go
// out by a signal the GUI connects blocking, so the transfer waits for the
// answer while the window stays live.
#pragma once

#include <QObject>
#include <QString>
#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "link/clone_transfer.h"
#include "link/pacer.h"
#include "link/serial_port.h"
#include "link/transfer_observer.h"
#include "link/wakeup_word.h"
#include "link/write_verify.h"
#include "radio/image.h"

namespace qm314 {

// Everything one transfer needs, fixed when Start is pressed.
struct TransferJob {
  TransferDirection direction = TransferDirection::Read;
  std::string portName;
  RadioImage image;  // what a write sends; what a failed read leaves
  PortOpener opener;
  std::shared_ptr<Pacer> pacer;
  WakeUpWord word;
  // After a completed write, read the radio back and compare.
  bool verify = false;
};

// How the read-back after a write went.
enum class VerifyOutcome {
  NotRun,      // not asked for, or the write did not complete
  ReadFailed,  // the read-back did not bring every block
  Compared,    // see `mismatches`
};

struct TransferResult {
  TransferDirection direction = TransferDirection::Read;
  TransferOutcome outcome = TransferOutcome::Failed;
  RadioImage image;  // the radio's memory after a completed read
  int blocksWritten = 0;  // of a write: the blocks the radio took
  VerifyOutcome verify = VerifyOutcome::NotRun;
  std::vector<BlockMismatch> mismatches;  // written blocks the radio does not hold
};

class TransferWorker : public QObject, private TransferObserver {
  Q_OBJECT
 public:
  // `cancel` is written by the GUI thread and outlives the worker.
  explicit TransferWorker(const std::atomic<bool>& cancel) : cancel_(cancel) {}

  // Runs on the worker's thread; ends with finished().
  void Run(TransferJob job);

 signals:
  void StatusChanged(const QString& text);
  void ProgressChanged(int position);
  // The write is done and the radio is being read back for the comparison.
  void VerifyStarted();
  // Connected with Qt::BlockingQueuedConnection: `answer` is filled in before
  // the emit returns.  `details` is empty but for a port that did not open.
  void MessageRequested(const QString& text, const QString& details, qm314::MessageButtons buttons,
                        qm314::MessageAnswer* answer);
  void Finished(const qm314::TransferResult& result);

 private:
  void setStatus(const std::string& text) override;
  void setProgress(int position) override;
  bool cancelRequested() override { return cancel_.load(); }
  MessageAnswer showMessage(const std::string& text, MessageButtons buttons) override;
  void showOpenFailure(const std::string& text, const std::string& details) override;
  MessageAnswer ask(const std::string& text, const std::string& details, MessageButtons buttons);

  const std::atomic<bool>& cancel_;
};

}  // namespace qm314
