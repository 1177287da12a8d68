// Worker-thread run of the tuning command.
#include "debugmode/debug_start_runner.h"

#include <QMetaObject>

namespace qm314 {

namespace {

// Hands each box to the GUI thread and blocks the worker until it is answered.
class GuiThreadObserver : public DebugObserver {
 public:
  GuiThreadObserver(QObject* guiObject, const DebugStartRunner::AskUser& ask)
      : guiObject_(guiObject), ask_(ask) {}

  MessageAnswer showMessage(const std::string& text, MessageButtons buttons) override {
    return ask(text, {}, buttons);
  }

  void showOpenFailure(const std::string& text, const std::string& details) override {
    ask(text, details, MessageButtons::Ok);
  }

 private:
  MessageAnswer ask(const std::string& text, const std::string& details, MessageButtons buttons) {
    MessageAnswer answer = MessageAnswer::Cancel;
    QMetaObject::invokeMethod(
        guiObject_, [&] { answer = ask_(text, details, buttons); }, Qt::BlockingQueuedConnection);
    return answer;
  }

  QObject* guiObject_;
  const DebugStartRunner::AskUser& ask_;
};

}  // namespace

DebugStartRunner::DebugStartRunner(AskUser ask, QObject* parent)
    : QObject(parent), ask_(std::move(ask)) {}

DebugStartRunner::~DebugStartRunner() {
  if (thread_ != nullptr) {
    thread_->wait();
    delete thread_;
  }
}

void DebugStartRunner::start(const DebugCommand& command, const std::string& portName,
                             DebugLink link) {
  if (running_) return;
  running_ = true;
  if (link.pacer == nullptr) link.pacer = &sleepPacer_;
  if (thread_ != nullptr) {
    thread_->wait();
    delete thread_;
  }
  thread_ = QThread::create([this, command, portName, link] {
    GuiThreadObserver observer(this, ask_);
    const DebugOutcome outcome = runDebugCommand(command, portName, link, observer);
    QMetaObject::invokeMethod(
        this,
        [this, outcome] {
          running_ = false;
          emit finished(outcome);
        },
        Qt::QueuedConnection);
  });
  thread_->start();
}

}  // namespace qm314
