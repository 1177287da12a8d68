// The radio's side of the tuning conversation: acknowledges its wake-up word,
// identifies itself, accepts the item select and the two frames, and keeps what
// each press of Start sent.  A strict radio: any byte out of place ends its
// part until the next wake-up word.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "sim/faults.h"
#include "sim/sim_conversation.h"

namespace qm314::sim {

// One tuning command as the radio received it.
struct DebugReceived {
  std::uint8_t opcode = 0;
  std::array<std::uint8_t, 8> frequencies{};
  std::array<std::uint8_t, 8> tonesAndValue{};
};

class DebugConversation final : public SimConversation {
 public:
  explicit DebugConversation(FaultPlan& faults) : faults_(faults) {}

  void start(SimReply& reply) override;
  void receive(std::uint8_t byte, SimReply& reply) override;
  bool inPayload() const override {
    return state_ == State::FrequencyFrame || state_ == State::ToneFrame;
  }

  // Every complete command, oldest first.
  const std::vector<DebugReceived>& received() const { return received_; }

 private:
  enum class State {
    Asleep, Woken, Requested, Identified, Confirmed, Opcode, OpcodeAgain, Trailer,
    FrequencyFrame, ToneFrame
  };

  // True when the planned fault strikes at `stage`: the radio then answers
  // nothing (or a wrong byte) and stops listening until its next wake-up word.
  bool strikes(DebugStage stage, SimReply& reply);
  // Answers `byte` at `stage` unless a fault strikes there; false when it did.
  bool answer(DebugStage stage, std::uint8_t byte, SimReply& reply);
  void unexpected(std::uint8_t byte, SimReply& reply);

  FaultPlan& faults_;
  State state_ = State::Asleep;
  DebugReceived current_;
  std::size_t frameBytes_ = 0;
  std::vector<DebugReceived> received_;
};

}  // namespace qm314::sim
