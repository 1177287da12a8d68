// Worker-thread run of the tuning command.
#include "desktop/debugmode/debug_start_runner.h"

#include <QMetaObject>

#include "desktop/link/thread_handover.h"

namespace qm314 {

namespace {

// Hands each box to the GUI thread and blocks the worker until it is answered.
class GuiThreadObserver : public DebugObserver {
 public:
  GuiThreadObserver(QObject* guiObject, const DebugStartRunner::AskUser& ask)
      : guiObject_(guiObject), ask_(ask) {}

  MessageAnswer showMessage(const std::string& text, MessageButtons buttons) override {
    return ask(text, {}, buttons, MessageKind::Error);
  }

  void showOpenFailure(const std::string& text, const std::string& details) override {
    ask(text, details, MessageButtons::Ok, MessageKind::Error);
  }

  void showSuccess(const std::string& text) override {
    ask(text, {}, MessageButtons::Ok, MessageKind::Success);
  }

 private:
  MessageAnswer ask(const std::string& text, const std::string& details, MessageButtons buttons,
                    MessageKind kind) {
    MessageAnswer answer = MessageAnswer::Cancel;
    PostHandover(&answer, [&] {
      QMetaObject::invokeMethod(
          guiObject_,
          [&] {
            ReceiveHandover(&answer);
            answer = ask_(text, details, buttons, kind);
            SendHandover(&answer);
          },
          Qt::BlockingQueuedConnection);
    });
    ReceiveHandover(&answer);
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
    PostHandover(this, [&] {
      QMetaObject::invokeMethod(
          this,
          [this, outcome] {
            ReceiveHandover(this);
            running_ = false;
            emit finished(outcome);
          },
          Qt::QueuedConnection);
    });
  });
  thread_->start();
}

}  // namespace qm314
