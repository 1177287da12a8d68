// Runs the tuning command on a worker thread, so the Debug Mode dialog keeps
// painting while it waits on the radio; the command's message boxes are shown on
// the GUI thread while the worker waits for the answer.
#pragma once

#include <QObject>
#include <QThread>
#include <functional>
#include <string>

#include "debugmode/debug_command.h"

namespace qm314 {

class DebugStartRunner : public QObject {
  Q_OBJECT

 public:
  // Shows a box on the GUI thread and returns the answer.  `details` is empty
  // but for a port that did not open.
  using AskUser = std::function<MessageAnswer(const std::string& text, const std::string& details,
                                              MessageButtons buttons, MessageKind kind)>;

  DebugStartRunner(AskUser ask, QObject* parent = nullptr);
  ~DebugStartRunner() override;

  // `link.pacer` may be null: the runner then sleeps for real.
  void start(const DebugCommand& command, const std::string& portName, DebugLink link);
  bool isRunning() const { return running_; }

 signals:
  void finished(qm314::DebugOutcome outcome);

 private:
  AskUser ask_;
  SleepPacer sleepPacer_;
  QThread* thread_ = nullptr;
  bool running_ = false;
};

}  // namespace qm314
