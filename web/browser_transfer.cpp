// Read From Radio and Write To Radio for a page: the core's CloneTransfer over
// the page's port, its message boxes answered by the page, and what the desktop
// program tells after a transfer (how far a stopped write got, the read-back's
// verdict) in the result.  js/api.js calls these as async functions.
#include <emscripten/em_js.h>
#include <emscripten/emscripten.h>

#include <algorithm>
#include <optional>
#include <string>

#include "link/clone_transfer.h"
#include "link/messages.h"
#include "link/wakeup_word.h"
#include "link/write_verify.h"
#include "radio/codec.h"
#include "radio/messages.h"
#include "web/browser_serial_port.h"

// The page's side of a conversation: Module.qm314Events (status, progress,
// cancelled, ask, verifying) and Module.qm314Result, both set by js/api.js.
EM_JS(void, qm314_event_status, (const char* text), { Module.qm314Events.status(UTF8ToString(text)); });
EM_JS(void, qm314_event_progress, (int position), { Module.qm314Events.progress(position); });
EM_JS(int, qm314_event_cancelled, (), { return Module.qm314Events.cancelled() ? 1 : 0; });
EM_JS(void, qm314_event_verifying, (), { Module.qm314Events.verifying(); });
// The index of the button the user chose, or -1 for none.
EM_ASYNC_JS(int, qm314_event_ask, (const char* text, const char* details, const char* first, const char* second), {
  const buttons = [UTF8ToString(first)];
  if (second) buttons.push(UTF8ToString(second));
  return buttons.indexOf(await Module.qm314Events.ask(UTF8ToString(text), buttons, UTF8ToString(details)));
});
EM_JS(void, qm314_result_text, (const char* key, const char* text), {
  Module.qm314Result[UTF8ToString(key)] = UTF8ToString(text);
});
EM_JS(void, qm314_result_number, (const char* key, int value), { Module.qm314Result[UTF8ToString(key)] = value; });
EM_JS(void, qm314_result_bytes, (const char* key, const std::uint8_t* bytes, int count), {
  Module.qm314Result[UTF8ToString(key)] = HEAPU8.slice(bytes, bytes + count);
});

namespace qm314::web {
namespace {

// The page hands over the port the user chose; its name tells nobody more.
constexpr const char* kPortName = "the serial port";

class PageObserver final : public TransferObserver {
 public:
  void setStatus(const std::string& text) override { qm314_event_status(text.c_str()); }
  void setProgress(int position) override { qm314_event_progress(position); }
  bool cancelRequested() override { return qm314_event_cancelled() != 0; }
  MessageAnswer showMessage(const std::string& text, MessageButtons buttons) override {
    return ask(text, {}, buttons);
  }
  void showOpenFailure(const std::string& text, const std::string& details) override {
    ask(text, details, MessageButtons::Ok);
  }

  // The last box the conversation showed: the failure's own words.
  const std::string& message() const { return message_; }
  const std::string& details() const { return details_; }

 private:
  MessageAnswer ask(const std::string& text, const std::string& details, MessageButtons buttons) {
    message_ = text;
    details_ = details;
    if (buttons == MessageButtons::Ok) {
      qm314_event_ask(text.c_str(), details.c_str(), msg::kOkButton, nullptr);
      return MessageAnswer::Ok;
    }
    // Without an answer the conversation ends, as Cancel ends it.
    const int chosen = qm314_event_ask(text.c_str(), details.c_str(), msg::kRetryButton, msg::kCancelButton);
    return chosen == 0 ? MessageAnswer::Retry : MessageAnswer::Cancel;
  }

  std::string message_;
  std::string details_;
};

const char* OutcomeName(TransferOutcome outcome) {
  switch (outcome) {
    case TransferOutcome::Completed: return "completed";
    case TransferOutcome::Cancelled: return "cancelled";
    default: return "failed";
  }
}

void ReportEnding(TransferOutcome outcome, const PageObserver& observer) {
  qm314_result_text("outcome", OutcomeName(outcome));
  qm314_result_text("message", observer.message().c_str());
  qm314_result_text("details", observer.details().c_str());
}

// The clone word: the page's letters when it names any, else the default.
std::optional<WakeUpWord> CloneWord(const char* letters) {
  std::string error;
  std::optional<WakeUpWord> word = ConfiguredCloneWord(letters, error);
  if (!word) {
    qm314_result_text("outcome", OutcomeName(TransferOutcome::Failed));
    qm314_result_text("message", error.c_str());
  }
  return word;
}

void ReportBytes(const char* key, const RadioImage& image) {
  qm314_result_bytes(key, image.data(), static_cast<int>(layout::kImageSize));
}

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void qm314_read_radio(const char* cloneLetters) {
  const std::optional<WakeUpWord> word = CloneWord(cloneLetters);
  if (!word) return;
  BrowserPacer pacer;
  PageObserver observer;
  CloneTransfer transfer(BrowserSerialPort::open, pacer, observer, *word);
  RadioImage image;
  const TransferOutcome outcome = transfer.run(TransferDirection::Read, kPortName, image);
  ReportEnding(outcome, observer);
  if (outcome == TransferOutcome::Completed) ReportBytes("bytes", image);
}

EMSCRIPTEN_KEEPALIVE void qm314_write_radio(const std::uint8_t* bytes, int count, const char* name, int verify,
                                            const char* cloneLetters) {
  if (count < static_cast<int>(layout::kImageSize)) {
    qm314_result_text("outcome", OutcomeName(TransferOutcome::Failed));
    qm314_result_text("message", messages::FileTooShort(name, static_cast<std::size_t>(count)).c_str());
    return;
  }
  const std::optional<WakeUpWord> word = CloneWord(cloneLetters);
  if (!word) return;
  // Sent as the program sends a document: its grid and settings encoded first.
  RadioImage image;
  std::copy_n(bytes, layout::kImageSize, image.data());
  ChannelTable grid;
  PanelSelections panel;
  Decode(image, grid, panel);
  Encode(grid, panel, image);

  BrowserPacer pacer;
  PageObserver observer;
  CloneTransfer transfer(BrowserSerialPort::open, pacer, observer, *word);
  const TransferOutcome outcome = transfer.run(TransferDirection::Write, kPortName, image);
  ReportEnding(outcome, observer);
  ReportBytes("bytes", image);
  qm314_result_number("blocksWritten", transfer.blocksWritten());
  qm314_result_text("verify", "not-run");
  if (outcome != TransferOutcome::Completed) {
    qm314_result_text("report", UnfinishedWriteReport(transfer.blocksWritten()).c_str());
    return;
  }
  if (verify == 0) return;

  qm314_event_verifying();
  RadioImage readBack;
  if (transfer.run(TransferDirection::Read, kPortName, readBack) != TransferOutcome::Completed) {
    qm314_result_text("verify", "read-failed");
    qm314_result_text("report", kVerifyReadFailed);
    return;
  }
  const std::vector<BlockMismatch> mismatches = CompareWrittenBlocks(image, readBack);
  qm314_result_text("verify", mismatches.empty() ? "same" : "differs");
  qm314_result_number("differingBlocks", static_cast<int>(mismatches.size()));
  qm314_result_text("report", VerifyReport(mismatches).c_str());
}

}  // extern "C"

}  // namespace qm314::web
