// The simulated radio: its memory, its faults and the conversations it answers,
// each woken by its own wake-up word.  Pure bytes in, bytes out; the line and its
// timing belong to whoever serves it.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "link/wakeup_word.h"
#include "radio/image.h"
#include "sim/faults.h"
#include "sim/sim_conversation.h"

namespace qm314::sim {

class SimRadio {
 public:
  // A radio that answers the clone conversation to `cloneWord`, with
  // `serial` as the last byte of its identification.
  SimRadio(WakeUpWord cloneWord, const RadioImage& memory, FaultPlan faults = {},
           std::uint8_t serial = 0);
  SimRadio(const SimRadio&) = delete;
  SimRadio& operator=(const SimRadio&) = delete;

  // Another conversation, woken by its own word.
  void addConversation(WakeUpWord word, std::unique_ptr<SimConversation> conversation);

  SimReply receive(std::uint8_t byte);
  SimReply receive(const std::vector<std::uint8_t>& bytes);

  RadioImage& memory() { return memory_; }
  FaultPlan& faults() { return faults_; }

 private:
  struct Entry {
    WakeUpWord word;
    std::unique_ptr<SimConversation> conversation;
  };

  RadioImage memory_;
  FaultPlan faults_;
  std::vector<Entry> conversations_;
  SimConversation* active_ = nullptr;
  std::vector<std::uint8_t> recent_;  // the last bytes heard, to spot a wake-up word
};

}  // namespace qm314::sim
