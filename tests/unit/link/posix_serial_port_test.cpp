// The termios port on a pseudo-terminal: Windows time-out semantics, purge of
// received bytes only, exclusive open, and failures that say why.
#include "link/posix_serial_port.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <thread>

namespace qm314 {
namespace {

using Clock = std::chrono::steady_clock;

long long MsSince(Clock::time_point start) {
  return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

// The far end of the line: the master side of a pseudo-terminal.
class Pty {
 public:
  Pty() {
    master = posix_openpt(O_RDWR | O_NOCTTY);
    grantpt(master);
    unlockpt(master);
    path = ptsname(master);
  }
  ~Pty() { closeMaster(); }
  void closeMaster() {
    if (master >= 0) ::close(master);
    master = -1;
  }
  void send(std::initializer_list<std::uint8_t> bytes) {
    for (std::uint8_t b : bytes) ASSERT_EQ(::write(master, &b, 1), 1);
  }
  std::vector<std::uint8_t> take() {
    std::vector<std::uint8_t> got(256);
    fcntl(master, F_SETFL, O_NONBLOCK);
    const ssize_t n = ::read(master, got.data(), got.size());
    got.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    return got;
  }
  int master = -1;
  std::string path;
};

std::unique_ptr<SerialPort> OpenConfigured(const std::string& path, const CommTimeouts& t) {
  OpenedPort opened = PosixSerialPort::open(path);
  EXPECT_TRUE(opened.port) << "errno " << opened.error;
  if (opened.port) {
    opened.port->setTimeouts(t);
    opened.port->setLineSettings();
  }
  return std::move(opened.port);
}

TEST(PosixSerialPort, ASilentLineTimesOutWithSuccessAndLeavesTheBuffer) {
  Pty pty;
  auto port = OpenConfigured(pty.path, kCloneTimeouts);
  std::uint8_t buf[2] = {0x5A, 0x5A};
  std::size_t got = 99;
  const auto start = Clock::now();
  EXPECT_TRUE(port->read(buf, 1, got));
  const long long ms = MsSince(start);
  EXPECT_EQ(got, 0u);
  EXPECT_EQ(buf[0], 0x5A);
  // 500 ms per byte plus 120 ms.
  EXPECT_GE(ms, 615);
  EXPECT_LT(ms, 1000);
}

TEST(PosixSerialPort, TheIntervalTimeOutEndsAReadSoonAfterTheLastByte) {
  Pty pty;
  auto port = OpenConfigured(pty.path, kCloneTimeouts);
  pty.send({0x01, 0x02, 0x03});
  std::uint8_t buf[12] = {};
  buf[3] = 0x77;
  std::size_t got = 0;
  const auto start = Clock::now();
  EXPECT_TRUE(port->read(buf, 12, got));
  const long long ms = MsSince(start);
  EXPECT_EQ(got, 3u);
  EXPECT_EQ(buf[2], 0x03);
  EXPECT_EQ(buf[3], 0x77);
  // 80 ms after the last byte, far from the total of 6120 ms.
  EXPECT_GE(ms, 75);
  EXPECT_LT(ms, 600);
}

TEST(PosixSerialPort, TheTotalTimeOutHoldsWhileBytesKeepTrickling) {
  Pty pty;
  auto port = OpenConfigured(pty.path, CommTimeouts{100, 10, 100, 50, 50});
  std::thread trickle([&] {
    for (int i = 0; i < 20; ++i) {
      pty.send({static_cast<std::uint8_t>(i)});
      std::this_thread::sleep_for(std::chrono::milliseconds(40));
    }
  });
  std::uint8_t buf[20] = {};
  std::size_t got = 0;
  const auto start = Clock::now();
  EXPECT_TRUE(port->read(buf, 20, got));
  const long long ms = MsSince(start);
  trickle.join();
  // 10 ms x 20 + 100 ms = 300 ms in all, though no gap reached 100 ms.
  EXPECT_GE(ms, 295);
  EXPECT_LT(ms, 700);
  EXPECT_GT(got, 3u);
  EXPECT_LT(got, 20u);
}

TEST(PosixSerialPort, AReadReturnsAsSoonAsAllBytesHaveCome) {
  Pty pty;
  auto port = OpenConfigured(pty.path, kCloneTimeouts);
  pty.send({0x06, 0x07});
  std::uint8_t buf[2] = {};
  std::size_t got = 0;
  const auto start = Clock::now();
  EXPECT_TRUE(port->read(buf, 2, got));
  EXPECT_LT(MsSince(start), 60);
  EXPECT_EQ(got, 2u);
  EXPECT_EQ(buf[0], 0x06);
  EXPECT_EQ(buf[1], 0x07);
}

TEST(PosixSerialPort, ACancelLetsAnAnswerInHandFinishButEndsASilentWaitAtOnce) {
  Pty pty;
  auto port = OpenConfigured(pty.path, kCloneTimeouts);
  port->setCancelTest([] { return true; });
  // The radio's acknowledgement comes 20 ms after the Cancel: the block in
  // hand still counts, so the radio is never left in the middle of one.
  std::thread radio([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    pty.send({0x06});
  });
  std::uint8_t ack = 0;
  std::size_t got = 0;
  EXPECT_TRUE(port->read(&ack, 1, got));
  radio.join();
  EXPECT_EQ(got, 1u);
  EXPECT_EQ(ack, 0x06);
  // Nothing comes: the wait that would last 620 ms ends well within 0.2 s.
  const auto start = Clock::now();
  EXPECT_TRUE(port->read(&ack, 1, got));
  EXPECT_EQ(got, 0u);
  EXPECT_LT(MsSince(start), 200);
}

TEST(PosixSerialPort, PurgeDropsReceivedBytesButNotWrittenOnes) {
  Pty pty;
  auto port = OpenConfigured(pty.path, CommTimeouts{10, 10, 10, 120, 80});
  const std::uint8_t out[3] = {0x52, 0x00, 0x08};
  EXPECT_TRUE(port->write(out, 3));
  pty.send({0xAA, 0xBB});
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  // In packet mode the far end learns which of the line's queues were flushed.
  int packetMode = 1;
  ASSERT_EQ(ioctl(pty.master, TIOCPKT, &packetMode), 0);
  port->purge(kPurgeAll);
  std::uint8_t buf[1] = {0};
  std::size_t got = 9;
  EXPECT_TRUE(port->read(buf, 1, got));
  EXPECT_EQ(got, 0u);
  EXPECT_EQ(pty.take(), std::vector<std::uint8_t>{TIOCPKT_FLUSHREAD});
  EXPECT_EQ(pty.take(), (std::vector<std::uint8_t>{TIOCPKT_DATA, 0x52, 0x00, 0x08}));
}

// The conversations purge with the two clear flags together, which would hide a
// purge that looked at the wrong one: each flag alone, only the receive clear
// drops what has come in, and none throws away what was written.
TEST(PosixSerialPort, EachPurgeFlagOnItsOwn) {
  const struct {
    unsigned flag;
    bool dropsReceived;
  } flags[] = {{0x01, false}, {0x02, false}, {0x04, false}, {0x08, true}};
  for (const auto& f : flags) {
    SCOPED_TRACE(f.flag);
    Pty pty;
    auto port = OpenConfigured(pty.path, CommTimeouts{10, 10, 10, 120, 80});
    const std::uint8_t out = 0x52;
    EXPECT_TRUE(port->write(&out, 1));
    pty.send({0xAA});
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    int packetMode = 1;
    ASSERT_EQ(ioctl(pty.master, TIOCPKT, &packetMode), 0);
    port->purge(f.flag);
    std::uint8_t buf[1] = {0};
    std::size_t got = 9;
    EXPECT_TRUE(port->read(buf, 1, got));
    EXPECT_EQ(got, f.dropsReceived ? 0u : 1u);
    if (f.dropsReceived) {
      EXPECT_EQ(pty.take(), std::vector<std::uint8_t>{TIOCPKT_FLUSHREAD});
    } else {
      EXPECT_EQ(buf[0], 0xAA);
    }
    EXPECT_EQ(pty.take(), (std::vector<std::uint8_t>{TIOCPKT_DATA, 0x52}));
  }
}

TEST(PosixSerialPort, LineSettingsAre9600RawEightNoneOne) {
  Pty pty;
  auto port = OpenConfigured(pty.path, kCloneTimeouts);
  const int fd = ::open(pty.path.c_str(), O_RDWR | O_NOCTTY);
  if (fd < 0 && errno == EBUSY) GTEST_SKIP() << "TIOCEXCL keeps a second look out";
  ASSERT_GE(fd, 0);
  termios tio{};
  ASSERT_EQ(tcgetattr(fd, &tio), 0);
  ::close(fd);
  EXPECT_EQ(cfgetospeed(&tio), B9600);
  EXPECT_EQ(cfgetispeed(&tio), B9600);
  EXPECT_EQ(tio.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
  EXPECT_EQ(tio.c_cflag & (PARENB | CSTOPB), 0u);
  EXPECT_EQ(tio.c_lflag & (ICANON | ECHO | ISIG), 0u);
  EXPECT_EQ(tio.c_iflag & (IXON | ICRNL | ISTRIP), 0u);
  EXPECT_EQ(tio.c_oflag & OPOST, 0u);
}

TEST(PosixSerialPort, APortIsHeldExclusivelyAndFreeAgainOnceClosed) {
  Pty pty;
  OpenedPort first = PosixSerialPort::open(pty.path);
  ASSERT_TRUE(first.port);
  OpenedPort second = PosixSerialPort::open(pty.path);
  EXPECT_FALSE(second.port);
  // flock refuses with EWOULDBLOCK; TIOCEXCL with EBUSY when not root.
  EXPECT_TRUE(second.error == EWOULDBLOCK || second.error == EBUSY) << second.error;
  first.port->close();
  EXPECT_FALSE(first.port->isOpen());
  OpenedPort third = PosixSerialPort::open(pty.path);
  EXPECT_TRUE(third.port);
  third.port.reset();  // destroying closes too
  EXPECT_TRUE(PosixSerialPort::open(pty.path).port);
}

TEST(PosixSerialPort, APortLockedByAnotherProgramCannotBeOpened) {
  Pty pty;
  const int holder = ::open(pty.path.c_str(), O_RDWR | O_NOCTTY);
  ASSERT_GE(holder, 0);
  ASSERT_EQ(flock(holder, LOCK_EX | LOCK_NB), 0);
  OpenedPort refused = PosixSerialPort::open(pty.path);
  EXPECT_FALSE(refused.port);
  EXPECT_EQ(refused.error, EWOULDBLOCK);
  ::close(holder);
  EXPECT_TRUE(PosixSerialPort::open(pty.path).port);
}

TEST(PosixSerialPort, OpenFailuresKeepTheirCause) {
  OpenedPort missing = PosixSerialPort::open("/dev/qm314-no-such-port");
  EXPECT_FALSE(missing.port);
  EXPECT_EQ(missing.error, ENOENT);
  EXPECT_EQ(missing.device, "/dev/qm314-no-such-port");
  OpenedPort notATerminal = PosixSerialPort::open("/dev/null");
  EXPECT_FALSE(notATerminal.port);
  EXPECT_EQ(notATerminal.error, ENOTTY);
}

TEST(PosixSerialPort, APulledCableFailsReadsAndWrites) {
  Pty pty;
  auto port = OpenConfigured(pty.path, kCloneTimeouts);
  pty.closeMaster();
  std::uint8_t buf[4] = {};
  std::size_t got = 0;
  const auto start = Clock::now();
  EXPECT_FALSE(port->read(buf, 4, got));
  EXPECT_LT(MsSince(start), 500);
  const std::uint8_t ack = 0x06;
  EXPECT_FALSE(port->write(&ack, 1));
}

}  // namespace
}  // namespace qm314
