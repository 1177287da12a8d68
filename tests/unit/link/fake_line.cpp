// The fake line's port handle and its bookkeeping.
#include "fake_line.h"

#include <cstdio>

namespace qm314::test {

class FakePort final : public SerialPort {
 public:
  explicit FakePort(FakeLine& line) : line_(line) {}
  ~FakePort() override { close(); }
  void setupComm(std::size_t in, std::size_t out) override {
    line_.log.push_back("setup " + std::to_string(in) + " " + std::to_string(out));
  }
  void setTimeouts(const CommTimeouts& t) override {
    line_.timeouts_ = t;
    line_.log.push_back("timeouts " + std::to_string(t.readInterval) + " " +
                        std::to_string(t.readTotalMultiplier) + " " +
                        std::to_string(t.readTotalConstant) + " " +
                        std::to_string(t.writeTotalMultiplier) + " " +
                        std::to_string(t.writeTotalConstant));
  }
  void setLineSettings() override { line_.log.push_back("line"); }
  void purge(unsigned flags) override { line_.purge(flags); }
  bool write(const std::uint8_t* bytes, std::size_t n) override { return line_.write(bytes, n); }
  bool read(std::uint8_t* buf, std::size_t n, std::size_t& got) override {
    return line_.read(buf, n, got);
  }
  void close() override {
    if (!open_) return;
    open_ = false;
    ++line_.closes;
    line_.log.push_back("close");
  }
  bool isOpen() const override { return open_; }

 private:
  FakeLine& line_;
  bool open_ = true;
};

OpenedPort FakeLine::open() {
  ++opens;
  log.push_back("open");
  OpenedPort opened;
  opened.device = "fake";
  opened.port = std::make_unique<FakePort>(*this);
  return opened;
}

void FakeLine::purge(unsigned flags) {
  char text[16];
  std::snprintf(text, sizeof text, "purge %02X", flags);
  log.push_back(text);
  if ((flags & kPurgeRxClear) != 0) received_.clear();
}

bool FakeLine::write(const std::uint8_t* bytes, std::size_t n) {
  const std::vector<std::uint8_t> frame(bytes, bytes + n);
  if (unplugged || (failWrite && failWrite(frame))) {
    log.push_back("write failed " + HexBytes(bytes, n));
    return false;
  }
  log.push_back("write " + HexBytes(bytes, n));
  if (radio_ == nullptr) return true;
  const sim::SimReply reply = radio_->receive(frame);
  if (reply.unplug) unplugged = true;
  received_.insert(received_.end(), reply.bytes.begin(), reply.bytes.end());
  return true;
}

bool FakeLine::read(std::uint8_t* buf, std::size_t n, std::size_t& got) {
  got = 0;
  if (unplugged || (failRead && failRead())) {
    log.push_back("read " + std::to_string(n) + " failed");
    return false;
  }
  while (got < n && !received_.empty()) {
    buf[got++] = received_.front();
    received_.pop_front();
  }
  if (got < n) {
    // The line stays quiet: the read runs into its time-out.
    clockMs += got == 0 ? timeouts_.readTotalMultiplier * n + timeouts_.readTotalConstant
                        : timeouts_.readInterval;
  }
  log.push_back("read " + std::to_string(n) + " -> " + std::to_string(got));
  return true;
}

std::vector<std::string> FakeLine::writes() const {
  std::vector<std::string> out;
  for (const std::string& line : log) {
    if (line.rfind("write", 0) == 0) out.push_back(line);
  }
  return out;
}

std::string FakeLine::lastWrite() const {
  for (auto it = log.rbegin(); it != log.rend(); ++it) {
    if (it->rfind("write", 0) == 0) return *it;
  }
  return {};
}

int FakeLine::wakeUpWords() const {
  int words = 0;
  const std::vector<std::string> w = writes();
  for (std::size_t i = 0; i + 1 < w.size(); ++i) {
    if (w[i] == "write 02" && w[i + 1] == "write 51") ++words;
  }
  return words;
}

}  // namespace qm314::test
