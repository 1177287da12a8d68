// Texts of qm314-cli's own messages.
#include "cli/messages.h"

namespace qm314::cli::messages {
namespace {

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

}  // namespace

std::string UnknownCommand(std::string_view name) {
  return "unknown command " + Quoted(name) + "; \"qm314-cli help\" lists the commands";
}
std::string UnknownOption(std::string_view option) { return "unknown option " + Quoted(option); }
std::string MissingOptionValue(std::string_view option) { return "option " + Quoted(option) + " needs a value"; }
std::string UnexpectedArgument(std::string_view argument) { return "unexpected argument " + Quoted(argument); }
std::string NotACount(std::string_view option, std::string_view text) {
  return "option " + Quoted(option) + " needs a whole number of 0 or more, not " + Quoted(text);
}
std::string MissingOutput(std::string_view option) {
  return "the output file is missing: give it with " + std::string(option) + " OUT";
}
std::string BackupOverFile(std::string_view file) {
  return "the backup would replace " + Quoted(file) + ", the file to be written; name another backup file";
}
std::string BackupSaved(std::string_view path) {
  return "backup: the radio's 1024 bytes as they were are in " + Quoted(path);
}
std::string NotWithSeveralRadios(std::string_view option) {
  return std::string(option) +
         " is for one radio at a time; it does not go with several ports, --repeat, --wait-for-radio or --log";
}
std::string UsageLine(std::string_view command, std::string_view synopsis) {
  return "usage: " + std::string(kProgram) + " " + std::string(command) + " " + std::string(synopsis);
}

std::string CannotRead(std::string_view path, std::string_view reason) {
  return "cannot read " + Quoted(path) + ": " + std::string(reason);
}
std::string CannotWrite(std::string_view path, std::string_view reason) {
  return "cannot write " + Quoted(path) + ": " + std::string(reason);
}
std::string OutputIsInput(std::string_view option, std::string_view output, std::string_view input) {
  return std::string(option) + " " + Quoted(output) + " would write into " + Quoted(input) +
         ", which this command reads; name another file";
}

std::string NotAnAssignment(std::string_view argument) {
  return Quoted(argument) + " is not a setting assignment of the form key=value";
}
std::string UnknownSetting(std::string_view key, std::string_view known) {
  return "unknown setting " + Quoted(key) + "; the settings are " + std::string(known);
}
std::string UnknownSettingValue(std::string_view key, std::string_view value, std::string_view items) {
  return Quoted(value) + " is not an item of " + std::string(key) + "; its items are " + std::string(items);
}

}  // namespace qm314::cli::messages
