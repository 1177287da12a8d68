// The simulated radio's clone conversation.
#include "sim/clone_conversation.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "link/clone_frames.h"

namespace qm314::sim {
namespace {

using namespace clone;

constexpr std::uint8_t kNak = 0x15;
// What this radio says when asked who it is, its serial number last; the
// program does not examine it.
constexpr std::array<std::uint8_t, kIdentityBytes - 1> kIdentity{'Q', 'M', '3', '1', '4', 'S', 0x01};

std::string Event(const char* what, unsigned address) {
  char text[48];
  std::snprintf(text, sizeof text, "%s 0x%03X", what, address);
  return text;
}

// A block fault strikes once and is then spent.
bool Strikes(std::optional<int>& fault, int block) {
  if (!fault || *fault != block) return false;
  fault.reset();
  return true;
}

}  // namespace

void CloneConversation::start(SimReply& reply) {
  state_ = State::Woken;
  readAckBlock_ = -1;
  reply.events.push_back("wake-up clone");
  reply.bytes.insert(reply.bytes.end(), static_cast<std::size_t>(faults_.noise), kNoiseByte);
  reply.bytes.push_back(kAck);
}

void CloneConversation::receive(std::uint8_t byte, SimReply& reply) {
  switch (state_) {
    case State::Asleep:
      return;
    case State::Woken:
    case State::Identified:
      if (byte == kIdentifyRequest) {
        reply.events.push_back("identify");
        reply.bytes.insert(reply.bytes.end(), kIdentity.begin(), kIdentity.end());
        reply.bytes.push_back(serial_);
        state_ = State::Identified;
      } else if (byte == kAck && state_ == State::Identified) {
        reply.events.push_back("confirm");
        reply.bytes.push_back(faults_.wrongConfirm ? kNak : kAck);
        if (!faults_.wrongConfirm) state_ = State::Ready;
      }
      return;
    case State::Ready:
      if (byte == kReadRequest || byte == kWriteRequest) {
        request_[0] = byte;
        requestBytes_ = 1;
        state_ = State::Request;
      } else if (byte == kAck && readAckBlock_ >= 0) {
        acknowledge(std::exchange(readAckBlock_, -1), reply);
      }
      return;
    case State::Request:
      request_[requestBytes_++] = byte;
      if (requestBytes_ == request_.size()) request(reply);
      return;
    case State::WriteData:
      data_[dataBytes_++] = byte;
      if (dataBytes_ == data_.size()) storeBlock(reply);
      return;
  }
}

void CloneConversation::request(SimReply& reply) {
  state_ = State::Ready;
  readAckBlock_ = -1;
  const unsigned address = static_cast<unsigned>(request_[1]) << 8 | request_[2];
  const int block = static_cast<int>(address / kFrameBytes);
  const bool framed = request_[3] == kFrameBytes && address % kFrameBytes == 0;
  if (Strikes(faults_.unplugBlock, block)) {
    reply.events.push_back(Event("unplug at", address));
    reply.unplug = true;
    return;
  }
  if (request_[0] == kWriteRequest) {
    state_ = State::WriteData;
    dataBytes_ = 0;
    writeAddress_ = address;
    writeAllowed_ = framed && address + kFrameBytes <= layout::kWriteLimit;
    return;
  }
  if (!framed || address + kFrameBytes > layout::kImageSize) {
    reply.events.push_back(Event("refused read", address));
    return;
  }
  reply.events.push_back(Event("read", address));
  std::vector<std::uint8_t> answer(request_.begin(), request_.end());
  answer.insert(answer.end(), memory_.data() + address, memory_.data() + address + kFrameBytes);
  if (faults_.shortAnswer && faults_.shortAnswer->block == block) {
    answer.resize(faults_.shortAnswer->bytes);
    faults_.shortAnswer.reset();
  }
  reply.bytes.insert(reply.bytes.end(), answer.begin(), answer.end());
  if (Strikes(faults_.strayBlock, block)) {
    // Comes with the answer, so it waits in the program's input before its next
    // purge; a program that does not purge takes it for the acknowledgement and
    // reads the next block one byte off.
    reply.events.push_back(Event("stray byte after read", address));
    reply.bytes.push_back(kAck);
  }
  readAckBlock_ = block;
}

void CloneConversation::storeBlock(SimReply& reply) {
  state_ = State::Ready;
  if (!writeAllowed_) {
    reply.events.push_back(Event("refused write", writeAddress_));
    return;
  }
  std::copy(data_.begin(), data_.end(), memory_.data() + writeAddress_);
  reply.events.push_back(Event("write", writeAddress_));
  if (Strikes(faults_.corruptBlock, static_cast<int>(writeAddress_ / kFrameBytes))) {
    // A bad memory cell: the radio takes the block, says so, and keeps something else.
    for (std::size_t i = 0; i < kFrameBytes; ++i) memory_.at(writeAddress_ + i) ^= 0xFF;
    reply.events.push_back(Event("corrupted write at", writeAddress_));
  }
  if (writeAddress_ == BlockAddress(kWriteBlocks - 1)) reply.memoryWritten = true;
  acknowledge(static_cast<int>(writeAddress_ / kFrameBytes), reply);
}

void CloneConversation::acknowledge(int block, SimReply& reply) {
  if (Strikes(faults_.noAckBlock, block)) {
    reply.events.push_back(Event("no acknowledgement at", BlockAddress(block)));
    return;
  }
  reply.bytes.push_back(kAck);
}

}  // namespace qm314::sim
