// One port of a batch: its radios one after another, each through the clone
// conversation of a single write and, with verify, the same read-back.
#pragma once

#include <string>

#include "link/batch_writer.h"
#include "link/clone_transfer.h"
#include "link/transfer_observer.h"

namespace qm314 {

class BatchWriter::Station final : private TransferObserver {
 public:
  Station(BatchWriter& writer, int index, std::string port);

  // The port's thread: rounds on request, or radios as they come.
  void run();

 private:
  // The conversation asks no one: a failure's message goes to the port's line
  // and its log entry, and a Retry/Cancel question is answered Cancel.
  void setStatus(const std::string&) override {}
  void setProgress(int position) override;
  bool cancelRequested() override { return writer_.stopping(); }
  MessageAnswer showMessage(const std::string& text, MessageButtons buttons) override;
  void showOpenFailure(const std::string& text, const std::string& details) override;

  void runRounds();
  void runWaiting();
  void writeRadio();
  void verify(RadioRecord& record);
  // A radio that could not even be woken because the port did not open.
  void recordOpenFailure();
  void finish(RadioRecord& record);
  void report(StationState state);
  // False when the batch stopped during the pause.
  bool pause(unsigned milliseconds);

  BatchWriter& writer_;
  int index_;
  std::string port_;
  CloneTransfer transfer_;
  StationReport shown_;
  int progress_ = 0;
  std::string message_;
  std::string details_;
};

}  // namespace qm314
