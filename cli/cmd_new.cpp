// `new OUT`: what saving a new, untouched document writes.
#include "cli/args.h"
#include "cli/command.h"
#include "cli/headless_view.h"

namespace qm314::cli {

int RunNew(Invocation& invocation) {
  const ParsedArgs args = ParseArgs(invocation.args, ArgSpec().positionals(1, 1));
  HeadlessView view;
  view.save(args.positional[0]);
  return kExitSuccess;
}

}  // namespace qm314::cli
