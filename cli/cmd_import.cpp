// `import CSV FILE [-o OUT]`: channel rows from CSV into a file, encoded and saved.
// The CSV is the grid's own form or the common radio CSV, told apart by the header.
#include "cli/args.h"
#include "cli/command.h"
#include "cli/headless_view.h"
#include "cli/messages.h"
#include "cli/output_file.h"
#include "radio/channel_exchange.h"
#include "radio/messages.h"

namespace qm314::cli {

int RunImport(Invocation& invocation) {
  const ParsedArgs args = ParseArgs(invocation.args, ArgSpec().positionals(2, 2).option("-o"));
  const std::string& csvPath = args.positional[0];
  const std::string& file = args.positional[1];
  const std::string csv = ReadTextFile(csvPath);
  HeadlessView view;
  view.open(file, invocation.err);
  const ChannelImport imported = ImportChannelCsv(csv, view.grid());
  if (!imported) throw InputError(qm314::messages::ImportRefused(RefusalText(csvPath, *imported.refusal)));
  view.grid() = imported.table;
  view.save(args.value("-o").value_or(file));
  return kExitSuccess;
}

}  // namespace qm314::cli
