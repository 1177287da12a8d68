// The simulated radio's tuning conversation.
#include "sim/debug_conversation.h"

#include <string>

#include "debugmode/debug_frames.h"
#include "radio/text_numbers.h"

namespace qm314::sim {
namespace {

constexpr double kDebugWakeSettleMs = 20.0;
// Between stray bytes and the acknowledgement on a noisy line: the program
// takes one byte, purges its input and listens for 100 ms again.
constexpr double kDebugNoiseSpacingMs = 50.0;

// What the radio calls itself when asked.
constexpr std::array<std::uint8_t, kDebugIdentLength> kIdentification{'Q', 'M', '3', '1',
                                                                      '4', ' ', 0x01, 0x00};
// The byte a faulty radio answers instead of the right one.
constexpr std::uint8_t kWrongByte = 0x15;

bool IsOpcode(std::uint8_t byte) {
  for (DebugItem item : kDebugItems) {
    if (debugItemOpcode(item) == byte) return true;
  }
  return false;
}

}  // namespace

bool DebugConversation::strikes(DebugStage stage, SimReply& reply) {
  if (!faults_.debugFault || faults_.debugFault->stage != stage) return false;
  const bool wrong = faults_.debugFault->wrongByte;
  faults_.debugFault.reset();  // strikes once, so a Retry gets through
  reply.events.push_back(std::string("debug fault: ") + (wrong ? "wrong answer" : "silent") +
                         " at " + DebugStageName(stage));
  if (wrong) reply.bytes.push_back(kWrongByte);
  state_ = State::Asleep;
  return true;
}

bool DebugConversation::answer(DebugStage stage, std::uint8_t byte, SimReply& reply) {
  if (strikes(stage, reply)) return false;
  reply.bytes.push_back(byte);
  return true;
}

void DebugConversation::unexpected(std::uint8_t byte, SimReply& reply) {
  reply.events.push_back("debug: unexpected byte " + HexBytes(&byte, 1) + ", conversation ended");
  state_ = State::Asleep;
}

void DebugConversation::start(SimReply& reply) {
  reply.events.push_back("debug wake-up");
  current_ = {};
  state_ = State::Asleep;
  // The program purges its input a millisecond after the word and only then
  // listens for 100 ms; a radio switching into its debug mode answers well
  // inside that window, and never before the purge.
  reply.settleMs = kDebugWakeSettleMs;
  if (strikes(DebugStage::Wake, reply)) return;
  // On a noisy line the stray bytes come first, one at a time; the program
  // takes one stray byte before the acknowledgement, not two.
  std::vector<std::uint8_t> answer(static_cast<std::size_t>(faults_.noise), kNoiseByte);
  answer.push_back(kDebugAck);
  reply.bytes.push_back(answer.front());
  reply.spaced.assign(answer.begin() + 1, answer.end());
  reply.spacingMs = kDebugNoiseSpacingMs;
  state_ = State::Woken;
}

void DebugConversation::receive(std::uint8_t byte, SimReply& reply) {
  switch (state_) {
    case State::Asleep:
      return;
    case State::Woken:
      if (byte != kDebugRequest) return unexpected(byte, reply);
      state_ = State::Requested;
      return;
    case State::Requested:
      if (byte != kDebugIdentRequest) return unexpected(byte, reply);
      if (strikes(DebugStage::Identification, reply)) return;
      reply.bytes.insert(reply.bytes.end(), kIdentification.begin(), kIdentification.end());
      state_ = State::Identified;
      return;
    case State::Identified:
      if (byte != kDebugAck) return unexpected(byte, reply);
      if (answer(DebugStage::Confirmation, kDebugAck, reply)) state_ = State::Confirmed;
      return;
    case State::Confirmed:
      if (byte != kDebugItemSelect) return unexpected(byte, reply);
      state_ = State::Opcode;
      return;
    case State::Opcode:
      if (!IsOpcode(byte)) return unexpected(byte, reply);
      current_.opcode = byte;
      state_ = State::OpcodeAgain;
      return;
    case State::OpcodeAgain:
      if (byte != current_.opcode) return unexpected(byte, reply);
      state_ = State::Trailer;
      return;
    case State::Trailer:
      if (byte != kDebugItemTrailer) return unexpected(byte, reply);
      reply.events.push_back("debug item " + HexBytes(&current_.opcode, 1));
      frameBytes_ = 0;
      if (answer(DebugStage::ItemSelect, kDebugAccept, reply)) state_ = State::FrequencyFrame;
      return;
    case State::FrequencyFrame:
      current_.frequencies[frameBytes_++] = byte;
      if (frameBytes_ < current_.frequencies.size()) return;
      reply.events.push_back("debug frequencies " + HexBytes(current_.frequencies.data(), 8));
      frameBytes_ = 0;
      if (answer(DebugStage::Frequencies, kDebugAccept, reply)) state_ = State::ToneFrame;
      return;
    case State::ToneFrame:
      current_.tonesAndValue[frameBytes_++] = byte;
      if (frameBytes_ < current_.tonesAndValue.size()) return;
      reply.events.push_back("debug tones and value " + HexBytes(current_.tonesAndValue.data(), 8));
      if (answer(DebugStage::TonesAndValue, kDebugAccept, reply)) {
        received_.push_back(current_);
        reply.events.push_back("debug command complete");
      }
      state_ = State::Asleep;
      return;
  }
}

}  // namespace qm314::sim
