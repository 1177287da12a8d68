// Splitting a command's arguments into positionals, options with a value
// ("-o OUT", "--retries=3") and flags ("--json").
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace qm314::cli {

// What a command accepts, e.g. ArgSpec().positionals(1, 1).option("-o").flag("--json").
struct ArgSpec {
  std::set<std::string> valueOptions;  // e.g. "-o", "--retries"
  std::set<std::string> flags;         // e.g. "--json"
  std::size_t minPositional = 0;
  std::size_t maxPositional = 0;

  ArgSpec& positionals(std::size_t min, std::size_t max) {
    minPositional = min;
    maxPositional = max;
    return *this;
  }
  ArgSpec& option(std::string name) {
    valueOptions.insert(std::move(name));
    return *this;
  }
  ArgSpec& flag(std::string name) {
    flags.insert(std::move(name));
    return *this;
  }
};

class ParsedArgs {
 public:
  std::vector<std::string> positional;

  bool flag(const std::string& name) const { return flags_.count(name) != 0; }
  std::optional<std::string> value(const std::string& name) const;
  // The option's value as a whole number of at least 0; UsageError otherwise.
  int count(const std::string& name, int fallback) const;

 private:
  friend ParsedArgs ParseArgs(const std::vector<std::string>&, const ArgSpec&);
  std::map<std::string, std::string> values_;
  std::set<std::string> flags_;
};

// Throws UsageError for an unknown option, a missing value or a wrong number
// of positionals.  "--" ends the options.
ParsedArgs ParseArgs(const std::vector<std::string>& args, const ArgSpec& want);

}  // namespace qm314::cli
