// The clone conversation, step by step as the radio expects it.
#include "link/clone_transfer.h"

#include <algorithm>
#include <utility>

#include "link/clone_frames.h"
#include "link/connection.h"
#include "link/messages.h"
#include "link/port_diagnosis.h"

namespace qm314 {

using namespace clone;

CloneTransfer::CloneTransfer(PortOpener opener, Pacer& pacer, TransferObserver& observer,
                             WakeUpWord word)
    : opener_(std::move(opener)), pacer_(pacer), observer_(observer), word_(std::move(word)) {}

OpenedPort CloneTransfer::open(const std::string& portName) {
  blocksWritten_ = 0;
  OpenedPort opened = OpenConnection(opener_, portName, kCloneTimeouts);
  openDevice_ = opened.device;
  identity_.clear();
  if (!opened.port) {
    openError_ = opened.error;
    observer_.showOpenFailure(msg::kCouldNotOpenPort,
                              DiagnosePortOpen(portName, opened.device, opened.error));
    return opened;
  }
  openError_ = 0;
  port_ = opened.port.get();
  // A Cancel must not wait for the end of a silent radio's time-out.
  port_->setCancelTest([this] { return observer_.cancelRequested(); });
  progress_ = 0;
  receive_.fill(0);
  return opened;
}

ProbeOutcome CloneTransfer::probe(const std::string& portName) {
  OpenedPort opened = open(portName);
  if (!opened.port) return ProbeOutcome::OpenFailed;
  const Step step = handshake(1);
  opened.port->close();
  port_ = nullptr;
  if (step == Step::Cancelled) return ProbeOutcome::Cancelled;
  // A radio that told who it is is on the port, even if it stumbled after:
  // the conversation proper will say what went wrong.  One that fell silent
  // before that was taken off while it was being woken.
  return woke_ && identity_.size() == kIdentityBytes ? ProbeOutcome::RadioAnswered : ProbeOutcome::NoAnswer;
}

TransferOutcome CloneTransfer::run(TransferDirection direction, const std::string& portName,
                                   RadioImage& image) {
  OpenedPort opened = open(portName);
  if (!opened.port) return TransferOutcome::OpenFailed;

  // A read lands in a scratch image: a read that fails half-way leaves the
  // caller's image as it was.
  RadioImage scratch = image;
  const Ending ending = converse(direction, direction == TransferDirection::Read ? scratch : image);
  opened.port->close();
  port_ = nullptr;
  if (ending.fillProgress) observer_.setProgress(kProgressFull);
  if (ending.outcome == TransferOutcome::Completed && direction == TransferDirection::Read) {
    image = scratch;
  }
  return ending.outcome;
}

CloneTransfer::Ending CloneTransfer::converse(TransferDirection direction, RadioImage& image) {
  observer_.setStatus(msg::kDetectingPort);
  for (;;) {
    const Step step = handshake(kWakeUpAttempts);
    if (step == Step::Cancelled) return {TransferOutcome::Cancelled, false};
    if (step == Step::Next) break;
    if (observer_.showMessage(msg::kCommunicationError, MessageButtons::RetryCancel) !=
        MessageAnswer::Retry) {
      return {TransferOutcome::Failed, false};
    }
  }
  return direction == TransferDirection::Write ? writeBlocks(image) : readBlocks(image);
}

CloneTransfer::Step CloneTransfer::handshake(int attempts) {
  woke_ = false;
  for (int attempt = 1; attempt <= attempts && !woke_; ++attempt) {
    if (wakeUpAttempt() == Step::Cancelled) return Step::Cancelled;
  }
  if (!woke_) return Step::CommunicationError;

  // Whatever the radio says right after waking is of no interest.
  std::size_t got = 0;
  pacer_.pause(1);
  port_->purge(kPurgeClear);
  port_->read(receive_.data(), 1, got);
  if (got == 0 && observer_.cancelRequested()) return Step::Cancelled;

  port_->purge(kPurgeClear);
  send(&kIdentifyRequest, 1);
  port_->read(receive_.data(), kIdentityBytes, got);
  identity_.assign(receive_.begin(), receive_.begin() + static_cast<std::ptrdiff_t>(got));
  if (!pacedWait(16)) return Step::Cancelled;
  return confirm();
}

CloneTransfer::Step CloneTransfer::wakeUpAttempt() {
  port_->purge(kPurgeClear);
  observer_.setStatus(msg::kWaitingResponse);
  if (!pacedWait(12)) return Step::Cancelled;
  port_->purge(kPurgeAll);
  // The radio wants each byte of its access code as a write of its own.
  for (std::uint8_t byte : word_) {
    port_->purge(kPurgeClear);
    port_->write(&byte, 1);
  }
  woke_ = wakeUpAcknowledged();
  if (!woke_ && observer_.cancelRequested()) return Step::Cancelled;
  if (!woke_) pacer_.pause(2);
  return Step::Next;
}

bool CloneTransfer::wakeUpAcknowledged() {
  std::size_t got = 0;
  if (!port_->read(receive_.data(), 1, got)) return false;
  if (got == 1 && receive_[0] == kAck) return true;
  // One stray byte ahead of the acknowledgement is forgiven.
  return receivedAck();
}

CloneTransfer::Step CloneTransfer::confirm() {
  for (int repeat = 0;; ++repeat) {
    port_->purge(kPurgeClear);
    if (port_->write(&kAck, 1)) break;
    if (observer_.cancelRequested()) return Step::Cancelled;
    observer_.showMessage(msg::kSendOrderError, MessageButtons::Ok);
    // A port that cannot take one byte will not take it on the fourth try either.
    if (repeat == kConfirmSendRepeats) return Step::CommunicationError;
  }
  std::size_t got = 0;
  if (!port_->read(receive_.data(), 1, got)) return Step::CommunicationError;
  if (got == 1 && receive_[0] == kAck) {
    pacer_.pause(1);
    return Step::Next;
  }
  if (!pacedWait(601)) return Step::Cancelled;
  return Step::CommunicationError;
}

CloneTransfer::Ending CloneTransfer::writeBlocks(const RadioImage& image) {
  for (int block = 0; block < kWriteBlocks; ++block) {
    const unsigned address = BlockAddress(block);
    sendRequest(kWriteRequest, address);
    pacer_.pause(1);
    port_->purge(kPurgeClear);
    send(image.data() + address, kFrameBytes);
    if (!receivedAck()) {
      // The port ended its wait for the acknowledgement because of the cancel.
      if (observer_.cancelRequested()) return {TransferOutcome::Cancelled, false};
      observer_.showMessage(msg::kErrorHappened, MessageButtons::Ok);
      return {TransferOutcome::Failed, true};
    }
    ++blocksWritten_;
    progressStep(kWriteProgressLimit);
    // Once the radio holds the last block the write is done, whatever Cancel says.
    const bool done = blocksWritten_ == kWriteBlocks;
    for (int step = 0; step < 201; ++step) {
      if (!done && observer_.cancelRequested()) return {TransferOutcome::Cancelled, false};
      observer_.pumpStep();
    }
    pacer_.pause(2);
  }
  return {TransferOutcome::Completed, true};
}

CloneTransfer::Ending CloneTransfer::readBlocks(RadioImage& image) {
  for (int block = 0; block < kReadBlocks; ++block) {
    const unsigned address = BlockAddress(block);
    sendRequest(kReadRequest, address);
    std::size_t got = 0;
    // Only a whole answer counts: with fewer bytes the buffer's tail would still
    // hold the previous block's data.
    if (!port_->read(receive_.data(), kReadAnswerBytes, got) || got < kReadAnswerBytes) {
      if (observer_.cancelRequested()) return {TransferOutcome::Cancelled, false};
      observer_.showMessage(msg::kNotEnoughBytes, MessageButtons::Ok);
      return {TransferOutcome::Failed, false};
    }
    port_->purge(kPurgeClear);
    std::copy_n(receive_.begin() + kAnswerHeaderBytes, kFrameBytes, image.data() + address);
    progressStep(kReadProgressLimit);
    pacer_.pause(15);
    port_->purge(kPurgeClear);
    send(&kAck, 1);
    if (!receivedAck()) {
      if (observer_.cancelRequested()) return {TransferOutcome::Cancelled, false};
      observer_.showMessage(msg::kErrorHappened, MessageButtons::Ok);
      return {TransferOutcome::Failed, false};
    }
    for (int step = 0; step < 199; ++step) {
      observer_.pumpStep();
      if (observer_.cancelRequested()) return {TransferOutcome::Cancelled, false};
    }
    pacer_.pause(20);
  }
  return {TransferOutcome::Completed, true};
}

bool CloneTransfer::pacedWait(int steps) {
  for (int step = 0; step < steps; ++step) {
    observer_.pumpStep();
    if (observer_.cancelRequested()) return false;
    pacer_.pause(1);
  }
  return true;
}

bool CloneTransfer::receivedAck() {
  // Only a byte that arrived in this read counts, never one left in the buffer.
  std::size_t got = 0;
  return port_->read(receive_.data(), 1, got) && got == 1 && receive_[0] == kAck;
}

void CloneTransfer::progressStep(int limit) {
  if (progress_ > limit) return;
  ++progress_;
  observer_.setProgress(progress_);
  observer_.setStatus(std::to_string(progress_));
}

void CloneTransfer::sendRequest(std::uint8_t command, unsigned address) {
  const std::uint8_t request[kRequestBytes] = {command, static_cast<std::uint8_t>(address >> 8),
                                               static_cast<std::uint8_t>(address & 0xFF),
                                               static_cast<std::uint8_t>(kFrameBytes)};
  port_->purge(kPurgeClear);
  send(request, kRequestBytes);
}

void CloneTransfer::send(const std::uint8_t* bytes, std::size_t n) {
  // The protocol learns of a failed send only through the answer that does not come.
  port_->write(bytes, n);
}

}  // namespace qm314
