// `export FILE [--format grid-csv|radio-csv] [-o OUT.csv]`: the channel rows as
// the grid shows them, or as the common radio CSV.
#include "cli/args.h"
#include "cli/command.h"
#include "cli/headless_view.h"
#include "cli/messages.h"
#include "cli/output_file.h"
#include "radio/channel_exchange.h"
#include "radio/messages.h"

namespace qm314::cli {
namespace {

ChannelCsvForm FormNamed(const std::string& name) {
  if (const std::optional<ChannelCsvForm> form = ChannelCsvFormNamed(name)) return *form;
  throw UsageError(qm314::messages::UnknownFormat(name));
}

}  // namespace

int RunExport(Invocation& invocation) {
  const ParsedArgs args =
      ParseArgs(invocation.args, ArgSpec().positionals(1, 1).option("-o").option("--format"));
  const ChannelCsvForm form = FormNamed(args.value("--format").value_or(std::string(kGridCsvFormat)));
  if (const auto out = args.value("-o")) RefuseOutputOverInput("-o", *out, args.positional[0]);
  HeadlessView view;
  view.open(args.positional[0], invocation.err);
  WriteTextOutput(args.value("-o"), ExportChannelCsv(view.grid(), form), invocation.out);
  return kExitSuccess;
}

}  // namespace qm314::cli
