// The pseudo-terminal line with 9600-baud timing in both directions.
#include "sim/pty_line.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <deque>
#include <utility>

namespace qm314::sim {
namespace {

// Start bit, 8 data bits, stop bit at 9600 baud.
constexpr long long kByteNs = 10LL * 1000000000LL / 9600;

long long NowNs() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

}  // namespace

PtyLine::~PtyLine() { close(); }

void PtyLine::close() {
  if (slave_ >= 0) ::close(slave_);
  if (output_ >= 0 && output_ != master_) ::close(output_);
  if (master_ >= 0) ::close(master_);
  slave_ = master_ = output_ = -1;
}

void PtyLine::openStandardStreams() {
  master_ = STDIN_FILENO;
  output_ = STDOUT_FILENO;
  fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
  fcntl(output_, F_SETFL, fcntl(output_, F_GETFL) | O_NONBLOCK);
}

bool PtyLine::open(std::string& error) {
  master_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) {
    error = std::string("cannot create a pseudo-terminal: ") + std::strerror(errno);
    close();
    return false;
  }
  const char* name = ptsname(master_);
  slave_ = name == nullptr ? -1 : ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (slave_ < 0) {
    error = std::string("cannot open the pseudo-terminal's device: ") + std::strerror(errno);
    close();
    return false;
  }
  devicePath_ = name;
  output_ = master_;
  // Raw from the start: an echoing line would send the radio's answers back to it.
  termios tio{};
  tcgetattr(slave_, &tio);
  cfmakeraw(&tio);
  cfsetispeed(&tio, B9600);
  cfsetospeed(&tio, B9600);
  tcsetattr(slave_, TCSANOW, &tio);
  fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
  return true;
}

PtyLine::End PtyLine::serve(SimRadio& radio, const volatile std::sig_atomic_t& stop,
                            const sigset_t& waitMask,
                            const std::function<void(const SimReply&)>& onReply) {
  std::deque<std::pair<long long, std::uint8_t>> outgoing;  // (time it has arrived, byte)
  long long inFree = 0;    // when the last byte from the program has fully arrived
  long long outFree = 0;   // when the radio's line to the program is free again
  long long lastSent = 0;  // when the last byte actually sent has arrived
  for (;;) {
    if (stop) return End::Stopped;
    pollfd p{master_, POLLIN, 0};
    timespec wait{};
    const timespec* timeout = nullptr;
    if (!outgoing.empty()) {
      const long long left = std::max(0LL, outgoing.front().first - NowNs());
      wait.tv_sec = static_cast<time_t>(left / 1000000000LL);
      wait.tv_nsec = static_cast<long>(left % 1000000000LL);
      timeout = &wait;
    }
    const int rc = ppoll(&p, 1, timeout, &waitMask);
    if (rc < 0 && errno == EINTR) continue;
    if (rc < 0) return End::Failed;
    // Only a pipe hangs up: the pseudo-terminal's own end is held open.
    if ((p.revents & (POLLIN | POLLHUP)) == POLLHUP) return End::Unplugged;
    if ((p.revents & POLLIN) != 0) {
      std::uint8_t in[256];
      const ssize_t n = ::read(master_, in, sizeof in);
      if (n < 0 && errno != EAGAIN && errno != EINTR) return End::Failed;
      if (n == 0) return End::Unplugged;
      const long long now = NowNs();
      for (ssize_t i = 0; i < n; ++i) {
        inFree = std::max(now, inFree) + kByteNs;
        const SimReply reply = radio.receive(in[i]);
        onReply(reply);
        if (reply.unplug) {
          close();
          return End::Unplugged;
        }
        if (reply.woke) {
          outgoing.clear();
          outFree = lastSent;
        }
        // An answer is handed over whole at the moment its last byte has arrived
        // on a 9600-baud line.  Dribbling it out byte by byte would let a busy
        // machine, which may not schedule this process for tens of milliseconds,
        // tear gaps into it that the program's 80 ms interval time-out takes for
        // the end of the answer; a real UART never pauses mid-answer.
        const long long delay = std::max(answerDelayNs_, static_cast<long long>(reply.settleMs * 1e6));
        const long long done = std::max(inFree + delay, outFree) +
                               static_cast<long long>(reply.bytes.size()) * kByteNs;
        for (std::uint8_t b : reply.bytes) outgoing.emplace_back(done, b);
        if (!reply.bytes.empty() || !reply.spaced.empty()) outFree = done;
        for (std::uint8_t b : reply.spaced) {
          outFree += static_cast<long long>(reply.spacingMs * 1e6) + kByteNs;
          outgoing.emplace_back(outFree, b);
        }
      }
    }
    const long long now = NowNs();
    while (!outgoing.empty() && outgoing.front().first <= now) {
      if (::write(output_, &outgoing.front().second, 1) != 1) {
        if (errno == EAGAIN) break;  // the program is not reading; try again later
        if (errno == EPIPE) return End::Unplugged;  // a pipe's reader has gone
        return End::Failed;
      }
      lastSent = outgoing.front().first;
      outgoing.pop_front();
    }
  }
}

}  // namespace qm314::sim
