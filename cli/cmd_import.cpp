// `import CSV FILE [-o OUT]`: channel rows from CSV into a file, encoded and saved.
#include "cli/args.h"
#include "cli/channel_csv.h"
#include "cli/command.h"
#include "cli/headless_view.h"
#include "cli/output_file.h"

namespace qm314::cli {

int RunImport(Invocation& invocation) {
  const ParsedArgs args = ParseArgs(invocation.args, ArgSpec().positionals(2, 2).option("-o"));
  const std::string& csvPath = args.positional[0];
  const std::string& file = args.positional[1];
  const std::string csv = ReadTextFile(csvPath);
  HeadlessView view;
  view.open(file);
  ApplyChannelCsv(csv, csvPath, view.grid());
  view.save(args.value("-o").value_or(file));
  return kExitSuccess;
}

}  // namespace qm314::cli
