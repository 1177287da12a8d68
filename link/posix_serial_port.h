// SerialPort on a termios device (a USB serial adapter or a pseudo-terminal),
// with the time-out semantics of a synchronous Windows comm port.
#pragma once

#include <string>

#include "link/serial_port.h"

namespace qm314 {

class PosixSerialPort final : public SerialPort {
 public:
  // Opens the device exclusively; on failure the result holds the errno.
  static OpenedPort open(const std::string& devicePath);

  ~PosixSerialPort() override;
  PosixSerialPort(const PosixSerialPort&) = delete;
  PosixSerialPort& operator=(const PosixSerialPort&) = delete;

  void setupComm(std::size_t inQueue, std::size_t outQueue) override;
  void setTimeouts(const CommTimeouts& timeouts) override;
  void setLineSettings() override;
  void purge(unsigned flags) override;
  bool write(const std::uint8_t* bytes, std::size_t n) override;
  bool read(std::uint8_t* buf, std::size_t n, std::size_t& got) override;
  void close() override;
  bool isOpen() const override { return fd_ >= 0; }
  void setCancelTest(std::function<bool()> test) override;

 private:
  explicit PosixSerialPort(int fd) : fd_(fd) {}
  bool waitUntilSent(long long deadlineNs);

  // When a wait must end at the latest once the cancel test has said yes;
  // -1 before that.
  long long cancelDeadline();
  // Waits for `events` until the deadline (none when < 0) or a Cancel's
  // grace ends.  The revents, 0 on time-out, -1 on failure.
  int pollUntil(short events, long long deadlineNs);

  int fd_;
  CommTimeouts timeouts_{};
  std::function<bool()> cancelTest_;
  long long cancelDeadline_ = -1;
};

// Opens a port by its program name ("COM1".."COM4") or device path.
OpenedPort OpenPortByName(const std::string& portName);

}  // namespace qm314
