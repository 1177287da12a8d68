// Command-line argument splitting.
#include "cli/args.h"

#include <charconv>

#include "cli/command.h"
#include "cli/messages.h"

namespace qm314::cli {

std::optional<std::string> ParsedArgs::value(const std::string& name) const {
  const auto it = values_.find(name);
  if (it == values_.end()) return std::nullopt;
  return it->second;
}

int ParsedArgs::count(const std::string& name, int fallback) const {
  const auto text = value(name);
  if (!text) return fallback;
  int n = 0;
  const auto result = std::from_chars(text->data(), text->data() + text->size(), n);
  if (result.ec != std::errc() || result.ptr != text->data() + text->size() || n < 0)
    throw UsageError(messages::NotACount(name, *text));
  return n;
}

ParsedArgs ParseArgs(const std::vector<std::string>& args, const ArgSpec& want) {
  ParsedArgs parsed;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
      parsed.positional.push_back(arg);
      continue;
    }
    if (arg == "--") {
      optionsEnded = true;
      continue;
    }
    std::string name = arg;
    std::optional<std::string> inlineValue;
    if (const auto eq = arg.find('='); arg.rfind("--", 0) == 0 && eq != std::string::npos) {
      name = arg.substr(0, eq);
      inlineValue = arg.substr(eq + 1);
    }
    if (want.valueOptions.count(name)) {
      if (!inlineValue) {
        if (i + 1 >= args.size()) throw UsageError(messages::MissingOptionValue(name));
        inlineValue = args[++i];
      }
      parsed.values_[name] = *inlineValue;
    } else if (want.flags.count(name) && !inlineValue) {
      parsed.flags_.insert(name);
    } else {
      throw UsageError(messages::UnknownOption(arg));
    }
  }
  if (parsed.positional.size() < want.minPositional) throw UsageError(messages::kMissingArguments);
  if (parsed.positional.size() > want.maxPositional)
    throw UsageError(messages::UnexpectedArgument(parsed.positional[want.maxPositional]));
  return parsed;
}

}  // namespace qm314::cli
