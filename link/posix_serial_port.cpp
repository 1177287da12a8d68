// termios and poll behind the Windows comm semantics the protocols were built on.
#include "link/posix_serial_port.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <utility>

#include "link/port_names.h"

namespace qm314 {
namespace {

constexpr long long kNsPerMs = 1000000LL;
// One byte on a 9600-baud line: start bit, 8 data bits, stop bit.
constexpr long long kByteTimeNs = 10LL * 1000000000LL / 9600;

long long NowNs() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

timespec ToTimespec(long long ns) {
  timespec t{};
  t.tv_sec = static_cast<time_t>(ns / 1000000000LL);
  t.tv_nsec = static_cast<long>(ns % 1000000000LL);
  return t;
}

constexpr long long kCancelLookNs = SerialPort::kCancelLookMs * kNsPerMs;
constexpr long long kCancelGraceNs = SerialPort::kCancelGraceMs * kNsPerMs;

long long Earlier(long long a, long long b) {
  if (a < 0) return b;
  if (b < 0) return a;
  return std::min(a, b);
}

}  // namespace

long long PosixSerialPort::cancelDeadline() {
  if (cancelDeadline_ < 0 && cancelTest_ && cancelTest_()) cancelDeadline_ = NowNs() + kCancelGraceNs;
  return cancelDeadline_;
}

int PosixSerialPort::pollUntil(short events, long long deadlineNs) {
  for (;;) {
    const long long deadline = Earlier(deadlineNs, cancelDeadline());
    long long left = -1;
    if (deadline >= 0) {
      left = deadline - NowNs();
      if (left <= 0) return 0;
    }
    // Until a Cancel, the cancel test is asked every slice of the wait.
    if (cancelTest_ && cancelDeadline_ < 0) left = left < 0 ? kCancelLookNs : std::min(left, kCancelLookNs);
    pollfd p{fd_, events, 0};
    const timespec wait = ToTimespec(left < 0 ? 0 : left);
    const int rc = ppoll(&p, 1, left < 0 ? nullptr : &wait, nullptr);
    if (rc < 0 && errno == EINTR) continue;  // a signal is no reason to cut a wait short
    if (rc < 0) return -1;
    if (rc == 0) continue;                    // re-check the clock and the cancel test
    return p.revents;
  }
}

OpenedPort PosixSerialPort::open(const std::string& devicePath) {
  OpenedPort result;
  result.device = devicePath;
  const int fd = ::open(devicePath.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    result.error = errno;
    return result;
  }
  int refusal = 0;
  if (!isatty(fd)) {
    refusal = ENOTTY;
  } else if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    // flock is what keeps a second program off the port: root ignores TIOCEXCL.
    refusal = errno;
  } else if (ioctl(fd, TIOCEXCL) != 0) {
    refusal = errno;
  }
  if (refusal != 0) {
    ::close(fd);
    result.error = refusal;
    return result;
  }
  result.port.reset(new PosixSerialPort(fd));
  return result;
}

PosixSerialPort::~PosixSerialPort() { close(); }

void PosixSerialPort::close() {
  if (fd_ < 0) return;
  // Whatever a timed-out write left behind must not reach the radio later, and
  // closing must not wait for it; the exclusive flag must not outlive us either.
  tcflush(fd_, TCOFLUSH);
  ioctl(fd_, TIOCNXCL);
  ::close(fd_);
  fd_ = -1;
}

void PosixSerialPort::setupComm(std::size_t, std::size_t) {
  // The kernel's queues are larger than the sizes asked for; nothing to do.
}

void PosixSerialPort::setTimeouts(const CommTimeouts& timeouts) { timeouts_ = timeouts; }

void PosixSerialPort::setCancelTest(std::function<bool()> test) {
  cancelTest_ = std::move(test);
  cancelDeadline_ = -1;
}

