// A port's radios: wait for each, write it, read it back, record the outcome.
#include "link/batch_station.h"


#include "link/batch_messages.h"
#include "link/clone_frames.h"
#include "link/write_verify.h"

namespace qm314 {
namespace {

bool Whole(const std::vector<std::uint8_t>& identity) { return identity.size() == clone::kIdentityBytes; }

bool Completed(RadioOutcome outcome) { return outcome == RadioOutcome::Written || outcome == RadioOutcome::Verified; }

// The program's message, then what the radio holds now, as a single write says it.
std::string WithUnfinishedWrite(const std::string& message, int blocksWritten) {
  const std::string held = UnfinishedWriteReport(blocksWritten);
  if (message.empty()) return held;
  return message + (message.back() == '.' ? " " : ". ") + held;
}

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
  if (shown_.state == StationState::TakeOff) {
    report(StationState::Finished);
  } else if (shown_.state != StationState::Finished) {
    report(StationState::Stopped);
  }
  writer_.stationEnded();
}

void BatchWriter::Station::failToStart(const std::string& reason) {
  RadioRecord record;
  record.port = port_;
  record.outcome = RadioOutcome::Failed;
  record.message = batch_msg::ThreadNotStarted(reason);
  finish(record);
  writer_.stationEnded();
}

void BatchWriter::Station::runRounds() {
  for (int seen = 0; writer_.waitForRound(seen);) {
    writeRadio();
    writer_.finishRound();
  }
}

void BatchWriter::Station::runWaiting() {
  // The radio whose outcome the line shows, while it answers: it is still on.
  std::optional<Identity> onPort;
  // The last radio whose write completed: back after it was off, it is the
  // same radio and is not written twice.  A radio whose write failed may be
  // put on again for another try.
  std::optional<Identity> written;
  report(StationState::WaitingForRadio);
  // Wake-ups follow each other without a pause, so a radio that is off for
  // a second is missed by none of them.
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
    if (probe == ProbeOutcome::NoAnswer) {
      if (onPort) {
        onPort.reset();
        report(StationState::WaitingForNext);
      }
      continue;
    }
    // A radio with other identification bytes is another radio, however
    // quickly it was put on.
    const Identity identity = transfer_.identity();
    if (identity == onPort) continue;
    if (identity == written) {
      onPort = identity;
      report(StationState::SameRadio);
      continue;
    }
    const std::optional<RadioOutcome> outcome = writeRadio();
    if (!outcome || !writer_.job_.repeat) return;
    onPort = Whole(transfer_.identity()) ? transfer_.identity() : identity;
    written = Completed(*outcome) ? onPort : std::nullopt;
  }
}

std::optional<RadioOutcome> BatchWriter::Station::writeRadio() {
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
      if (transfer_.blocksWritten() == 0) return std::nullopt;
      record.outcome = RadioOutcome::Failed;
      record.message = WithUnfinishedWrite(batch_msg::kStopped, transfer_.blocksWritten());
      break;
    case TransferOutcome::OpenFailed:
      record.outcome = RadioOutcome::Failed;
      record.message = message_;
      record.details = details_;
      break;
    case TransferOutcome::Failed:
      record.outcome = RadioOutcome::Failed;
      record.message = WithUnfinishedWrite(message_, transfer_.blocksWritten());
      break;
  }
  if (Whole(record.identity)) {
    if (record.identity == lastIdentity_) {
      record.message = record.message.empty() ? batch_msg::kSameRadioAgain
                                              : std::string(batch_msg::kSameRadioAgain) + "; " + record.message;
    }
    lastIdentity_ = record.identity;
  }
  // A port that goes on by itself says what the operator must do next.
  const bool goesOn = writer_.job_.waitForRadio && writer_.job_.repeat && !writer_.stopping();
  finish(record, goesOn ? StationState::TakeOff : StationState::Finished);
  return record.outcome;
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

void BatchWriter::Station::finish(RadioRecord& record, StationState shown) {
  writer_.record(index_, record);
  shown_.outcome = record.outcome;
  shown_.message = record.message;
  report(shown);
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

}  // namespace qm314
