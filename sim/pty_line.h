// Serves a SimRadio on a pseudo-terminal as a real line would carry it: bytes in
// both directions take their 9600-baud time, and the radio answers a moment
// (a millisecond unless told otherwise) after a request's last byte has fully
// arrived, never sooner.
#pragma once

#include <csignal>
#include <functional>
#include <string>

#include "sim/sim_radio.h"

namespace qm314::sim {

class PtyLine {
 public:
  enum class End { Stopped, Unplugged, Failed };

  // How long after a request's last byte has fully arrived the radio starts to answer.
  static constexpr double kDefaultAnswerDelayMs = 1.0;

  explicit PtyLine(double answerDelayMs = kDefaultAnswerDelayMs)
      : answerDelayNs_(static_cast<long long>(answerDelayMs * 1e6)) {}
  ~PtyLine();
  PtyLine(const PtyLine&) = delete;
  PtyLine& operator=(const PtyLine&) = delete;

  // Creates the pseudo-terminal; false with a message in `error`.
  bool open(std::string& error);
  // Carries the line over standard input and output instead, for a program
  // that drives the radio through pipes; the line ends when its input does.
  void openStandardStreams();
  const std::string& devicePath() const { return devicePath_; }

  // Runs until `stop` is set (by a signal that `waitMask` lets through while
  // waiting) or the radio pulls the cable, which closes the line.
  End serve(SimRadio& radio, const volatile std::sig_atomic_t& stop, const sigset_t& waitMask,
            const std::function<void(const SimReply&)>& onReply);

 private:
  void close();

  long long answerDelayNs_;
  int master_ = -1;
  int output_ = -1;  // master_ on a pseudo-terminal
  // Held open so the line stays up between two programs using it.
  int slave_ = -1;
  std::string devicePath_;
};

}  // namespace qm314::sim
