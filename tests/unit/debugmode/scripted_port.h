// A SerialPort that answers reads from a script and writes every operation, and
// every pause of the conversation, into one log of readable lines.
#pragma once

#include <cstdio>
#include <deque>
#include <string>
#include <vector>

#include "link/serial_port.h"
#include "radio/text_numbers.h"

namespace qm314::test {

struct Reply {
  std::vector<std::uint8_t> bytes;  // what arrives within the read's time-out
  bool ok = true;                   // false: the read itself fails
};

class ScriptedPort : public SerialPort {
 public:
  ScriptedPort(std::vector<std::string>& log, std::deque<Reply>& script)
      : log_(log), script_(script) {}
  ~ScriptedPort() override {
    if (open_) log_.push_back("destroyed open");
  }

  void setupComm(std::size_t in, std::size_t out) override {
    log_.push_back("setup " + std::to_string(in) + " " + std::to_string(out));
  }
  void setTimeouts(const CommTimeouts& t) override {
    log_.push_back("timeouts " + std::to_string(t.readInterval) + " " +
                   std::to_string(t.readTotalMultiplier) + " " +
                   std::to_string(t.readTotalConstant) + " " +
                   std::to_string(t.writeTotalMultiplier) + " " +
                   std::to_string(t.writeTotalConstant));
  }
  void setLineSettings() override { log_.push_back("line"); }
  void purge(unsigned flags) override {
    char text[16];
    std::snprintf(text, sizeof text, "purge %02X", flags);
    log_.push_back(text);
  }
  bool write(const std::uint8_t* bytes, std::size_t n) override {
    log_.push_back("write " + HexBytes(bytes, n));
    return true;
  }
  bool read(std::uint8_t* buf, std::size_t n, std::size_t& got) override {
    log_.push_back("read " + std::to_string(n));
    got = 0;
    if (script_.empty()) return true;  // a silent radio: time-out, no error
    Reply r = script_.front();
    script_.pop_front();
    for (; got < n && got < r.bytes.size(); ++got) buf[got] = r.bytes[got];
    return r.ok;
  }
  void close() override {
    log_.push_back("close");
    open_ = false;
  }
  bool isOpen() const override { return open_; }

 private:
  std::vector<std::string>& log_;
  std::deque<Reply>& script_;
  bool open_ = true;
};

}  // namespace qm314::test
