// A port's radios: wait for each, write it, read it back, record the outcome.
#include "link/batch_station.h"

#include <algorithm>

#include "link/batch_messages.h"
#include "link/clone_frames.h"
#include "link/write_verify.h"

namespace qm314 {
namespace {

// Between two wake-up attempts while the radio just done is still on the port.
constexpr unsigned kProbeIntervalMs = 500;
// How often a pause looks whether the batch was stopped.
constexpr unsigned kPauseStepMs = 50;

}  // namespace

BatchWriter::Station::Station(BatchWriter& writer, int index, std::string port)
    : writer_(writer),
      index_(index),
      port_(std::move(port)),
      transfer_(writer.job_.opener, *writer.job_.pacer, *this, writer.job_.word) {
  shown_.station = index;
}

void BatchWriter::Station::run() {
  if (writer_.job_.waitForRadio) {
    runWaiting();
  } else {
    runRounds();
  }
  // A line in the middle of something says it was stopped; an outcome stays.
  if (shown_.state != StationState::Finished) report(StationState::Stopped);
  writer_.stationEnded();
}

void BatchWriter::Station::runRounds() {
  for (int seen = 0; writer_.waitForRound(seen);) {
    writeRadio();
    writer_.finishRound();
  }
}

void BatchWriter::Station::runWaiting() {
  // The radio just done is still on the port until a wake-up goes unanswered.
  bool radioOn = false;
  report(StationState::WaitingForRadio);
  while (!writer_.stopping()) {
    message_.clear();
    details_.clear();
    const ProbeOutcome probe = transfer_.probe(port_);
    if (probe == ProbeOutcome::Cancelled) return;
    if (probe == ProbeOutcome::OpenFailed) {
      // A port that does not open cannot wait for a radio.
      recordOpenFailure();
      return;
    }
    if (radioOn) {
      if (probe == ProbeOutcome::NoAnswer) {
        radioOn = false;
        report(StationState::WaitingForRadio);
      } else if (!pause(kProbeIntervalMs)) {
        return;
      }
      continue;
    }
    // A wake-up without an answer took over a second itself: try again at once.
    if (probe == ProbeOutcome::NoAnswer) continue;
    writeRadio();
    if (!writer_.job_.repeat) return;
    radioOn = true;
  }
}

void BatchWriter::Station::writeRadio() {
  message_.clear();
  details_.clear();
  progress_ = 0;
  report(StationState::Writing);
  RadioImage image = writer_.job_.image;
  const TransferOutcome outcome = transfer_.run(TransferDirection::Write, port_, image);

  RadioRecord record;
  record.port = port_;
  record.device = transfer_.openDevice();
  record.identity = transfer_.identity();
  switch (outcome) {
    case TransferOutcome::Completed:
      if (writer_.job_.verify) {
        verify(record);
      } else {
        record.outcome = RadioOutcome::Written;
      }
      break;
    case TransferOutcome::Cancelled:
      // Nothing reached a radio that was stopped before its first block.
      if (transfer_.blocksWritten() == 0) return;
      record.outcome = RadioOutcome::Failed;
      record.message = batch_msg::StoppedAfterBlocks(transfer_.blocksWritten());
      break;
    case TransferOutcome::OpenFailed:
    case TransferOutcome::Failed:
      record.outcome = RadioOutcome::Failed;
      record.message = message_;
      record.details = details_;
      break;
  }
  finish(record);
}

void BatchWriter::Station::verify(RadioRecord& record) {
  message_.clear();
  progress_ = 0;
  report(StationState::Verifying);
  RadioImage readBack;
  const TransferOutcome outcome = transfer_.run(TransferDirection::Read, port_, readBack);
  if (outcome == TransferOutcome::Completed) {
    const std::vector<BlockMismatch> mismatches = CompareWrittenBlocks(writer_.job_.image, readBack);
    record.outcome = mismatches.empty() ? RadioOutcome::Verified : RadioOutcome::VerifyFailed;
    if (!mismatches.empty()) record.message = VerifyReport(mismatches);
  } else if (outcome == TransferOutcome::Cancelled) {
    record.outcome = RadioOutcome::Written;
    record.message = batch_msg::kStoppedBeforeVerify;
  } else {
    record.outcome = RadioOutcome::VerifyFailed;
    record.message = message_.empty() ? kVerifyReadFailed : message_ + " " + kVerifyReadFailed;
    record.details = details_;
  }
}

void BatchWriter::Station::recordOpenFailure() {
  RadioRecord record;
  record.port = port_;
  record.device = transfer_.openDevice();
  record.outcome = RadioOutcome::Failed;
  record.message = message_;
  record.details = details_;
  finish(record);
}

void BatchWriter::Station::finish(RadioRecord& record) {
  writer_.record(index_, record);
  shown_.outcome = record.outcome;
  shown_.message = record.message;
  report(StationState::Finished);
}

void BatchWriter::Station::report(StationState state) {
  shown_.state = state;
  shown_.blocks = state == StationState::Writing || state == StationState::Verifying ? progress_ : 0;
  writer_.observer_.stationChanged(shown_);
}

void BatchWriter::Station::setProgress(int position) {
  // The full bar that ends a transfer is not a block; the outcome follows.
  if (position >= clone::kProgressFull) return;
  progress_ = position;
  report(shown_.state);
}

MessageAnswer BatchWriter::Station::showMessage(const std::string& text, MessageButtons buttons) {
  message_ = text;
  return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
}

void BatchWriter::Station::showOpenFailure(const std::string& text, const std::string& details) {
  message_ = text;
  details_ = details;
}

bool BatchWriter::Station::pause(unsigned milliseconds) {
  for (unsigned waited = 0; waited < milliseconds; waited += kPauseStepMs) {
    if (writer_.stopping()) return false;
    writer_.job_.pacer->pause(std::min(kPauseStepMs, milliseconds - waited));
  }
  return !writer_.stopping();
}

}  // namespace qm314
