// `set FILE key=value... [-o OUT]`: settings by their item text, encoded and saved.
// With no assignment it is an open followed by a save.
#include <climits>

#include "cli/args.h"
#include "cli/command.h"
#include "cli/headless_view.h"
#include "cli/messages.h"
#include "radio/settings_fields.h"

namespace qm314::cli {
namespace {

std::string Join(const std::vector<std::string>& texts) {
  std::string joined;
  for (const auto& text : texts) joined += (joined.empty() ? "\"" : ", \"") + text + "\"";
  return joined;
}

std::string EditableKeys() {
  std::vector<std::string> keys;
  for (const SettingField& field : SettingFields())
    if (field.userEditable) keys.emplace_back(field.key);
  return Join(keys);
}

void Assign(const std::string& assignment, PanelSelections& panel) {
  const auto eq = assignment.find('=');
  if (eq == std::string::npos || eq == 0) throw UsageError(messages::NotAnAssignment(assignment));
  const std::string key = assignment.substr(0, eq);
  const std::string value = assignment.substr(eq + 1);
  const SettingField* field = FindSettingField(key);
  if (!field || !field->userEditable) throw InputError(messages::UnknownSetting(key, EditableKeys()));
  const int index = field->items->find(value);
  if (index < 0)
    throw InputError(messages::UnknownSettingValue(key, value, Join({field->items->begin(), field->items->end()})));
  panel.*field->selection = index;
}

}  // namespace

int RunSet(Invocation& invocation) {
  const ParsedArgs args =
      ParseArgs(invocation.args, ArgSpec().positionals(1, SIZE_MAX).option("-o").flag(kForceFlag));
  const std::string& file = args.positional[0];
  HeadlessView view;
  view.open(file, invocation.err, HeadlessView::Forced(args.flag(kForceFlag)));
  for (std::size_t i = 1; i < args.positional.size(); ++i) Assign(args.positional[i], view.panel());
  view.save(args.value("-o").value_or(file));
  return kExitSuccess;
}

}  // namespace qm314::cli
