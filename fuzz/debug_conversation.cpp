// The tuning conversation against a port whose every reply comes from the
// fuzzer: it ends with one of its outcomes within a bounded number of port
// operations, the port closed, and "Finish successfully!" only after all three
// accept bytes.
#include <string>

#include "debugmode/debug_command.h"
#include "debugmode/debug_messages.h"
#include "debugmode/debug_word.h"
#include "fuzz/fuzz_port.h"
#include "fuzz/fuzz_target.h"
#include "link/messages.h"

namespace {

using namespace qm314;

constexpr int kMaxRetries = 3;
constexpr long kMaxOperations = 400;

// Entries as a technician may leave them, good and bad.
constexpr const char* kEntries[] = {"", "446.00625", "20.00000", "-1", "1000", "999.99999",
                                    "abc", "1e9", "446.1 MHz"};
constexpr const char* kTones[] = {"", "69.3", "254.1", "D023N", "Off", "1000.0", "-5"};

template <typename T, std::size_t N>
const T& Pick(const T (&items)[N], std::uint8_t choice) {
  return items[choice % N];
}

class FuzzDebugObserver final : public DebugObserver {
 public:
  FuzzDebugObserver(fuzz::Script& script, fuzz::PortRecord& record)
      : script_(script), record_(record) {}
  MessageAnswer showMessage(const std::string& text, MessageButtons buttons) override {
    if (text == debugmsg::kFinished) ++finished;
    return fuzz::AnswerFromScript(script_, record_, buttons, kMaxRetries);
  }
  int finished = 0;

 private:
  fuzz::Script& script_;
  fuzz::PortRecord& record_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Script script(data, size);
  DebugCommand command;
  command.rxFrequency = Pick(kEntries, script.next());
  command.txFrequency = Pick(kEntries, script.next());
  command.rxTone = Pick(kTones, script.next());
  command.txTone = Pick(kTones, script.next());
  command.item = kDebugItems[script.next() % kDebugItems.size()];
  command.value = script.next() * 2 - 128;

  fuzz::PortRecord record;
  fuzz::CountingPacer pacer(record);
  FuzzDebugObserver observer(script, record);
  std::string error;
  const DebugLink link{fuzz::FuzzOpener(script, record), &pacer, *ConfiguredDebugWord("", error)};
  const DebugOutcome outcome = runDebugCommand(command, "COM1", link, observer);

  QM314_FUZZ_CHECK(record.operations <= kMaxOperations);
  QM314_FUZZ_CHECK(record.destroyedOpen == 0);
  QM314_FUZZ_CHECK(record.closes == record.opens);
  switch (outcome) {
    case DebugOutcome::Refused:
      QM314_FUZZ_CHECK(record.opens == 0 && record.messages == 1);
      break;
    case DebugOutcome::PortNotOpened:
      QM314_FUZZ_CHECK(record.opens == 0 && record.messages == 1);
      break;
    case DebugOutcome::Cancelled:
      QM314_FUZZ_CHECK(record.opens == 1 && observer.finished == 0);
      break;
    case DebugOutcome::Finished:
      QM314_FUZZ_CHECK(record.opens == 1 && observer.finished == 1);
      break;
    default:
      QM314_FUZZ_CHECK(!"an outcome the conversation does not define");
  }
  return 0;
}
