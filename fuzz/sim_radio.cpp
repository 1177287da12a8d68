// The simulated radio fed arbitrary bytes, with faults chosen by the input and
// its two wake-up words spliced in on request so both conversations are reached.
// It must never crash, and never let a write reach the memory it keeps for
// itself (offsets 0x3D8-0x3FF).
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "debugmode/debug_word.h"
#include "fuzz/fuzz_port.h"
#include "fuzz/fuzz_target.h"
#include "radio/default_image.h"
#include "sim/debug_conversation.h"
#include "sim/sim_radio.h"

namespace {

constexpr std::uint8_t kEscape = 0xFE;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace qm314;
  fuzz::Script script(data, size);
  sim::FaultPlan faults;
  const std::uint8_t plan = script.next();
  const std::uint8_t block = script.next() % 128;
  faults.silent = (plan & 0x01) != 0;
  faults.wrongConfirm = (plan & 0x02) != 0;
  faults.noise = (plan >> 2) & 0x03;
  if ((plan & 0x10) != 0) faults.shortAnswer = sim::FaultPlan::ShortAnswer{block, block % 12u};
  if ((plan & 0x20) != 0) faults.noAckBlock = block;
  if ((plan & 0x40) != 0) faults.unplugBlock = block;
  if ((plan & 0x80) != 0) {
    faults.debugFault = sim::FaultPlan::DebugFault{static_cast<sim::DebugStage>(block % 6),
                                                   (block & 0x40) != 0};
  }

  const WakeUpWord cloneWord = *MakeWakeUpWord(kDefaultCloneLetters, kCloneWordLetters);
  const WakeUpWord debugWord = *MakeWakeUpWord(kDefaultDebugLetters, kDebugWordLetters);
  RadioImage memory = DefaultImage();
  for (std::size_t i = 0x3D8; i < memory.size(); ++i) memory.at(i) = static_cast<std::uint8_t>(i);
  const RadioImage before = memory;
  sim::SimRadio radio(cloneWord, memory, faults);
  radio.addConversation(debugWord, std::make_unique<sim::DebugConversation>(radio.faults()));

  // kEscape then 1 or 2 sends a wake-up word, then anything else sends that byte;
  // a run of plain bytes goes in as one write, so both receive() paths are used.
  std::vector<std::uint8_t> chunk;
  auto flush = [&] {
    if (chunk.empty()) return false;
    const sim::SimReply reply = radio.receive(chunk);
    chunk.clear();
    return reply.unplug;
  };
  while (!script.empty()) {
    const std::uint8_t b = script.next();
    if (b != kEscape) {
      chunk.push_back(b);
      if (chunk.size() >= 16 && flush()) break;
      continue;
    }
    if (flush()) break;
    const std::uint8_t what = script.next();
    const WakeUpWord* word = what == 1 ? &cloneWord : what == 2 ? &debugWord : nullptr;
    if (word == nullptr) {
      if (radio.receive(what).unplug) break;
      continue;
    }
    bool unplugged = false;
    for (std::uint8_t w : *word) unplugged = unplugged || radio.receive(w).unplug;
    if (unplugged) break;
  }
  flush();
  QM314_FUZZ_CHECK(std::equal(before.data() + 0x3D8, before.data() + before.size(),
                              radio.memory().data() + 0x3D8));
  return 0;
}
