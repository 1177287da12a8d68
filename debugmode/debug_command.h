// The tuning command of the Debug Mode dialog: one whole conversation with the
// radio, from opening the port to "Finish successfully!", with Retry and Cancel
// after a failed attempt.  The transport, the pauses and the message boxes are
// injected, so the same code serves the dialog, the command line and the tests.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "debugmode/debug_frames.h"
#include "link/message_box.h"
#include "link/pacer.h"
#include "link/serial_port.h"
#include "link/wakeup_word.h"

namespace qm314 {

// What Start takes from the dialog: the entries and tone list texts as they
// stand, the current debug item and its value.
struct DebugCommand {
  std::string rxFrequency;
  std::string txFrequency;
  std::string rxTone;
  std::string txTone;
  DebugItem item = DebugItem::TxFrequency;
  int value = 0;
};

enum class DebugOutcome { Finished, Cancelled, PortNotOpened, Refused };

// The message boxes of the conversation, answered by whoever runs it.
class DebugObserver : public MessageAsker {};

struct DebugLink {
  PortOpener open;
  Pacer* pacer = nullptr;
  WakeUpWord word;  // 7 bytes
};

// Why the command cannot be put on the wire, or nothing when it can.
std::optional<std::string> refuseDebugCommand(const DebugCommand& command);

// Runs the conversation; every outcome has been shown through the observer.
DebugOutcome runDebugCommand(const DebugCommand& command, const std::string& portName,
                             const DebugLink& link, DebugObserver& observer);

}  // namespace qm314
