// Messages of qm314-cli about its arguments and input files.
#pragma once

#include <string>
#include <string_view>

namespace qm314::cli::messages {

inline constexpr std::string_view kProgram = "qm314-cli";
inline constexpr const char* kMissingArguments = "missing arguments";

std::string UnknownCommand(std::string_view name);
std::string UnknownOption(std::string_view option);
std::string MissingOptionValue(std::string_view option);
std::string UnexpectedArgument(std::string_view argument);
std::string NotACount(std::string_view option, std::string_view text);
std::string UsageLine(std::string_view command, std::string_view synopsis);

std::string CannotRead(std::string_view path, std::string_view reason);
std::string CannotWrite(std::string_view path, std::string_view reason);
// Follows the sentence that a file does not look like channel data.
inline constexpr const char* kNotChannelDataRefused = "Nothing was written; --force uses it anyway.";
// An output file named by option that is an input of the same command.
std::string OutputIsInput(std::string_view option, std::string_view output, std::string_view input);

// set
std::string NotAnAssignment(std::string_view argument);
std::string UnknownSetting(std::string_view key, std::string_view known);
std::string UnknownSettingValue(std::string_view key, std::string_view value, std::string_view items);

// read and write
std::string MissingOutput(std::string_view option);
std::string BackupOverFile(std::string_view file);
std::string BackupSaved(std::string_view path);
inline constexpr const char* kBackupFailed = "the radio's memory was not backed up, so nothing was written to it";
inline constexpr const char* kTransferCancelled = "cancelled; the port is closed and nothing more was sent";

// write to several radios
inline constexpr const char* kBatchStopped = "stopped; every port is closed and nothing more was sent";
inline constexpr const char* kNextRoundPrompt =
    "Put the next radios on and press Enter to write them (Ctrl+D or Ctrl+C ends): ";
inline constexpr const char* kEmptyPortName = "a port name is empty; separate the ports with single commas";
std::string NotWithSeveralRadios(std::string_view option);

}  // namespace qm314::cli::messages
