// `write PORT[,PORT...] FILE [--backup OLD] [--verify] [--retries N] [--repeat]
// [--wait-for-radio] [--log LOG]`: opens FILE, encodes its grid and settings as
// the program does before a write, and writes the 123 blocks to the radio.
// --backup first reads the radio and keeps its memory in OLD (a failed backup
// writes nothing); --verify reads the radio back afterwards and names every
// written block it does not hold.  Several ports, --repeat, --wait-for-radio or
// --log make it a batch: every port's radio at once, round after round.
#include <filesystem>

#include "cli/args.h"
#include "cli/batch_write.h"
#include "cli/command.h"
#include "cli/headless_view.h"
#include "cli/messages.h"
#include "cli/output_file.h"
#include "cli/radio_transfer.h"
#include "link/batch_messages.h"
#include "link/port_names.h"
#include "link/write_verify.h"
#include "radio/image_file.h"

namespace qm314::cli {
namespace {

constexpr const char* kBackupOption = "--backup";
constexpr const char* kVerifyFlag = "--verify";
constexpr const char* kRepeatFlag = "--repeat";
constexpr const char* kWaitFlag = "--wait-for-radio";
constexpr const char* kLogOption = "--log";

bool SameFile(const std::string& a, const std::string& b) {
  std::error_code ec;
  return std::filesystem::equivalent(a, b, ec);
}

std::vector<std::string> SplitPorts(const std::string& text) {
  std::vector<std::string> ports;
  std::size_t from = 0;
  for (std::size_t comma; (comma = text.find(',', from)) != std::string::npos; from = comma + 1) {
    ports.push_back(text.substr(from, comma - from));
  }
  ports.push_back(text.substr(from));
  for (const std::string& port : ports) {
    if (port.empty()) throw UsageError(messages::kEmptyPortName);
  }
  if (const auto repeated = FindRepeatedPort(ports)) {
    throw UsageError(batch_msg::SamePortTwice(ports[repeated->first], ports[repeated->second]));
  }
  return ports;
}

}  // namespace

int RunWrite(Invocation& invocation) {
  const ParsedArgs args = ParseArgs(invocation.args, ArgSpec()
                                                         .positionals(2, 2)
                                                         .option(kRetriesOption)
                                                         .option(kCloneWordOption)
                                                         .option(kBackupOption)
                                                         .option(kLogOption)
                                                         .flag(kVerifyFlag)
                                                         .flag(kForceFlag)
                                                         .flag(kRepeatFlag)
                                                         .flag(kWaitFlag));
  const std::vector<std::string> ports = SplitPorts(args.positional[0]);
  const std::string& port = ports.front();
  const std::string& file = args.positional[1];
  const bool batch = ports.size() > 1 || args.flag(kRepeatFlag) || args.flag(kWaitFlag) || args.value(kLogOption);
  const int retries = args.count(kRetriesOption, 0);
  const std::string letters = args.value(kCloneWordOption).value_or("");
  const std::optional<std::string> backup = args.value(kBackupOption);
  if (batch && backup) throw UsageError(messages::NotWithSeveralRadios(kBackupOption));
  if (batch && args.value(kRetriesOption)) throw UsageError(messages::NotWithSeveralRadios(kRetriesOption));
  if (backup && SameFile(*backup, file)) throw UsageError(messages::BackupOverFile(file));
  if (backup) CheckWritableFolder(*backup);
  if (const auto log = args.value(kLogOption)) RefuseOutputOverInput(kLogOption, *log, file);

  HeadlessView view;
  // Bytes of another kind would reach the radio as its channels and settings.
  view.open(file, invocation.err, HeadlessView::Forced(args.flag(kForceFlag)));
  view.encode();
  const RadioImage& image = view.document().image();
  if (batch) {
    return RunBatchWrite(invocation, ports, image,
                         {args.flag(kVerifyFlag), args.flag(kRepeatFlag), args.flag(kWaitFlag), args.value(kLogOption),
                          letters});
  }

  if (backup) {
    RadioImage radio;
    if (const int status = RunRadioTransfer(invocation, TransferDirection::Read, port, retries, letters, radio);
        status != kExitSuccess) {
      invocation.err << messages::kProgram << ": " << messages::kBackupFailed << '\n';
      return status;
    }
    if (FileResult saved = WriteImageFile(*backup, radio); !saved) {
      throw InputError(saved.message + "; " + messages::kBackupFailed);
    }
    invocation.out << messages::BackupSaved(*backup) << '\n';
  }

  if (const int status = RunRadioTransfer(invocation, TransferDirection::Write, port, retries, letters,
                                          view.document().image());
      status != kExitSuccess) {
    return status;
  }
  if (!args.flag(kVerifyFlag)) return kExitSuccess;

  RadioImage readBack;
  if (RunRadioTransfer(invocation, TransferDirection::Read, port, retries, letters, readBack) != kExitSuccess) {
    invocation.err << messages::kProgram << ": " << kVerifyReadFailed << '\n';
    return kExitRadioFailed;
  }
  const std::vector<BlockMismatch> mismatches = CompareWrittenBlocks(image, readBack);
  invocation.out << VerifyReport(mismatches) << '\n';
  return mismatches.empty() ? kExitSuccess : kExitDifferent;
}

}  // namespace qm314::cli
