// `diff A B`: what differs between two channel data files; exit status 0 when
// they are equal, 1 when they differ, 2 when one cannot be read.
#include "cli/args.h"
#include "cli/command.h"
#include "cli/headless_view.h"
#include "cli/image_diff.h"

namespace qm314::cli {

int RunDiff(Invocation& invocation) {
  const ParsedArgs args = ParseArgs(invocation.args, ArgSpec().positionals(2, 2));
  HeadlessView a, b;
  a.open(args.positional[0], invocation.err);
  b.open(args.positional[1], invocation.err);
  const ImageDiff diff = DiffImages(a.document().image(), b.document().image());
  invocation.out << RenderDiff(diff);
  return diff.empty() ? kExitSuccess : kExitDifferent;
}

}  // namespace qm314::cli
