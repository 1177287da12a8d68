// Runs a clone transfer for a command: the port, the wake-up word, Ctrl+C, and
// the exit status that the outcome means.
#pragma once

#include <string>
#include <string_view>

#include "cli/command.h"
#include "link/clone_transfer.h"

namespace qm314::cli {

// The value options every radio command takes.
inline constexpr const char* kRetriesOption = "--retries";
inline constexpr const char* kCloneWordOption = "--clone-word";

// kExitSuccess when every block moved, kExitRadioFailed otherwise (the
// program's message is already on standard error).  UsageError for a bad word.
int RunRadioTransfer(Invocation& invocation, TransferDirection direction, const std::string& port,
                     int retries, std::string_view cloneLetters, RadioImage& image);

}  // namespace qm314::cli
