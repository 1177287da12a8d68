// `read PORT -o OUT [--retries N]`: reads the radio and saves its 1024 bytes
// exactly as they came; nothing is written unless every block arrived.
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "cli/args.h"
#include "cli/command.h"
#include "cli/headless_view.h"
#include "cli/messages.h"
#include "cli/radio_transfer.h"

namespace qm314::cli {
namespace {

// A read takes seconds of the radio's time: a folder that cannot take the file
// is better known before it starts.
void CheckWritableFolder(const std::string& path) {
  std::filesystem::path folder = std::filesystem::path(path).parent_path();
  if (folder.empty()) folder = ".";
  if (::access(folder.c_str(), W_OK) != 0) {
    throw InputError(messages::CannotWrite(path, std::strerror(errno)));
  }
}

}  // namespace

int RunRead(Invocation& invocation) {
  const ParsedArgs args = ParseArgs(
      invocation.args,
      ArgSpec().positionals(1, 1).option("-o").option(kRetriesOption).option(kCloneWordOption));
  const std::optional<std::string> out = args.value("-o");
  if (!out) throw UsageError(messages::MissingOutput("-o"));
  CheckWritableFolder(*out);
  HeadlessView view;
  const int status =
      RunRadioTransfer(invocation, TransferDirection::Read, args.positional[0],
                       args.count(kRetriesOption, 0), args.value(kCloneWordOption).value_or(""),
                       view.document().image());
  if (status == kExitSuccess) view.saveImage(*out);
  return status;
}

}  // namespace qm314::cli
