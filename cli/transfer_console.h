// The command line's face of a clone transfer: the program's messages on
// standard error, a progress bar when that is a terminal, Retry answered a given
// number of times, and a cancel flag that Ctrl+C raises.
#pragma once

#include <atomic>
#include <ostream>
#include <string>

#include "link/transfer_observer.h"

namespace qm314::cli {

class TransferConsole final : public TransferObserver {
 public:
  TransferConsole(std::ostream& err, bool drawBar, std::string caption, int retries,
                  const std::atomic<bool>& cancel)
      : err_(err), drawBar_(drawBar), caption_(std::move(caption)), retriesLeft_(retries),
        cancel_(cancel) {}

  void setStatus(const std::string& text) override;
  void setProgress(int position) override;
  bool cancelRequested() override { return cancel_.load(std::memory_order_relaxed); }
  MessageAnswer showMessage(const std::string& text, MessageButtons buttons) override;
  // The cause and the fix go on the line after the program's message.
  void showOpenFailure(const std::string& text, const std::string& details) override;

  // Ends the bar's line, if one is drawn.
  void finish();

 private:
  void draw();
  void clearBar();

  std::ostream& err_;
  bool drawBar_;
  std::string caption_;
  int retriesLeft_;
  const std::atomic<bool>& cancel_;
  std::string status_;
  int position_ = 0;
  bool barShown_ = false;
};

}  // namespace qm314::cli
