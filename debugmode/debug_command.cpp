// The debug conversation against a SerialPort.
#include "debugmode/debug_command.h"

#include <vector>

#include "debugmode/debug_messages.h"
#include "link/connection.h"
#include "link/messages.h"
#include "link/port_diagnosis.h"

namespace qm314 {

namespace {

struct PackedCommand {
  DebugFrame frequencies;
  DebugFrame tonesAndValue;
  std::uint8_t opcode;
};

class Conversation {
 public:
  Conversation(SerialPort& port, const DebugLink& link, const PackedCommand& packed)
      : port_(port), pacer_(*link.pacer), word_(link.word), packed_(packed) {}

  // One attempt, from the wake-up word to the third accept byte.
  bool attempt() {
    pacer_.pause(700);
    for (const std::uint8_t b : word_) {
      port_.purge(kPurgeClear);
      port_.write(&b, 1);
      pacer_.pause(1);
    }
    // The radio may clear its line with one stray byte before it acknowledges.
    std::uint8_t reply = 0;
    std::size_t got = 0;
    port_.purge(kPurgeClear);
    if (!port_.read(&reply, 1, got)) return false;
    if (!(got == 1 && reply == kDebugAck) && !expect(kDebugAck)) return false;

    pacer_.pause(1);
    send({kDebugRequest});
    pacer_.pause(1);
    send({kDebugIdentRequest});
    std::uint8_t ident[kDebugIdentLength];
    port_.purge(kPurgeClear);
    if (!port_.read(ident, sizeof ident, got)) return false;

    pacer_.pause(1);
    send({kDebugAck});
    if (!expect(kDebugAck)) return false;

    port_.purge(kPurgeClear);
    pacer_.pause(1);
    port_.write(&kDebugItemSelect, 1);
    pacer_.pause(1);
    port_.purge(kPurgeClear);
    port_.write(&packed_.opcode, 1);
    pacer_.pause(1);
    send({packed_.opcode, kDebugItemTrailer});
    if (!expect(kDebugAccept)) return false;

    pacer_.pause(1);
    send({packed_.frequencies.begin(), packed_.frequencies.end()});
    if (!expect(kDebugAccept)) return false;

    pacer_.pause(1);
    send({packed_.tonesAndValue.begin(), packed_.tonesAndValue.end()});
    return expect(kDebugAccept);
  }

 private:
  // Write results are not judged: a lost write shows as the reply that never comes.
  void send(const std::vector<std::uint8_t>& bytes) {
    port_.purge(kPurgeClear);
    port_.write(bytes.data(), bytes.size());
  }

  // Only a byte that arrives in this very read counts.
  bool expect(std::uint8_t wanted) {
    std::uint8_t reply = 0;
    std::size_t got = 0;
    port_.purge(kPurgeClear);
    return port_.read(&reply, 1, got) && got == 1 && reply == wanted;
  }

  SerialPort& port_;
  Pacer& pacer_;
  const WakeUpWord& word_;
  const PackedCommand& packed_;
};

}  // namespace

std::optional<std::string> refuseDebugCommand(const DebugCommand& command) {
  if (!frequencyUnits(command.rxFrequency)) {
    return debugmsg::FrequencyOutOfRange("receive", command.rxFrequency);
  }
  if (!frequencyUnits(command.txFrequency)) {
    return debugmsg::FrequencyOutOfRange("transmit", command.txFrequency);
  }
  if (!toneTenths(command.rxTone)) return debugmsg::ToneOutOfRange("receive", command.rxTone);
  if (!toneTenths(command.txTone)) return debugmsg::ToneOutOfRange("transmit", command.txTone);
  if (command.value < 0 || command.value > kDebugValueMax) {
    return debugmsg::ValueOutOfRange(command.value);
  }
  return std::nullopt;
}

DebugOutcome runDebugCommand(const DebugCommand& command, const std::string& portName,
                             const DebugLink& link, DebugObserver& observer) {
  if (auto refusal = refuseDebugCommand(command)) {
    observer.showMessage(*refusal, MessageButtons::Ok);
    return DebugOutcome::Refused;
  }
  const PackedCommand packed{
      frequencyFrame(*frequencyUnits(command.rxFrequency), *frequencyUnits(command.txFrequency)),
      toneValueFrame(*toneTenths(command.rxTone), *toneTenths(command.txTone),
                     static_cast<std::uint8_t>(command.value)),
      debugItemOpcode(command.item)};

  OpenedPort opened = OpenConnection(link.open, portName, kDebugTimeouts);
  if (!opened.port) {
    observer.showOpenFailure(msg::kCouldNotOpenPort,
                             DiagnosePortOpen(portName, opened.device, opened.error));
    return DebugOutcome::PortNotOpened;
  }
  SerialPort* port = opened.port.get();
  port->purge(kPurgeClear);

  Conversation conversation(*port, link, packed);
  while (!conversation.attempt()) {
    if (observer.showMessage(std::string(debugmsg::kErrorTryAgain), MessageButtons::RetryCancel) !=
        MessageAnswer::Retry) {
      port->close();
      return DebugOutcome::Cancelled;
    }
  }
  port->close();
  observer.showSuccess(std::string(debugmsg::kFinished));
  return DebugOutcome::Finished;
}

}  // namespace qm314
