// Reads, writes and pauses that wait on the page's promises (ASYNCIFY): the
// conversation's C++ stack is put aside while the browser carries the bytes.
#include "web/browser_serial_port.h"

#include <emscripten/em_js.h>
#include <emscripten/emscripten.h>

#include <algorithm>
#include <cerrno>

namespace {

// The line's answers to a wait: what the port's reader brought, or why not.
constexpr int kInputWaiting = 1;
constexpr int kTimedOut = 0;

// The line's answers to an open (js/line.js).
constexpr int kOpened = 0;
constexpr int kAlreadyOpen = 2;  // this page holds the port already
constexpr int kNotAllowed = 3;   // the browser took back the permission

}  // namespace

EM_ASYNC_JS(int, qm314_line_open, (), { return await Module.qm314Line.open(); });
EM_ASYNC_JS(int, qm314_line_wait, (double milliseconds), { return await Module.qm314Line.waitForInput(milliseconds); });
EM_JS(int, qm314_line_take, (std::uint8_t* buffer, int most), { return Module.qm314Line.take(buffer, most); });
EM_JS(void, qm314_line_purge, (), { Module.qm314Line.purge(); });
EM_ASYNC_JS(int, qm314_line_write, (const std::uint8_t* bytes, int count, double milliseconds), {
  return await Module.qm314Line.write(HEAPU8.slice(bytes, bytes + count), milliseconds);
});
EM_ASYNC_JS(void, qm314_line_close, (), { await Module.qm314Line.close(); });
EM_ASYNC_JS(void, qm314_pause, (double milliseconds), { await Module.qm314Pause(milliseconds); });

namespace qm314::web {

OpenedPort BrowserSerialPort::open(const std::string& portName) {
  OpenedPort opened;
  opened.device = portName;
  switch (qm314_line_open()) {
    case kOpened:
      opened.port.reset(new BrowserSerialPort());
      break;
    case kAlreadyOpen:
      opened.error = EALREADY;
      break;
    case kNotAllowed:
      opened.error = EACCES;
      break;
    default:
      // The browser says no more than that the system did not open it: held
      // by another program or page, or unplugged.
      opened.error = EBUSY;
  }
  return opened;
}

BrowserSerialPort::~BrowserSerialPort() { close(); }

void BrowserSerialPort::close() {
  if (!open_) return;
  open_ = false;
  qm314_line_close();
}

// The line was opened at 9600 baud, 8N1 without flow control, and the
// browser keeps its own queues: nothing to set.
void BrowserSerialPort::setupComm(std::size_t, std::size_t) {}
void BrowserSerialPort::setLineSettings() {}

void BrowserSerialPort::setTimeouts(const CommTimeouts& timeouts) { timeouts_ = timeouts; }

void BrowserSerialPort::purge(unsigned flags) {
  // Written bytes are the browser's once write() returned; only input is dropped.
  if ((flags & kPurgeRxClear) != 0) qm314_line_purge();
}

void BrowserSerialPort::setCancelTest(std::function<bool()> test) {
  cancelTest_ = std::move(test);
  cancelDeadline_ = -1;
}

double BrowserSerialPort::cancelDeadline() {
  if (cancelDeadline_ < 0 && cancelTest_ && cancelTest_()) cancelDeadline_ = emscripten_get_now() + kCancelGraceMs;
  return cancelDeadline_;
}

namespace {

// The earlier of two deadlines, where below zero is none.
double Earlier(double a, double b) {
  if (a < 0) return b;
  if (b < 0) return a;
  return std::min(a, b);
}

}  // namespace

bool BrowserSerialPort::write(const std::uint8_t* bytes, std::size_t n) {
  if (!open_) return false;
  const double budgetMs = static_cast<double>(timeouts_.writeTotalMultiplier) * static_cast<double>(n) +
                          timeouts_.writeTotalConstant;
  // No budget means no limit, as on Windows; after a Cancel, the grace is the limit.
  const double now = emscripten_get_now();
  const double deadline = Earlier(budgetMs > 0 ? now + budgetMs : -1, cancelDeadline());
  if (deadline >= 0 && deadline <= now) return false;
  return qm314_line_write(bytes, static_cast<int>(n), deadline < 0 ? -1 : deadline - now) != 0;
}

bool BrowserSerialPort::read(std::uint8_t* buf, std::size_t n, std::size_t& got) {
  got = 0;
  if (!open_) return false;
  if (n == 0) return true;
  const double start = emscripten_get_now();
  const double totalMs = static_cast<double>(timeouts_.readTotalMultiplier) * static_cast<double>(n) +
                         timeouts_.readTotalConstant;
  const double totalDeadline = totalMs > 0 ? start + totalMs : -1;
  const double intervalMs = timeouts_.readInterval;
  double lastByte = 0;
  while (got < n) {
    double deadline = totalDeadline;
    // The interval time-out only runs once the first byte has come.
    if (intervalMs > 0 && got > 0) deadline = Earlier(deadline, lastByte + intervalMs);
    // A Cancel ends the wait as its time-out would: success with a short count.
    deadline = Earlier(deadline, cancelDeadline());
    const double now = emscripten_get_now();
    // Below zero the line waits without a limit.
    double wait = deadline < 0 ? -1 : std::max(0.0, deadline - now);
    // Until the cancel test says yes, it is asked between slices of the wait.
    const bool sliced = cancelTest_ && cancelDeadline_ < 0 && (wait < 0 || wait > kCancelLookMs);
    if (sliced) wait = kCancelLookMs;
    const int state = qm314_line_wait(wait);
    if (state == kTimedOut) {
      if (sliced) continue;
      return true;  // success with a short count
    }
    if (state != kInputWaiting) return false;  // the line is gone
    got += static_cast<std::size_t>(qm314_line_take(buf + got, static_cast<int>(n - got)));
    lastByte = emscripten_get_now();
  }
  return true;
}

void BrowserPacer::pause(unsigned milliseconds) { qm314_pause(milliseconds); }

}  // namespace qm314::web
