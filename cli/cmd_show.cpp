// `show FILE [--plan] [--json]`: the settings and the channel table of a file,
// as the printed report or as JSON with the form's texts; with --plan, its
// channel plan sheet.
#include <filesystem>

#include "cli/args.h"
#include "cli/command.h"
#include "cli/headless_view.h"
#include "cli/json_text.h"
#include "cli/plan_json.h"
#include "radio/plan_sheet.h"
#include "radio/print_time.h"
#include "radio/report.h"
#include "radio/settings_fields.h"

namespace qm314::cli {
namespace {

std::string ShowJson(const HeadlessView& view) {
  std::string json = "{\n  \"settings\": {";
  const char* separator = "\n";
  for (const SettingField& field : SettingFields()) {
    json += separator;
    json += "    " + JsonString(field.key) + ": " + JsonString(SettingText(field, view.panel()));
    separator = ",\n";
  }
  json += "\n  },\n  \"channels\": [";
  separator = "\n";
  const ChannelTable& grid = view.grid();
  for (int row = 1; row < ChannelTable::kRows; ++row) {
    json += separator;
    json += "    {\"row\": " + std::to_string(row) +
            ", \"channel\": " + JsonString(grid.text(row, ChannelTable::kColChannel)) +
            ", \"tones\": " + JsonString(grid.text(row, ChannelTable::kColTones)) +
            ", \"bclo\": " + JsonString(grid.text(row, ChannelTable::kColBclo)) +
            ", \"scan\": " + JsonString(grid.text(row, ChannelTable::kColScan)) + "}";
    separator = ",\n";
  }
  return json + "\n  ]\n}\n";
}

}  // namespace

int RunShow(Invocation& invocation) {
  const ParsedArgs args = ParseArgs(invocation.args, ArgSpec().positionals(1, 1).flag("--json").flag("--plan"));
  HeadlessView view;
  view.open(args.positional[0], invocation.err);
  if (args.flag("--plan")) {
    const PlanSheet sheet = BuildPlanSheet(view.grid(), view.panel(),
                                           std::filesystem::path(args.positional[0]).filename().string(),
                                           PrintTimeText(PrintTime()));
    invocation.out << (args.flag("--json") ? PlanJson(sheet) : RenderPlanText(PlanLines(sheet)));
  } else if (args.flag("--json"))
    invocation.out << ShowJson(view);
  else
    invocation.out << RenderReportText(BuildReport(view.grid(), view.panel()));
  return kExitSuccess;
}

}  // namespace qm314::cli
