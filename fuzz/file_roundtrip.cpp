// A channel data file of any length and content: open, decode, encode, save,
// open again.  A short file is refused and changes nothing; a saved file is a
// fixed point, so a second open-and-save of it changes no byte, and it opens
// without the warning that the file does not look like channel data.
#include <sstream>
#include <stdexcept>

#include "cli/command.h"
#include "cli/headless_view.h"
#include "fuzz/fuzz_target.h"
#include "fuzz/scratch_files.h"
#include "radio/image.h"

using namespace qm314;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input = fuzz::ScratchPath("input.int");
  const std::string first = fuzz::ScratchPath("first.int");
  const std::string second = fuzz::ScratchPath("second.int");
  fuzz::WriteBytes(input, data, size);
  fuzz::Remove(first);
  fuzz::Remove(second);

  cli::HeadlessView view;
  const RadioImage before = view.document().image();
  const ChannelTable gridBefore = view.grid();
  std::ostringstream warnings;
  try {
    view.open(input, warnings);
  } catch (const cli::InputError& e) {
    QM314_FUZZ_CHECK(size < layout::kImageSize);
    QM314_FUZZ_CHECK(std::string(e.what()).size() > 0);
    QM314_FUZZ_CHECK(view.document().image() == before);
    QM314_FUZZ_CHECK(view.grid() == gridBefore);
    return 0;
  }
  QM314_FUZZ_CHECK(size >= layout::kImageSize);
  QM314_FUZZ_CHECK(std::equal(data, data + layout::kImageSize, view.document().image().data()));
  view.save(first);

  cli::HeadlessView again;
  warnings.str({});
  again.open(first, warnings);
  // Whatever was opened, what the program saves is its own channel data.
  QM314_FUZZ_CHECK(warnings.str().empty());
  again.save(second);
  std::vector<std::uint8_t> firstBytes, secondBytes;
  QM314_FUZZ_CHECK(fuzz::ReadBytes(first, firstBytes));
  QM314_FUZZ_CHECK(fuzz::ReadBytes(second, secondBytes));
  QM314_FUZZ_CHECK(firstBytes.size() == layout::kImageSize);
  QM314_FUZZ_CHECK(firstBytes == secondBytes);
  return 0;
}
