// `export FILE [-o OUT.csv]`: the 16 channel rows as the grid shows them.
#include "cli/args.h"
#include "cli/channel_csv.h"
#include "cli/command.h"
#include "cli/headless_view.h"
#include "cli/output_file.h"

namespace qm314::cli {

int RunExport(Invocation& invocation) {
  const ParsedArgs args = ParseArgs(invocation.args, ArgSpec().positionals(1, 1).option("-o"));
  HeadlessView view;
  view.open(args.positional[0]);
  WriteTextOutput(args.value("-o"), ChannelTableToCsv(view.grid()), invocation.out);
  return kExitSuccess;
}

}  // namespace qm314::cli
