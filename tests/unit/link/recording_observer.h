// A transfer observer that records what the user would see, answers message
// boxes from a list given in advance and cancels when a test says so.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "link/transfer_observer.h"

namespace qm314::test {

struct ShownMessage {
  std::string text;
  MessageButtons buttons;
};

class RecordingObserver : public TransferObserver {
 public:
  void setStatus(const std::string& text) override { statuses.push_back(text); }
  void setProgress(int position) override { progress.push_back(position); }
  bool cancelRequested() override {
    ++cancelTests;
    return cancelWhen && cancelWhen();
  }
  void pumpStep() override { ++pumps; }
  MessageAnswer showMessage(const std::string& text, MessageButtons buttons) override {
    messages.push_back({text, buttons});
    if (onMessage) onMessage();
    if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
    if (answers.empty()) return MessageAnswer::Cancel;
    const MessageAnswer a = answers.front();
    answers.pop_front();
    return a;
  }

  std::vector<std::string> statuses;
  std::vector<int> progress;
  std::vector<ShownMessage> messages;
  std::deque<MessageAnswer> answers;  // for Retry/Cancel boxes; Cancel when empty
  std::function<bool()> cancelWhen;
  std::function<void()> onMessage;
  int cancelTests = 0;
  int pumps = 0;
};

}  // namespace qm314::test
