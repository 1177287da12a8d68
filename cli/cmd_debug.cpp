// `debug PORT --item NAME --value N [--rx MHZ] [--tx MHZ] [--rx-tone T] [--tx-tone T]
// [--retries N] [--debug-word LETTERS]`: one tuning command of the Debug Mode dialog.
// Left out, the frequencies and tones are what the dialog sends for its High test
// frequency on the program's band with the first tone of each list.
#include <charconv>

#include "cli/args.h"
#include "cli/command.h"
#include "debugmode/debug_band.h"
#include "debugmode/debug_command.h"
#include "debugmode/debug_messages.h"
#include "debugmode/debug_word.h"
#include "link/posix_serial_port.h"
#include "radio/code_tables.h"

namespace qm314::cli {
namespace {

// Prints each box's text verbatim and answers Retry `retries` times, then Cancel.
class ConsoleDebugObserver : public DebugObserver {
 public:
  ConsoleDebugObserver(std::ostream& err, int retries) : err_(err), retries_(retries) {}

  MessageAnswer showMessage(const std::string& text, MessageButtons buttons) override {
    err_ << text << "\n";
    if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
    if (retries_ == 0) return MessageAnswer::Cancel;
    --retries_;
    return MessageAnswer::Retry;
  }
  void showOpenFailure(const std::string& text, const std::string& details) override {
    err_ << text << "\n" << details << "\n";
  }

 private:
  std::ostream& err_;
  int retries_;
};

int ItemValue(const std::string& text) {
  int value = -1;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || value < 0 || value > kDebugValueMax) {
    throw UsageError(debugmsg::NotAnItemValue(text));
  }
  return value;
}

}  // namespace

int RunDebug(Invocation& invocation) {
  const ParsedArgs args = ParseArgs(invocation.args, ArgSpec()
                                                         .positionals(1, 1)
                                                         .option("--item")
                                                         .option("--value")
                                                         .option("--rx")
                                                         .option("--tx")
                                                         .option("--rx-tone")
                                                         .option("--tx-tone")
                                                         .option("--retries")
                                                         .option("--debug-word"));
  const std::optional<std::string> itemName = args.value("--item");
  const std::optional<std::string> valueText = args.value("--value");
  if (!itemName || !valueText) throw UsageError(debugmsg::kItemAndValueNeeded);
  const std::optional<DebugItem> item = debugItemByName(*itemName);
  if (!item) throw UsageError(debugmsg::UnknownDebugItem(*itemName));

  const std::string high = formatDebugUnits(debugBandFor(FieldItems().at(0)).high);
  const std::string& firstTone = ToneCodeTable().at(0);
  DebugCommand command;
  command.item = *item;
  command.value = ItemValue(*valueText);
  command.rxFrequency = args.value("--rx").value_or(high);
  command.txFrequency = args.value("--tx").value_or(high);
  command.rxTone = args.value("--rx-tone").value_or(firstTone);
  command.txTone = args.value("--tx-tone").value_or(firstTone);
  const int retries = args.count("--retries", 0);
  if (auto refusal = refuseDebugCommand(command)) throw InputError(*refusal);

  std::string error;
  const std::optional<WakeUpWord> word =
      ConfiguredDebugWord(args.value("--debug-word").value_or(""), error);
  if (!word) throw InputError(error);

  SleepPacer pacer;
  ConsoleDebugObserver observer(invocation.err, retries);
  const DebugOutcome outcome =
      runDebugCommand(command, args.positional[0], DebugLink{OpenPortByName, &pacer, *word}, observer);
  return outcome == DebugOutcome::Finished ? kExitSuccess : kExitRadioFailed;
}

}  // namespace qm314::cli
