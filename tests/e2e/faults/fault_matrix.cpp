// The fault matrix: every way the line or the radio can fail, in both directions,
// run end to end against qm314-sim on a pseudo-terminal with the program's own
// transfer and serial port.  For each it checks the message the user sees, what
// was kept (the image after a read, the radio's memory after a write), that no
// descriptor stays open and the port opens again within a second, and it prints
// the table with the time each failure took to show.
#include <dirent.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdio>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "link/clone_transfer.h"
#include "link/messages.h"
#include "link/posix_serial_port.h"
#include "radio/image_file.h"
#include "tests/e2e/faults/port_holder.h"
#include "tests/e2e/link/process.h"

namespace qm314::faults {
namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point from, Clock::time_point to) {
  return std::chrono::duration<double>(to - from).count();
}

// The user's side of a transfer: records what was shown and when, answers OK,
// and Cancel to Retry/Cancel.
class TimedObserver final : public TransferObserver {
 public:
  struct Shown {
    std::string text;
    Clock::time_point at;
  };

  void setStatus(const std::string&) override {}
  void setProgress(int) override {}
  bool cancelRequested() override { return false; }
  MessageAnswer showMessage(const std::string& text, MessageButtons buttons) override {
    shown.push_back({text, Clock::now()});
    return buttons == MessageButtons::RetryCancel ? MessageAnswer::Cancel : MessageAnswer::Ok;
  }

  std::vector<Shown> shown;
};

// The program's own port, noting when the program last sent something.
class TimedPort final : public SerialPort {
 public:
  TimedPort(std::unique_ptr<SerialPort> port, std::optional<Clock::time_point>& lastSend)
      : port_(std::move(port)), lastSend_(lastSend) {}
  void setupComm(std::size_t in, std::size_t out) override { port_->setupComm(in, out); }
  void setTimeouts(const CommTimeouts& t) override { port_->setTimeouts(t); }
  void setLineSettings() override { port_->setLineSettings(); }
  void purge(unsigned flags) override { port_->purge(flags); }
  bool write(const std::uint8_t* bytes, std::size_t n) override {
    lastSend_ = Clock::now();
    return port_->write(bytes, n);
  }
  bool read(std::uint8_t* buf, std::size_t n, std::size_t& got) override {
    return port_->read(buf, n, got);
  }
  void close() override { port_->close(); }
  bool isOpen() const override { return port_->isOpen(); }

 private:
  std::unique_ptr<SerialPort> port_;
  std::optional<Clock::time_point>& lastSend_;
};

enum class Place { Sim, HeldByAnother, Absent };

struct Case {
  std::string fault;
  TransferDirection direction;
  std::vector<std::string> simFaults;
  Place place = Place::Sim;
  TransferOutcome outcome = TransferOutcome::Failed;
  std::vector<std::string> messages;
  int ackedBlocks = 0;  // write: blocks the radio acknowledged before the failure
};

struct Row {
  std::string fault, direction, message, kept, reopen, timing;
  std::vector<std::string> problems;
};

RadioImage Pattern(int multiplier, int offset) {
  RadioImage image;
  for (std::size_t i = 0; i < image.size(); ++i)
    image.at(i) = static_cast<std::uint8_t>((i * static_cast<std::size_t>(multiplier) + static_cast<std::size_t>(offset)) & 0xFF);
  return image;
}

int OpenDescriptors() {
  int count = 0;
  if (DIR* dir = opendir("/proc/self/fd")) {
    while (readdir(dir) != nullptr) ++count;
    closedir(dir);
  }
  return count;
}

bool Exists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0;
}

