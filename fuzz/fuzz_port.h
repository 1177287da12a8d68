// A serial port whose whole behaviour comes from the fuzzer's bytes: whether it
// opens, whether each write goes through, what each read receives, and how the
// user answers the message boxes.  Once the bytes run out it is a silent radio
// and a user who answers Cancel, so every conversation must come to an end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "link/message_box.h"
#include "link/pacer.h"
#include "link/serial_port.h"

namespace qm314::fuzz {

// The fuzzer's bytes, taken one decision at a time.
class Script {
 public:
  Script(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool empty() const { return used_ >= size_; }
  // The next byte, or `fallback` once the bytes have run out.
  std::uint8_t next(std::uint8_t fallback = 0) { return empty() ? fallback : data_[used_++]; }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t used_ = 0;
};

// Everything a conversation did to the port, for the checks after it ended.
struct PortRecord {
  int opens = 0;
  int closes = 0;
  int destroyedOpen = 0;  // handles dropped without a close
  long operations = 0;
  long pauses = 0;
  int messages = 0;
  int retries = 0;
};

class FuzzPort final : public SerialPort {
 public:
  FuzzPort(Script& script, PortRecord& record) : script_(script), record_(record) {}
  ~FuzzPort() override {
    if (open_) ++record_.destroyedOpen;
  }

  void setupComm(std::size_t, std::size_t) override { ++record_.operations; }
  void setTimeouts(const CommTimeouts&) override { ++record_.operations; }
  void setLineSettings() override { ++record_.operations; }
  void purge(unsigned) override { ++record_.operations; }
  // A write fails when its decision byte is 0xFF.
  bool write(const std::uint8_t*, std::size_t) override {
    ++record_.operations;
    return script_.next() != 0xFF;
  }
  // The decision byte c: 0xFF fails the read; otherwise c % (n + 1) bytes arrive,
  // taken from the script (a time-out when fewer).
  bool read(std::uint8_t* buf, std::size_t n, std::size_t& got) override {
    ++record_.operations;
    got = 0;
    if (script_.empty()) return true;
    const std::uint8_t c = script_.next();
    if (c == 0xFF) return false;
    const std::size_t count = c % (n + 1);
    while (got < count && !script_.empty()) buf[got++] = script_.next();
    return true;
  }
  void close() override {
    ++record_.operations;
    if (open_) ++record_.closes;
    open_ = false;
  }
  bool isOpen() const override { return open_; }

 private:
  Script& script_;
  PortRecord& record_;
  bool open_ = true;
};

// Opens a FuzzPort unless the script's first decision is 0xFE.
inline PortOpener FuzzOpener(Script& script, PortRecord& record) {
  return [&script, &record](const std::string& name) {
    OpenedPort opened;
    opened.device = name;
    if (script.next() == 0xFE) {
      opened.error = 2;
      return opened;
    }
    ++record.opens;
    opened.port = std::make_unique<FuzzPort>(script, record);
    return opened;
  };
}

class CountingPacer final : public Pacer {
 public:
  explicit CountingPacer(PortRecord& record) : record_(record) {}
  void pause(unsigned) override { ++record_.pauses; }

 private:
  PortRecord& record_;
};

// Answers Retry when the script says so, at most `maxRetries` times; else Cancel.
inline MessageAnswer AnswerFromScript(Script& script, PortRecord& record, MessageButtons buttons,
                                      int maxRetries) {
  ++record.messages;
  if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
  if (record.retries < maxRetries && script.next() % 2 == 1) {
    ++record.retries;
    return MessageAnswer::Retry;
  }
  return MessageAnswer::Cancel;
}

}  // namespace qm314::fuzz
