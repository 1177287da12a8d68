// One conversation the simulated radio knows (cloning; tuning later), as a pure
// byte-in/byte-out state machine woken by its own wake-up word.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qm314::sim {

// What the radio does in answer to one received byte.
struct SimReply {
  std::vector<std::uint8_t> bytes;  // to send, in order
  std::vector<std::string> events;  // what happened, for the log
  bool woke = false;                // a wake-up word was heard: earlier answers are moot
  bool unplug = false;              // the cable is pulled now
  bool memoryWritten = false;       // a whole write has landed in memory
  double settleMs = 0;              // the radio needs at least this long before it answers
  // Bytes after `bytes`, each sent `spacingMs` after the one before it has
  // arrived: far enough apart for the program to read one, purge its input and
  // listen again before the next.
  std::vector<std::uint8_t> spaced;
  double spacingMs = 0;
};

class SimConversation {
 public:
  virtual ~SimConversation() = default;
  // Its wake-up word has just been received.
  virtual void start(SimReply& reply) = 0;
  virtual void receive(std::uint8_t byte, SimReply& reply) = 0;
  // True while the bytes received are the inside of a frame, where a wake-up
  // word is data, not a call.
  virtual bool inPayload() const = 0;
};

}  // namespace qm314::sim
