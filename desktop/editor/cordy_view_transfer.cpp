// The view's side of a transfer to or from the radio: the two commands, the
// progress dialog, and the worker thread the clone conversation runs on.
#include <QComboBox>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QUndoStack>
#include <optional>

#include "desktop/editor/cordy_view.h"
#include "desktop/editor/message_box.h"
#include "desktop/editor/msflexgrid.h"
#include "desktop/link/batch_write_dlg.h"
#include "link/messages.h"
#include "link/pacer.h"
#include "link/posix_serial_port.h"
#include "desktop/link/thread_handover.h"
#include "desktop/link/transfer_dlg.h"
#include "desktop/link/transfer_worker.h"
#include "link/write_verify.h"
#include "radio/cordy_doc.h"

namespace qm314 {
void CCordyView::CreateTransfer() {
  m_pTransferDlg = new CTransferDlg(this);
  connect(m_pTransferDlg, &CTransferDlg::RadioTransfer, this, &CCordyView::OnRadioTransfer);
  m_portOpener = OpenPortByName;
  m_pacer = std::make_shared<SleepPacer>();

  m_transferThread.setObjectName(QStringLiteral("transfer"));
  m_pTransferWorker = new TransferWorker(m_pTransferDlg->cancelFlag());
  m_pTransferWorker->moveToThread(&m_transferThread);
  connect(&m_transferThread, &QThread::finished, m_pTransferWorker, &QObject::deleteLater);
  connect(m_pTransferWorker, &TransferWorker::StatusChanged, m_pTransferDlg,
          &CTransferDlg::SetStatusText);
  connect(m_pTransferWorker, &TransferWorker::ProgressChanged, m_pTransferDlg,
          &CTransferDlg::SetProgressPos);
  connect(m_pTransferWorker, &TransferWorker::Finished, this, &CCordyView::OnTransferEnded);
  // The worker waits for the answer; the box is shown here, on the GUI thread.
  connect(
      m_pTransferWorker, &TransferWorker::MessageRequested, this,
      [this](const QString& text, const QString& details, MessageButtons buttons,
             MessageAnswer* answer) {
        ReceiveHandover(answer);
        if (m_bClosing) return;
        *answer = AskRadioQuestion(context_.boxes, m_pTransferDlg, text, buttons, details);
        SendHandover(answer);
      },
      Qt::BlockingQueuedConnection);
  // The same dialog carries the read-back; its title says what it does now
  // (the caption kept for the next opening stays the command's).
  connect(m_pTransferWorker, &TransferWorker::VerifyStarted, m_pTransferDlg,
          [this] { m_pTransferDlg->setWindowTitle(QString::fromUtf8(msg::kReadingCaption)); });
  m_transferThread.start();
}

CCordyView::~CCordyView() {
  // The frame waits for a transfer to end before it closes, so one still
  // running here is a shutdown from elsewhere: stop it and wait for its port.
  m_bClosing = true;
  // The undo history goes with the view; what it tells on its way out would
  // reach a view that is half gone.
  m_undoStack->blockSignals(true);
  if (m_pTransferDlg) m_pTransferDlg->OnCancel();
  m_transferThread.quit();
  // A question the worker is waiting on must still be delivered (and
  // answered, unseen) or the two threads would wait on each other.
  while (!m_transferThread.wait(QDeadlineTimer(10))) {
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
  }
}

void CCordyView::SetTransferLine(PortOpener opener, std::shared_ptr<Pacer> pacer) {
  m_pBatchDlg->SetLine(opener, pacer);
  m_portOpener = std::move(opener);
  m_pacer = std::move(pacer);
}

void CCordyView::OnReadFromRadio() { OpenTransferDialog(false, msg::kReadingCaption); }

void CCordyView::OnWriteToRadio() { OpenTransferDialog(true, msg::kWritingCaption); }

void CCordyView::OpenTransferDialog(bool writeToRadio, const char* caption) {
  // The commands are disabled while a transfer runs; the direction it runs
  // in was fixed at its Start.
  if (IsTransferRunning()) return;
  CommitCellEdit();
  m_bWriteToRadio = writeToRadio;
  m_pTransferDlg->SetCaption(QString::fromUtf8(caption));
  m_pTransferDlg->Create(m_Grid);
}

void CCordyView::OnRadioTransfer() {
  std::string error;
  std::optional<WakeUpWord> word = ConfiguredCloneWord({}, error);
  if (!word) {
    context_.boxes.Show(m_pTransferDlg, QString::fromStdString(error), BoxButtons::Ok,
                        BoxIcon::Error);
    m_pTransferDlg->DestroyWindow();
    return;
  }

  // An editor opened since the dialog was is done with before the form locks.
  CommitCellEdit();
  TransferJob job;
  job.direction = m_bWriteToRadio ? TransferDirection::Write : TransferDirection::Read;
  // A write sends what the form shows now, encoded before the port is opened.
  if (m_bWriteToRadio) EncodeImage();
  job.image = context_.document.image();
  job.portName = m_strPortName.toStdString();
  job.opener = m_portOpener;
  job.pacer = m_pacer;
  job.word = std::move(*word);
  job.verify = m_bWriteToRadio && m_bVerifyAfterWrite;

  SetTransferRunning(true);
  TransferWorker* worker = m_pTransferWorker;
  PostHandover(worker, [&] {
    QMetaObject::invokeMethod(
        worker,
        [worker, job = std::move(job)]() mutable {
          ReceiveHandover(worker);
          worker->Run(std::move(job));
        },
        Qt::QueuedConnection);
  });
}

void CCordyView::OnTransferEnded(const TransferResult& result) {
  ReceiveHandover(m_pTransferWorker);
  if (m_bClosing) return;
  m_pTransferDlg->DestroyWindow();
  // Only a read that brought every block replaces what the form shows.
  if (result.direction == TransferDirection::Read && result.outcome == TransferOutcome::Completed) {
    context_.document.OnRadioImage(result.image);
    DecodeImage();
  }
  // The outcome of a write is told before the commands come back, so a
  // close waiting for the transfer's end comes after the box.
  if (result.direction == TransferDirection::Write && result.outcome != TransferOutcome::Completed) {
    context_.boxes.Show(this, QString::fromStdString(UnfinishedWriteReport(result.blocksWritten)),
                        BoxButtons::Ok, BoxIcon::Warning);
  }
  ReportVerify(result);
  SetTransferRunning(false);
}

void CCordyView::ReportVerify(const TransferResult& result) {
  if (result.verify == VerifyOutcome::NotRun) return;
  if (result.verify == VerifyOutcome::ReadFailed) {
    context_.boxes.Show(this, QString::fromUtf8(kVerifyReadFailed), BoxButtons::Ok, BoxIcon::Warning);
    return;
  }
  // The first line says the outcome; the blocks that differ go to the details.
  const QString report = QString::fromStdString(VerifyReport(result.mismatches));
  const qsizetype lineEnd = report.indexOf(QLatin1Char('\n'));
  context_.boxes.Show(this, report.left(lineEnd), BoxButtons::Ok,
                      result.mismatches.empty() ? BoxIcon::Information : BoxIcon::Error,
                      lineEnd < 0 ? QString() : report.mid(lineEnd + 1));
}

void CCordyView::CancelTransfer() {
  if (m_bTransferRunning) m_pTransferDlg->OnCancel();
  if (IsBatchRunning()) m_pBatchDlg->OnStop();
}

bool CCordyView::IsTransferRunning() const { return m_bTransferRunning || IsBatchRunning(); }

void CCordyView::SetTransferRunning(bool running) {
  m_bTransferRunning = running;
  // A completed read replaces the document, so an edit made meanwhile would
  // be thrown away; a write has already sent what the form showed at Start.
  // Disabling moves the window's focus on, so it is given back at the end.
  if (running) m_pFocusBeforeLock = window()->focusWidget();
  m_Grid->setEnabled(!running);
  for (QComboBox* box : {m_cbTot, m_cbWarning, m_cbSquelch, m_cbMoni, m_cbScanSwitch}) box->setEnabled(!running);
  if (!running && m_pFocusBeforeLock) m_pFocusBeforeLock->setFocus();
  m_pBatchDlg->SetOtherTransferRunning(running);
  emit TransferRunningChanged(IsTransferRunning());
}

}  // namespace qm314
