// One port of a batch: its radios one after another, each through the clone
// conversation of a single write and, with verify, the same read-back.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "link/batch_writer.h"
#include "link/clone_transfer.h"
#include "link/transfer_observer.h"

namespace qm314 {

class BatchWriter::Station final : private TransferObserver {
 public:
  Station(BatchWriter& writer, int index, std::string port);

  // The port's thread: rounds on request, or radios as they come.
  void run();
  // Instead of run() when the port's thread could not be started.
  void failToStart(const std::string& reason);

 private:
  // The conversation asks no one: a failure's message goes to the port's line
  // and its log entry, and a Retry/Cancel question is answered Cancel.
  void setStatus(const std::string&) override {}
  void setProgress(int position) override;
  bool cancelRequested() override { return writer_.stopping(); }
  MessageAnswer showMessage(const std::string& text, MessageButtons buttons) override;
  void showOpenFailure(const std::string& text, const std::string& details) override;

  using Identity = std::vector<std::uint8_t>;

  void runRounds();
  void runWaiting();
  // The radio's outcome; nothing when the batch stopped before a block went.
  std::optional<RadioOutcome> writeRadio();
  void verify(RadioRecord& record);
  // A radio that could not even be woken because the port did not open.
  void recordOpenFailure();
  // Logs and counts the radio's outcome and shows it as `shown`, Finished or TakeOff.
  void finish(RadioRecord& record, StationState shown = StationState::Finished);
  void report(StationState state);

  BatchWriter& writer_;
  int index_;
  std::string port_;
  CloneTransfer transfer_;
  StationReport shown_;
  int progress_ = 0;
  std::string message_;
  std::string details_;
  // The identification of the last radio written on this port (whatever
  // came of it), to say when the next one is the same radio again.
  Identity lastIdentity_;
};

}  // namespace qm314
