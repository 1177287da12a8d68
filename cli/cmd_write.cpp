// `write PORT FILE [--backup OLD] [--verify] [--retries N]`: opens FILE, encodes its
// grid and settings as the program does before a write, and writes the 123 blocks
// to the radio.  --backup first reads the radio and keeps its memory in OLD (a
// failed backup writes nothing); --verify reads the radio back afterwards and
// names every written block it does not hold.
#include <filesystem>

#include "cli/args.h"
#include "cli/command.h"
#include "cli/headless_view.h"
#include "cli/messages.h"
#include "cli/output_file.h"
#include "cli/radio_transfer.h"
#include "link/write_verify.h"
#include "radio/image_file.h"

namespace qm314::cli {
namespace {

constexpr const char* kBackupOption = "--backup";
constexpr const char* kVerifyFlag = "--verify";

bool SameFile(const std::string& a, const std::string& b) {
  std::error_code ec;
  return std::filesystem::equivalent(a, b, ec);
}

}  // namespace

int RunWrite(Invocation& invocation) {
  const ParsedArgs args = ParseArgs(invocation.args, ArgSpec()
                                                         .positionals(2, 2)
                                                         .option(kRetriesOption)
                                                         .option(kCloneWordOption)
                                                         .option(kBackupOption)
                                                         .flag(kVerifyFlag));
  const std::string& port = args.positional[0];
  const std::string& file = args.positional[1];
  const int retries = args.count(kRetriesOption, 0);
  const std::string letters = args.value(kCloneWordOption).value_or("");
  const std::optional<std::string> backup = args.value(kBackupOption);
  if (backup && SameFile(*backup, file)) throw UsageError(messages::BackupOverFile(file));
  if (backup) CheckWritableFolder(*backup);

  HeadlessView view;
  view.open(file, invocation.err);
  view.encode();
  const RadioImage& image = view.document().image();

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
