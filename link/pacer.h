// The pauses of a radio conversation go through a Pacer, so tests can run the
// protocol instantly while the programs sleep in real time.
#pragma once

namespace qm314 {

class Pacer {
 public:
  virtual ~Pacer() = default;
  virtual void pause(unsigned milliseconds) = 0;
};

// Sleeps for real; used by every program that talks to a radio.
class SleepPacer final : public Pacer {
 public:
  void pause(unsigned milliseconds) override;
};

}  // namespace qm314
