// A serial line to a simulated radio for protocol tests: every port operation and
// every pause goes into one log on a virtual clock, answers come from a SimRadio
// at once, and the line can be made to fail writes or reads, or be unplugged.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "link/pacer.h"
#include "link/serial_port.h"
#include "radio/text_numbers.h"
#include "sim/sim_radio.h"

namespace qm314::test {

class FakeLine : public Pacer {
 public:
  explicit FakeLine(sim::SimRadio& radio) : radio_(&radio) {}

  // Another radio on the line, or none: then what is sent reaches nobody.
  void putOn(sim::SimRadio* radio) { radio_ = radio; }

  // A port on this line, as the transfer's opener hands it out.
  OpenedPort open();
  PortOpener opener() {
    return [this](const std::string& name) {
      openedNames.push_back(name);
      return open();
    };
  }

  void pause(unsigned ms) override {
    log.push_back("pause " + std::to_string(ms));
    clockMs += ms;
  }

  // Port operations, as the handle forwards them.
  void purge(unsigned flags);
  bool write(const std::uint8_t* bytes, std::size_t n);
  bool read(std::uint8_t* buf, std::size_t n, std::size_t& got);

  // Lines of the log that are writes, in order.
  std::vector<std::string> writes() const;
  // The last write's log line, empty before the first.
  std::string lastWrite() const;
  // Wake-up words put on the wire (their first byte, 02, followed by a write of "Q").
  int wakeUpWords() const;

  std::vector<std::string> log;
  std::vector<std::string> openedNames;
  long long clockMs = 0;
  int opens = 0;
  int closes = 0;
  bool unplugged = false;
  // Returns true to make this write fail without reaching the radio.
  std::function<bool(const std::vector<std::uint8_t>&)> failWrite;
  // Returns true to make the next read fail.
  std::function<bool()> failRead;

 private:
  sim::SimRadio* radio_;
  std::deque<std::uint8_t> received_;
  CommTimeouts timeouts_{};
  friend class FakePort;
};

}  // namespace qm314::test
