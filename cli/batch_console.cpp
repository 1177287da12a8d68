// Radio lines and the ports' state line of a batch on the terminal.
#include "cli/batch_console.h"

namespace qm314::cli {
namespace {

// Blocks move every few tens of milliseconds on each port: the state line is
// redrawn for them no more often than this.
constexpr std::chrono::milliseconds kRedraw{100};

}  // namespace

std::string PortLabel(const std::string& port, const std::string& device) {
  if (device.empty() || device == port) return port;
  return port + " (" + device + ")";
}

BatchConsole::BatchConsole(std::ostream& out, std::ostream& err, bool drawStatus, std::vector<std::string> ports)
    : out_(out), err_(err), drawStatus_(drawStatus), ports_(std::move(ports)), shown_(ports_.size()) {}

void BatchConsole::stationChanged(const StationReport& report) {
  std::lock_guard lock(mutex_);
  StationReport& shown = shown_.at(static_cast<std::size_t>(report.station));
  const bool stateChanged = shown.state != report.state;
  shown = report;
  draw(stateChanged);
}

void BatchConsole::radioFinished(int station, const RadioRecord& record) {
  std::lock_guard lock(mutex_);
  clear();
  out_ << PortLabel(ports_.at(static_cast<std::size_t>(station)), record.device) << ": "
       << OutcomeText(record.outcome);
  // A verify report names each differing block on a line of its own.
  std::string message = record.message;
  for (std::size_t at = 0; (at = message.find('\n', at)) != std::string::npos; at += 3) message.replace(at, 1, "\n  ");
  if (!message.empty()) out_ << ": " << message;
  if (!record.details.empty()) out_ << "\n  " << record.details;
  out_ << '\n' << std::flush;
  draw(true);
}

void BatchConsole::say(const std::string& text) {
  std::lock_guard lock(mutex_);
  clear();
  err_ << text << std::flush;
}

void BatchConsole::finish() {
  std::lock_guard lock(mutex_);
  if (statusShown_) err_ << '\n' << std::flush;
  statusShown_ = false;
}

void BatchConsole::draw(bool force) {
  if (!drawStatus_) return;
  const auto now = std::chrono::steady_clock::now();
  if (!force && now - drawn_ < kRedraw) return;
  drawn_ = now;
  err_ << "\r\033[K";
  for (std::size_t i = 0; i < shown_.size(); ++i) {
    const std::string text = StationText(shown_[i]);
    err_ << (i == 0 ? "" : " | ") << ports_[i] << ": " << text.substr(0, text.find('\n'));
  }
  err_ << std::flush;
  statusShown_ = true;
}

void BatchConsole::clear() {
  if (statusShown_) err_ << "\r\033[K";
  statusShown_ = false;
}

}  // namespace qm314::cli
