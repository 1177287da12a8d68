// The message boxes a radio conversation may ask its user, and the answers;
// whoever shows them (dialog, command line, test) answers through these.
#pragma once

#include <string>

namespace qm314 {

enum class MessageButtons { Ok, RetryCancel };
enum class MessageAnswer { Ok, Retry, Cancel };
// Whether a message tells of a failure or of a conversation that went well.
enum class MessageKind { Error, Success };

// Whoever runs a radio conversation answers its message boxes.
class MessageAsker {
 public:
  virtual ~MessageAsker() = default;
  // Blocks until the user answers.
  virtual MessageAnswer showMessage(const std::string& text, MessageButtons buttons) = 0;
  // The port did not open: the program's message (OK only) and, as its details,
  // what the system tells of the cause and the fix.  An asker with no place for
  // details shows the message alone.
  virtual void showOpenFailure(const std::string& text, const std::string& details) {
    (void)details;
    showMessage(text, MessageButtons::Ok);
  }
  // The conversation went well (OK only).  An asker that shows every message
  // alike shows it as any other.
  virtual void showSuccess(const std::string& text) { showMessage(text, MessageButtons::Ok); }
};

}  // namespace qm314
