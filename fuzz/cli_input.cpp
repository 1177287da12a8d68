// Text a user gives qm314-cli: a CSV for `import` (first byte even) or lines of
// assignments for `set` (first byte odd).  Each is refused with a message and
// exit status 2, writing nothing, or accepted with a whole file written.  What
// import accepted comes back unchanged through export and a second import.
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "fuzz/fuzz_target.h"
#include "fuzz/scratch_files.h"
#include "radio/image.h"

namespace {

struct Run {
  int status;
  std::string out;
  std::string err;
};

Run Cli(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int status = qm314::cli::RunCli(args, out, err);
  return {status, out.str(), err.str()};
}

// Accepted with the file written, or refused with a message and nothing written.
void CheckEnding(const Run& run, const std::string& output) {
  QM314_FUZZ_CHECK(run.status == 0 || run.status == 2);
  std::vector<std::uint8_t> written;
  if (run.status == 0) {
    QM314_FUZZ_CHECK(qm314::fuzz::ReadBytes(output, written));
    QM314_FUZZ_CHECK(written.size() == qm314::layout::kImageSize);
  } else {
    QM314_FUZZ_CHECK(!run.err.empty());
    QM314_FUZZ_CHECK(!qm314::fuzz::Exists(output));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace qm314;
  if (size == 0) return 0;
  const std::string base = fuzz::ScratchPath("base.int");
  const std::string output = fuzz::ScratchPath("out.int");
  if (!fuzz::Exists(base)) QM314_FUZZ_CHECK(Cli({"new", base}).status == 0);
  fuzz::Remove(output);
  const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);

  if (data[0] % 2 == 0) {
    const std::string csv = fuzz::ScratchPath("in.csv");
    fuzz::WriteBytes(csv, data + 1, size - 1);
    const Run run = Cli({"import", csv, base, "-o", output});
    CheckEnding(run, output);
    if (run.status != 0) return 0;

    const std::string exported = fuzz::ScratchPath("exported.csv");
    const std::string again = fuzz::ScratchPath("again.int");
    fuzz::Remove(again);
    QM314_FUZZ_CHECK(Cli({"export", output, "-o", exported}).status == 0);
    QM314_FUZZ_CHECK(Cli({"import", exported, base, "-o", again}).status == 0);
    std::vector<std::uint8_t> first, second;
    QM314_FUZZ_CHECK(fuzz::ReadBytes(output, first) && fuzz::ReadBytes(again, second));
    QM314_FUZZ_CHECK(first == second);
    return 0;
  }

  std::vector<std::string> args{"set", base};
  std::istringstream lines(text);
  // Options are not assignments; one such as -o would let the input choose where to write.
  for (std::string line; std::getline(lines, line);)
    if (line.empty() || line[0] != '-') args.push_back(line);
  args.insert(args.end(), {"-o", output});
  CheckEnding(Cli(args), output);
  return 0;
}
