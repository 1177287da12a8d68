// The command line's face of programming several radios: one line per radio on
// standard output the moment its outcome is known, and while a terminal
// watches, the state of every port on one line of standard error.
#pragma once

#include <chrono>
#include <mutex>
#include <ostream>
#include <string>
#include <vector>

#include "link/batch_writer.h"

namespace qm314::cli {

class BatchConsole final : public BatchObserver {
 public:
  BatchConsole(std::ostream& out, std::ostream& err, bool drawStatus, std::vector<std::string> ports);

  void stationChanged(const StationReport& report) override;
  void radioFinished(int station, const RadioRecord& record) override;

  // A line on standard error, with the ports' line out of its way.
  void say(const std::string& text);
  // Ends the ports' line, if one is drawn.
  void finish();

 private:
  void draw(bool force);
  void clear();

  std::mutex mutex_;
  std::ostream& out_;
  std::ostream& err_;
  bool drawStatus_;
  std::vector<std::string> ports_;
  std::vector<StationReport> shown_;
  bool statusShown_ = false;
  std::chrono::steady_clock::time_point drawn_{};
};

// "COM1 (/dev/ttyUSB0)", or the device path alone when that is the port's name.
std::string PortLabel(const std::string& port, const std::string& device);

}  // namespace qm314::cli
