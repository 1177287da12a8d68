// The clone conversation with the radio: wake-up, identification, confirmation,
// then 128 blocks read or 123 blocks written, reported through a TransferObserver.
// Holds no state beyond one run, so a GUI may run it on a worker thread.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "link/pacer.h"
#include "link/serial_port.h"
#include "link/transfer_observer.h"
#include "link/wakeup_word.h"
#include "radio/image.h"

namespace qm314 {

enum class TransferDirection { Read, Write };

enum class TransferOutcome {
  Completed,   // every block moved
  Cancelled,   // the cancel test stopped it; nothing was shown
  OpenFailed,  // the port could not be opened; see openError()
  Failed,      // a protocol error was shown (or Cancel answered to it)
};

// What one wake-up attempt on a port found.
enum class ProbeOutcome {
  RadioAnswered,  // the wake-up was acknowledged and the radio sent its identification
  NoAnswer,       // nothing acknowledged it, or the radio fell silent before its identification
  Cancelled,
  OpenFailed,     // see openError(); the failure was shown
};

class CloneTransfer {
 public:
  CloneTransfer(PortOpener opener, Pacer& pacer, TransferObserver& observer, WakeUpWord word);

  // Reads the radio into `image` (replaced only when all 128 blocks arrived) or
  // writes blocks 0x000-0x3D7 of `image` to it.  The port is closed on return.
  TransferOutcome run(TransferDirection direction, const std::string& portName,
                      RadioImage& image);

  // Blocks of the last write the radio acknowledged: all 123 after a
  // completed write, fewer when it stopped.
  int blocksWritten() const { return blocksWritten_; }

  // Whether a radio is on the port: one wake-up attempt and, when it is
  // acknowledged, the identification and confirmation too, so the radio is
  // left as after any handshake and wakes again for the next conversation.
  // It asks no Retry/Cancel question: a radio that identifies itself but
  // stumbles later still counts as there.  The port is closed on return.
  ProbeOutcome probe(const std::string& portName);

  // The identification the radio sent after the last wake-up (fewer than 8
  // bytes when it fell silent; none before a wake-up was acknowledged).
  const std::vector<std::uint8_t>& identity() const { return identity_; }

  // errno of the last failed open, for diagnostics.
  int openError() const { return openError_; }
  const std::string& openDevice() const { return openDevice_; }

 private:
  enum class Step { Next, Cancelled, CommunicationError };
  struct Ending {
    TransferOutcome outcome;
    bool fillProgress;
  };

  OpenedPort open(const std::string& portName);
  Ending converse(TransferDirection direction, RadioImage& image);
  Step handshake(int attempts);
  Step wakeUpAttempt();
  bool wakeUpAcknowledged();
  Step confirm();
  Ending writeBlocks(const RadioImage& image);
  Ending readBlocks(RadioImage& image);

  bool pacedWait(int steps);
  bool receivedAck();
  void progressStep(int limit);
  void sendRequest(std::uint8_t command, unsigned address);
  void send(const std::uint8_t* bytes, std::size_t n);

  PortOpener opener_;
  Pacer& pacer_;
  TransferObserver& observer_;
  WakeUpWord word_;
  int openError_ = 0;
  std::string openDevice_;
  std::vector<std::uint8_t> identity_;

  // Per run.
  SerialPort* port_ = nullptr;
  std::array<std::uint8_t, 20> receive_{};
  int progress_ = 0;
  int blocksWritten_ = 0;
  bool woke_ = false;  // the last wake-up attempt was acknowledged
};

}  // namespace qm314
