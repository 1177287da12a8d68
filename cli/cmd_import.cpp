// `import CSV FILE [-o OUT]`: channel rows from CSV into a file, encoded and saved.
// The CSV is the grid's own form or the common radio CSV, told apart by the header.
#include <sstream>

#include "cli/args.h"
#include "cli/command.h"
#include "cli/headless_view.h"
#include "cli/messages.h"
#include "cli/output_file.h"
#include "radio/channel_exchange.h"
#include "radio/messages.h"

namespace qm314::cli {

int RunImport(Invocation& invocation) {
  const ParsedArgs args = ParseArgs(invocation.args, ArgSpec().positionals(2, 2).option("-o").flag(kForceFlag));
  const std::string& csvPath = args.positional[0];
  const std::string& file = args.positional[1];
  const std::optional<std::string> out = args.value("-o");
  // Saving over FILE is what import does without -o; over the CSV, never.
  if (out) {
    RefuseOutputOverInput("-o", *out, csvPath);
  } else {
    RefuseOutputOverInput("FILE", file, csvPath);
  }
  const std::string csv = ReadTextFile(csvPath);
  HeadlessView view;
  view.open(file, invocation.err, HeadlessView::Forced(args.flag(kForceFlag)));
  const ChannelImport imported = ImportChannelCsv(csv, view.grid());
  if (!imported) throw InputError(qm314::messages::ImportRefused(RefusalText(csvPath, *imported.refusal)));
  view.grid() = imported.table;
  view.save(out.value_or(file));
  // What came in where, and what of the file the radio does not keep as it was meant.
  std::istringstream summary(ImportSummary(imported.report));
  for (std::string line; std::getline(summary, line);)
    invocation.err << messages::kProgram << " import: " << line << '\n';
  return kExitSuccess;
}

}  // namespace qm314::cli