void PosixSerialPort::setLineSettings() {
  termios tio{};
  if (tcgetattr(fd_, &tio) != 0) return;  // a refusing port shows itself by time-outs
  tio.c_iflag &= ~static_cast<tcflag_t>(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR |
                                        ICRNL | IXON | IXOFF | INPCK);
  tio.c_oflag &= ~static_cast<tcflag_t>(OPOST);
  tio.c_lflag &= ~static_cast<tcflag_t>(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
  tio.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB);
  tio.c_cflag |= CS8 | CREAD | CLOCAL;
  tio.c_cc[VMIN] = 0;
  tio.c_cc[VTIME] = 0;
  cfsetispeed(&tio, B9600);
  cfsetospeed(&tio, B9600);
  tcsetattr(fd_, TCSANOW, &tio);
}

void PosixSerialPort::purge(unsigned flags) {
  if ((flags & kPurgeRxClear) != 0) tcflush(fd_, TCIFLUSH);
}

bool PosixSerialPort::waitUntilSent(long long deadlineNs) {
  for (;;) {
    int queued = 0;
    if (ioctl(fd_, TIOCOUTQ, &queued) != 0) return false;
    if (queued <= 0) return true;
    const long long deadline = Earlier(deadlineNs, cancelDeadline());
    const long long now = NowNs();
    if (deadline >= 0 && now >= deadline) return false;
    // Sleep about as long as the queued bytes need on the wire, never past the
    // deadline nor longer than the cancel test may go unasked.
    long long nap = std::min(std::max<long long>(queued * kByteTimeNs, kNsPerMs / 2), kCancelLookNs);
    if (deadline >= 0) nap = std::min(nap, deadline - now);
    const timespec wait = ToTimespec(nap);
    nanosleep(&wait, nullptr);
  }
}

bool PosixSerialPort::write(const std::uint8_t* bytes, std::size_t n) {
  if (fd_ < 0) return false;
  const long long budgetMs = static_cast<long long>(timeouts_.writeTotalMultiplier) *
                                 static_cast<long long>(n) +
                             timeouts_.writeTotalConstant;
  const long long deadline = budgetMs > 0 ? NowNs() + budgetMs * kNsPerMs : -1;
  std::size_t sent = 0;
  while (sent < n) {
    const int revents = pollUntil(POLLOUT, deadline);
    if (revents <= 0) return false;
    if ((revents & (POLLERR | POLLHUP | POLLNVAL)) != 0) return false;
    const ssize_t w = ::write(fd_, bytes + sent, n - sent);
    if (w < 0) {
      if (errno == EAGAIN || errno == EINTR) continue;
      return false;
    }
    sent += static_cast<std::size_t>(w);
  }
  return waitUntilSent(deadline);
}

bool PosixSerialPort::read(std::uint8_t* buf, std::size_t n, std::size_t& got) {
  got = 0;
  if (fd_ < 0) return false;
  if (n == 0) return true;
  const long long start = NowNs();
  const long long totalMs = static_cast<long long>(timeouts_.readTotalMultiplier) *
                                static_cast<long long>(n) +
                            timeouts_.readTotalConstant;
  const long long totalDeadline = totalMs > 0 ? start + totalMs * kNsPerMs : -1;
  const long long intervalNs = static_cast<long long>(timeouts_.readInterval) * kNsPerMs;
  long long lastByte = 0;
  while (got < n) {
    long long deadline = totalDeadline;
    // The interval time-out only runs once the first byte has come.
    if (intervalNs > 0 && got > 0) {
      const long long intervalDeadline = lastByte + intervalNs;
      deadline = deadline < 0 ? intervalDeadline : std::min(deadline, intervalDeadline);
    }
    const int revents = pollUntil(POLLIN, deadline);
    // A cancel ends the wait as its time-out would: success with a short count.
    if (revents == 0) return true;
    if (revents < 0) return false;
    if ((revents & POLLIN) != 0) {
      const ssize_t r = ::read(fd_, buf + got, n - got);
      if (r > 0) {
        got += static_cast<std::size_t>(r);
        lastByte = NowNs();
        continue;
      }
      if (r < 0 && (errno == EAGAIN || errno == EINTR)) continue;
      return false;  // end of file or an error: the line is gone
    }
    return false;  // hang-up or error without data
  }
  return true;
}

OpenedPort OpenPortByName(const std::string& portName) {
  return PosixSerialPort::open(DevicePathForPort(portName));
}

}  // namespace qm314
