// Progress bar and message boxes of a transfer on the terminal.
#include "cli/transfer_console.h"

#include "link/clone_frames.h"

namespace qm314::cli {
namespace {

constexpr int kBarWidth = 32;

}  // namespace

void TransferConsole::setStatus(const std::string& text) {
  status_ = text;
  draw();
}

void TransferConsole::setProgress(int position) {
  position_ = position;
  draw();
}

MessageAnswer TransferConsole::showMessage(const std::string& text, MessageButtons buttons) {
  clearBar();
  err_ << text << '\n' << std::flush;
  if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
  if (retriesLeft_ > 0) {
    --retriesLeft_;
    return MessageAnswer::Retry;
  }
  return MessageAnswer::Cancel;
}

void TransferConsole::showOpenFailure(const std::string& text, const std::string& details) {
  clearBar();
  err_ << text << '\n' << details << '\n' << std::flush;
}

void TransferConsole::finish() {
  if (barShown_) err_ << '\n' << std::flush;
  barShown_ = false;
}

void TransferConsole::draw() {
  if (!drawBar_) return;
  const int filled = position_ * kBarWidth / clone::kProgressFull;
  // The status is either a block count, which the bar already shows, or a text.
  const bool count = !status_.empty() && status_.find_first_not_of("0123456789") == std::string::npos;
  err_ << "\r\033[K" << caption_ << " [" << std::string(static_cast<std::size_t>(filled), '#')
       << std::string(static_cast<std::size_t>(kBarWidth - filled), '-') << "] "
       << position_ << '/' << clone::kProgressFull;
  if (!count) err_ << "  " << status_;
  err_ << std::flush;
  barShown_ = true;
}

void TransferConsole::clearBar() {
  if (barShown_) err_ << "\r\033[K";
  barShown_ = false;
}

}  // namespace qm314::cli
