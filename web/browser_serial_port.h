// The serial port and the pauses of a radio conversation in a browser: the
// page's Web Serial port behind SerialPort, with the Windows time-out rules
// kept here as PosixSerialPort keeps them; the line itself (js/line.js) only
// buffers what the port's reader brings and wakes the waits on it.
#pragma once

#include <functional>
#include <string>

#include "link/pacer.h"
#include "link/serial_port.h"

namespace qm314::web {

class BrowserSerialPort final : public SerialPort {
 public:
  // Opens the conversation's port; a refusal holds the errno that stands for
  // what the browser said.
  static OpenedPort open(const std::string& portName);

  ~BrowserSerialPort() override;
  BrowserSerialPort(const BrowserSerialPort&) = delete;
  BrowserSerialPort& operator=(const BrowserSerialPort&) = delete;

  void setupComm(std::size_t inQueue, std::size_t outQueue) override;
  void setTimeouts(const CommTimeouts& timeouts) override;
  void setLineSettings() override;
  void purge(unsigned flags) override;
  bool write(const std::uint8_t* bytes, std::size_t n) override;
  bool read(std::uint8_t* buf, std::size_t n, std::size_t& got) override;
  void close() override;
  bool isOpen() const override { return open_; }
  void setCancelTest(std::function<bool()> test) override;

 private:
  BrowserSerialPort() = default;
  // When a wait must end at the latest once the cancel test has said yes;
  // below zero while it has not.
  double cancelDeadline();

  bool open_ = true;
  CommTimeouts timeouts_{};
  std::function<bool()> cancelTest_;
  double cancelDeadline_ = -1;
};

// Pauses that keep their length to the millisecond, where a page's timers
// alone would round short ones up to 4 ms.
class BrowserPacer final : public Pacer {
 public:
  void pause(unsigned milliseconds) override;
};

}  // namespace qm314::web
