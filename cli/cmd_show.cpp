// `show FILE [--plan] [--json]`: the settings and the channel table of a file,
// as the printed report or as JSON with the form's texts; with --plan, its
// channel plan sheet.
#include <filesystem>

#include "cli/args.h"
#include "cli/command.h"
#include "cli/headless_view.h"
#include "cli/plan_json.h"
#include "radio/document_json.h"
#include "radio/plan_sheet.h"
#include "radio/print_time.h"
#include "radio/report.h"

namespace qm314::cli {

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
    invocation.out << DocumentJson(view.grid(), view.panel());
  else
    invocation.out << RenderReportText(BuildReport(view.grid(), view.panel()));
  return kExitSuccess;
}

}  // namespace qm314::cli