// How long until the port opens again, or nothing within a second.
std::optional<double> ReopenSeconds(const std::string& device) {
  const Clock::time_point start = Clock::now();
  while (Seconds(start, Clock::now()) < 1.0) {
    if (PosixSerialPort::open(device).port) return Seconds(start, Clock::now());
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return std::nullopt;
}

std::string Fixed(double value, int decimals) {
  char text[32];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

// "blocks 0-60 new, 61-122 as before" for the radio's memory after a write.
std::string DescribeMemory(const RadioImage& memory, const RadioImage& written,
                           const RadioImage& before, int ackedBlocks, std::vector<std::string>& problems) {
  const auto blockEquals = [](const RadioImage& a, const RadioImage& b, int block) {
    return std::equal(a.data() + block * 8, a.data() + block * 8 + 8, b.data() + block * 8);
  };
  for (int block = 0; block < 128; ++block) {
    const bool shouldBeNew = block < ackedBlocks;
    // The block whose acknowledgement failed may or may not have been stored.
    const bool either = block == ackedBlocks && block < 123;
    if (either) continue;
    if (!blockEquals(memory, shouldBeNew ? written : before, block)) {
      problems.push_back("radio block " + std::to_string(block) + " is " +
                         (shouldBeNew ? "not the written data" : "changed"));
    }
  }
  std::string text;
  if (ackedBlocks == 0) text = "radio memory unchanged";
  else if (ackedBlocks >= 123) text = "radio: all 123 blocks written, 0x3D8-0x3FF untouched";
  else text = "radio: blocks 0-" + std::to_string(ackedBlocks - 1) + " written, rest as before";
  if (ackedBlocks > 0 && ackedBlocks < 123 && blockEquals(memory, written, ackedBlocks) &&
      !blockEquals(before, written, ackedBlocks)) {
    text += " (block " + std::to_string(ackedBlocks) + " stored, unacknowledged)";
  }
  return text;
}

std::string OutcomeName(TransferOutcome outcome) {
  switch (outcome) {
    case TransferOutcome::Completed: return "completed";
    case TransferOutcome::Cancelled: return "cancelled";
    case TransferOutcome::OpenFailed: return "open failed";
    case TransferOutcome::Failed: return "failed";
  }
  return "?";
}

Row RunCase(const Case& c, const std::string& dir) {
  Row row;
  row.fault = c.fault;
  const bool reading = c.direction == TransferDirection::Read;
  row.direction = reading ? "read" : "write";

  const RadioImage radioBefore = Pattern(7, 3);
  const RadioImage document = Pattern(13, 0x5A);
  const std::string memoryFile = dir + "/radio.int";
  WriteImageFile(dir + "/before.int", radioBefore);
  std::remove(memoryFile.c_str());

  std::vector<std::string> simArgs{"--image", dir + "/before.int", "--save", memoryFile};
  if (!c.simFaults.empty()) {
    simArgs.push_back("--fault");
    simArgs.insert(simArgs.end(), c.simFaults.begin(), c.simFaults.end());
  }
  e2e::Sim sim(simArgs);
  std::optional<PortHolder> holder;
  std::string device = sim.device();
  if (c.place == Place::HeldByAnother) {
    holder.emplace(device);
    if (!holder->holding()) row.problems.push_back("the other process could not take the port");
  }
  if (c.place == Place::Absent) device = "/dev/qm314-no-such-port";

  TimedObserver observer;
  SleepPacer pacer;
  std::optional<Clock::time_point> lastSend;
  const PortOpener opener = [&lastSend](const std::string& name) {
    OpenedPort opened = OpenPortByName(name);
    if (opened.port) opened.port = std::make_unique<TimedPort>(std::move(opened.port), lastSend);
    return opened;
  };
  CloneTransfer transfer(opener, pacer, observer,
                         *MakeWakeUpWord(kDefaultCloneLetters, kCloneWordLetters));
  RadioImage image = document;
  const int descriptorsBefore = OpenDescriptors();
  const Clock::time_point start = Clock::now();
  const TransferOutcome outcome = transfer.run(c.direction, device, image);
  const Clock::time_point end = Clock::now();

  if (outcome != c.outcome) {
    row.problems.push_back("outcome " + OutcomeName(outcome) + ", expected " + OutcomeName(c.outcome));
  }
  std::vector<std::string> texts;
  for (const auto& shown : observer.shown) texts.push_back(shown.text);
  if (texts != c.messages) row.problems.push_back("other messages than expected");
  row.message = texts.empty() ? "(none: " + OutcomeName(outcome) + ")" : "";
  for (const std::string& t : texts) row.message += (row.message.empty() ? "\"" : " / \"") + t + "\"";
  if (OpenDescriptors() != descriptorsBefore) row.problems.push_back("a descriptor was left open");

  // Time to report: from the start to the first message, and from the program's
  // last send (the request the radio failed to answer) to it.
  if (!observer.shown.empty()) {
    const Clock::time_point shownAt = observer.shown.front().at;
    row.timing = Fixed(Seconds(start, shownAt), 2) + " s";
    if (lastSend) row.timing += " (" + Fixed(Seconds(*lastSend, shownAt), 2) + " s after the last send)";
  } else {
    row.timing = "(" + Fixed(Seconds(start, end), 2) + " s to complete)";
  }

  holder.reset();
  if (Exists(device)) {
    const std::optional<double> reopen = ReopenSeconds(device);
    row.reopen = reopen ? Fixed(*reopen * 1000, 0) + " ms" : "NOT within 1 s";
    if (!reopen) row.problems.push_back("the port did not open again within a second");
  } else {
    row.reopen = c.place == Place::Absent ? "n/a (no device)" : "n/a (device gone)";
  }

  if (sim.stop().status != 0) row.problems.push_back("qm314-sim did not end cleanly");
  if (reading) {
    if (outcome == TransferOutcome::Completed) {
      row.kept = "image = radio's memory";
      if (image != radioBefore) row.problems.push_back("the completed read's image differs from the radio");
    } else {
      row.kept = "image unchanged";
      if (image != document) row.problems.push_back("the image changed");
    }
  } else {
    RadioImage memory;
    if (!ReadImageFile(memoryFile, memory)) {
      row.problems.push_back("qm314-sim saved no memory");
    } else {
      row.kept = DescribeMemory(memory, document, radioBefore, c.ackedBlocks, row.problems);
    }
    if (image != document) row.problems.push_back("the write changed the image");
  }
  return row;
}

std::vector<Case> Cases() {
  using D = TransferDirection;
  const std::string commError = msg::kCommunicationError;
  const std::string errorHappened = msg::kErrorHappened;
  const std::string notEnough = msg::kNotEnoughBytes;
  const std::string openFailed = msg::kCouldNotOpenPort;
  std::vector<Case> cases;
  for (D d : {D::Read, D::Write}) {
    const bool read = d == D::Read;
    const int middle = read ? 64 : 61;
    const int last = read ? 127 : 122;
    const std::string m = std::to_string(middle);
    cases.push_back({"silent radio", d, {"silent"}, Place::Sim, TransferOutcome::Failed, {commError}});
    cases.push_back({"wrong confirmation byte", d, {"wrong-confirm"}, Place::Sim, TransferOutcome::Failed, {commError}});
    if (read) {
      for (const char* n : {"9", "10", "11"}) {
        cases.push_back({std::string("answer of ") + n + " bytes at block " + m, d,
                         {std::string("short:") + n + "@" + m}, Place::Sim, TransferOutcome::Failed, {notEnough}});
      }
    }
    for (int block : {0, middle, last}) {
      cases.push_back({"no acknowledgement at block " + std::to_string(block), d,
                       {"no-ack@" + std::to_string(block)}, Place::Sim, TransferOutcome::Failed,
                       {errorHappened}, block});
    }
    cases.push_back({"1 noise byte before the wake-up answer", d, {"noise:1"}, Place::Sim,
                     TransferOutcome::Completed, {}, 123});
    cases.push_back({"2 noise bytes before the wake-up answer", d, {"noise:2"}, Place::Sim,
                     TransferOutcome::Failed, {commError}});
    if (read) {
      // Only the purge before the acknowledgement keeps the stray byte from
      // passing for it and shifting the next block by one byte.
      cases.push_back({"stray byte after the answer of block " + m, d, {"stray@" + m}, Place::Sim,
                       TransferOutcome::Completed, {}});
    }
    cases.push_back({"cable unplugged at block " + m, d, {"unplug@" + m}, Place::Sim,
                     TransferOutcome::Failed, {read ? notEnough : errorHappened}, middle});
    cases.push_back({"port held by another process", d, {}, Place::HeldByAnother,
                     TransferOutcome::OpenFailed, {openFailed}});
    cases.push_back({"port that does not exist", d, {}, Place::Absent, TransferOutcome::OpenFailed,
                     {openFailed}});
  }
  return cases;
}

std::string Cell(std::string text) {
  for (std::size_t at = 0; (at = text.find('|', at)) != std::string::npos; at += 2) text.replace(at, 1, "\\|");
  return text;
}

}  // namespace
}  // namespace qm314::faults

int main(int argc, char** argv) {
  using namespace qm314::faults;
  if (argc < 2) {
    std::cerr << "usage: fault_matrix SCRATCH_DIR [FAULT_SUBSTRING]\n";
    return 2;
  }
  const std::string only = argc > 2 ? argv[2] : "";
  std::cout << "| fault | direction | message | what was kept | port re-opened | time to report |\n"
            << "|---|---|---|---|---|---|\n";
  int failures = 0;
  for (const Case& c : Cases()) {
    if (!only.empty() && c.fault.find(only) == std::string::npos) continue;
    const Row row = RunCase(c, argv[1]);
    std::cout << "| " << Cell(row.fault) << " | " << row.direction << " | " << Cell(row.message) << " | "
              << Cell(row.kept) << " | " << row.reopen << " | " << row.timing << " |" << std::endl;
    for (const std::string& problem : row.problems) {
      std::cerr << "FAIL " << row.fault << " (" << row.direction << "): " << problem << "\n";
      ++failures;
    }
  }
  return failures == 0 ? 0 : 1;
}
