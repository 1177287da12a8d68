// The serial port operations every radio conversation is built from, with the
// semantics of a synchronous Windows comm port: reads give up on an interval or a
// total time-out and report the count that arrived; a time-out is not an error.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace qm314 {

// COMMTIMEOUTS, all in milliseconds.
struct CommTimeouts {
  std::uint32_t readInterval;
  std::uint32_t readTotalMultiplier;
  std::uint32_t readTotalConstant;
  std::uint32_t writeTotalMultiplier;
  std::uint32_t writeTotalConstant;
};

inline constexpr CommTimeouts kCloneTimeouts{80, 500, 120, 120, 80};
inline constexpr CommTimeouts kDebugTimeouts{10, 50, 50, 50, 50};

inline constexpr std::size_t kInputQueueSize = 1024;
inline constexpr std::size_t kOutputQueueSize = 512;

// PurgeComm flags.
inline constexpr unsigned kPurgeTxAbort = 0x01;
inline constexpr unsigned kPurgeRxAbort = 0x02;
inline constexpr unsigned kPurgeTxClear = 0x04;
inline constexpr unsigned kPurgeRxClear = 0x08;
inline constexpr unsigned kPurgeClear = kPurgeTxClear | kPurgeRxClear;  // 0x0C
inline constexpr unsigned kPurgeAll = 0x0F;

// An open port.  Destroying it closes it.
class SerialPort {
 public:
  virtual ~SerialPort() = default;

  virtual void setupComm(std::size_t inQueue, std::size_t outQueue) = 0;
  virtual void setTimeouts(const CommTimeouts& timeouts) = 0;
  // 9600 baud, 8 data bits, no parity, one stop bit, binary.
  virtual void setLineSettings() = 0;
  // Drops received bytes that wait in the input queue.  Bytes already written
  // are never thrown away: the radio may not have taken them yet.
  virtual void purge(unsigned flags) = 0;
  // Blocks until the bytes have left the output queue or the write time-out
  // expires; false on a time-out or a failure.
  virtual bool write(const std::uint8_t* bytes, std::size_t n) = 0;
  // Blocks until n bytes arrived or a read time-out expired.  False only on a
  // real failure; a time-out is success with got < n, and buf[got..n) untouched.
  virtual bool read(std::uint8_t* buf, std::size_t n, std::size_t& got) = 0;
  virtual void close() = 0;
  virtual bool isOpen() const = 0;
  // Asked at least every 25 ms while a read or a write waits: once it says
  // yes, every wait ends within a short grace (a radio that answers still
  // finishes the block in hand), a read as if its time-out had expired and a
  // write as failed, so a Stop never waits out a silent radio's time-outs.
  // A port whose waits end at once has no use for it.
  virtual void setCancelTest(std::function<bool()> test) { (void)test; }

  // How long a wait goes without asking the cancel test.
  static constexpr int kCancelLookMs = 25;
  // How long a wait goes on once the cancel test has said yes.  A radio that
  // answers finishes the block in hand within a few milliseconds, so the
  // conversation still stops between blocks and the radio is not left in the
  // middle of one; a silent radio is given up within the 0.2 s a Stop may take.
  static constexpr int kCancelGraceMs = 75;
};

// What an attempt to open a port gives: the port, or the errno that refused it.
struct OpenedPort {
  std::unique_ptr<SerialPort> port;
  int error = 0;        // errno of the failing call when port is null
  std::string device;   // the device path that was tried
};

// Opens a port by the name the user chose ("COM1".."COM4" or a device path).
// Transfers take one of these so tests can hand them a fake line.
using PortOpener = std::function<OpenedPort(const std::string& portName)>;

}  // namespace qm314
