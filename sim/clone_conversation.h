// The radio's side of the clone conversation: identification, confirmation, then
// block reads and writes on its memory.  Writes beyond offset 0x3D7 are refused:
// that part of the memory is the radio's own.
#pragma once

#include <array>
#include <cstdint>

#include "radio/image.h"
#include "sim/faults.h"
#include "sim/sim_conversation.h"

namespace qm314::sim {

class CloneConversation final : public SimConversation {
 public:
  // `serial` ends the identification, so radios served side by side tell
  // themselves apart.
  CloneConversation(RadioImage& memory, FaultPlan& faults, std::uint8_t serial = 0)
      : memory_(memory), faults_(faults), serial_(serial) {}

  void start(SimReply& reply) override;
  void receive(std::uint8_t byte, SimReply& reply) override;
  bool inPayload() const override { return state_ == State::Request || state_ == State::WriteData; }

 private:
  enum class State { Asleep, Woken, Identified, Ready, Request, WriteData };

  void request(SimReply& reply);
  void storeBlock(SimReply& reply);
  void acknowledge(int block, SimReply& reply);

  RadioImage& memory_;
  FaultPlan& faults_;
  std::uint8_t serial_;
  State state_ = State::Asleep;
  std::array<std::uint8_t, 4> request_{};
  std::size_t requestBytes_ = 0;
  std::array<std::uint8_t, 8> data_{};
  std::size_t dataBytes_ = 0;
  unsigned writeAddress_ = 0;
  bool writeAllowed_ = false;
  int readAckBlock_ = -1;  // block whose answer awaits the PC's acknowledgement
};

}  // namespace qm314::sim
