// Wake-up word detection and dispatch to the conversation it wakes.
#include "sim/sim_radio.h"

#include <algorithm>
#include <utility>

#include "sim/clone_conversation.h"

namespace qm314::sim {

SimRadio::SimRadio(WakeUpWord cloneWord, const RadioImage& memory, FaultPlan faults,
                   std::uint8_t serial)
    : memory_(memory), faults_(faults) {
  addConversation(std::move(cloneWord), std::make_unique<CloneConversation>(memory_, faults_, serial));
}

void SimRadio::addConversation(WakeUpWord word, std::unique_ptr<SimConversation> conversation) {
  conversations_.push_back({std::move(word), std::move(conversation)});
  // The longest word first, so a word that ends another one cannot steal its call.
  std::stable_sort(conversations_.begin(), conversations_.end(),
                   [](const Entry& a, const Entry& b) { return a.word.size() > b.word.size(); });
}

SimReply SimRadio::receive(std::uint8_t byte) {
  SimReply reply;
  if (active_ != nullptr && active_->inPayload()) {
    recent_.clear();
    active_->receive(byte, reply);
  } else {
    recent_.push_back(byte);
    std::size_t longest = 0;
    for (const Entry& e : conversations_) longest = std::max(longest, e.word.size());
    if (recent_.size() > longest) recent_.erase(recent_.begin());
    SimConversation* woken = nullptr;
    for (const Entry& e : conversations_) {
      if (recent_.size() >= e.word.size() &&
          std::equal(e.word.rbegin(), e.word.rend(), recent_.rbegin())) {
        woken = e.conversation.get();
        break;
      }
    }
    if (woken != nullptr) {
      recent_.clear();
      active_ = woken;
      reply.woke = true;
      active_->start(reply);
    } else if (active_ != nullptr) {
      active_->receive(byte, reply);
    }
  }
  if (faults_.silent) {
    reply.bytes.clear();
    reply.spaced.clear();
  }
  return reply;
}

SimReply SimRadio::receive(const std::vector<std::uint8_t>& bytes) {
  SimReply all;
  for (std::uint8_t b : bytes) {
    SimReply one = receive(b);
    if (!all.spaced.empty()) {
      // What was spaced comes before anything answered later.
      all.bytes.insert(all.bytes.end(), all.spaced.begin(), all.spaced.end());
      all.spaced.clear();
    }
    all.bytes.insert(all.bytes.end(), one.bytes.begin(), one.bytes.end());
    all.spaced = one.spaced;
    all.spacingMs = one.spacingMs;
    all.events.insert(all.events.end(), one.events.begin(), one.events.end());
    all.woke = all.woke || one.woke;
    all.unplug = all.unplug || one.unplug;
    all.memoryWritten = all.memoryWritten || one.memoryWritten;
    if (all.unplug) break;
  }
  return all;
}

}  // namespace qm314::sim
