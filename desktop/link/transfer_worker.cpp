// One clone transfer on the worker's thread, reported by signals.
#include "desktop/link/transfer_worker.h"

#include <utility>

#include "desktop/link/thread_handover.h"

namespace qm314 {

void TransferWorker::Run(TransferJob job) {
  CloneTransfer transfer(std::move(job.opener), *job.pacer, *this, std::move(job.word));
  TransferResult result;
  result.direction = job.direction;
  result.outcome = transfer.run(job.direction, job.portName, job.image);
  result.image = job.image;
  result.blocksWritten = transfer.blocksWritten();
  if (job.verify && job.direction == TransferDirection::Write &&
      result.outcome == TransferOutcome::Completed) {
    emit VerifyStarted();
    RadioImage readBack;
    if (transfer.run(TransferDirection::Read, job.portName, readBack) == TransferOutcome::Completed) {
      result.verify = VerifyOutcome::Compared;
      result.mismatches = CompareWrittenBlocks(job.image, readBack);
    } else {
      result.verify = VerifyOutcome::ReadFailed;
    }
  }
  PostHandover(this, [&] { emit Finished(result); });
}

void TransferWorker::setStatus(const std::string& text) {
  emit StatusChanged(QString::fromStdString(text));
}

void TransferWorker::setProgress(int position) { emit ProgressChanged(position); }

MessageAnswer TransferWorker::showMessage(const std::string& text, MessageButtons buttons) {
  return ask(text, {}, buttons);
}

void TransferWorker::showOpenFailure(const std::string& text, const std::string& details) {
  ask(text, details, MessageButtons::Ok);
}

MessageAnswer TransferWorker::ask(const std::string& text, const std::string& details,
                                  MessageButtons buttons) {
  // With nobody connected the question would go unanswered: take the answer
  // that ends the transfer.
  MessageAnswer answer = buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
  PostHandover(&answer, [&] {
    emit MessageRequested(QString::fromStdString(text), QString::fromStdString(details), buttons,
                          &answer);
  });
  ReceiveHandover(&answer);
  return answer;
}

}  // namespace qm314
