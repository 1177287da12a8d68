// Parsing of the fault names.
#include "sim/faults.h"

#include <charconv>

#include "link/clone_frames.h"

namespace qm314::sim {

std::optional<int> Number(std::string_view text, int low, int high) {
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || value < low || value > high) {
    return std::nullopt;
  }
  return value;
}

namespace {

std::optional<int> Block(std::string_view text) {
  return Number(text, 0, clone::kReadBlocks - 1);
}

constexpr DebugStage kDebugStages[] = {DebugStage::Wake,         DebugStage::Identification,
                                       DebugStage::Confirmation, DebugStage::ItemSelect,
                                       DebugStage::Frequencies,  DebugStage::TonesAndValue};

}  // namespace

const char* DebugStageName(DebugStage stage) {
  switch (stage) {
    case DebugStage::Wake: return "wake";
    case DebugStage::Identification: return "ident";
    case DebugStage::Confirmation: return "confirm";
    case DebugStage::ItemSelect: return "item";
    case DebugStage::Frequencies: return "frequencies";
    case DebugStage::TonesAndValue: return "tones";
  }
  return "";
}

bool AddFault(std::string_view text, FaultPlan& plan, std::string& error) {
  const std::size_t at = text.find('@');
  const std::string_view head = text.substr(0, at);
  const std::string_view block = at == std::string_view::npos ? "" : text.substr(at + 1);
  const std::size_t colon = head.find(':');
  const std::string_view name = head.substr(0, colon);
  const std::string_view count = colon == std::string_view::npos ? "" : head.substr(colon + 1);
  const bool hasBlock = at != std::string_view::npos;
  const bool hasCount = colon != std::string_view::npos;

  if (name == "silent" && !hasBlock && !hasCount) {
    plan.silent = true;
    return true;
  }
  if (name == "wrong-confirm" && !hasBlock && !hasCount) {
    plan.wrongConfirm = true;
    return true;
  }
  if (name == "noise" && !hasBlock) {
    const std::optional<int> n = hasCount ? Number(count, 1, 64) : std::optional<int>(1);
    if (n) {
      plan.noise = *n;
      return true;
    }
  }
  if (name == "short" && hasBlock && hasCount) {
    const std::optional<int> n = Number(count, 0, static_cast<int>(clone::kReadAnswerBytes) - 1);
    const std::optional<int> k = Block(block);
    if (n && k) {
      plan.shortAnswer = FaultPlan::ShortAnswer{*k, static_cast<std::size_t>(*n)};
      return true;
    }
  }
  if ((name == "debug-silent" || name == "debug-wrong") && hasBlock && !hasCount) {
    for (DebugStage stage : kDebugStages) {
      if (block == DebugStageName(stage)) {
        plan.debugFault = FaultPlan::DebugFault{stage, name == "debug-wrong"};
        return true;
      }
    }
  }
  if ((name == "no-ack" || name == "unplug" || name == "corrupt" || name == "stray") && hasBlock &&
      !hasCount) {
    if (const std::optional<int> k = Block(block)) {
      (name == "no-ack"    ? plan.noAckBlock
       : name == "unplug"  ? plan.unplugBlock
       : name == "corrupt" ? plan.corruptBlock
                           : plan.strayBlock) = *k;
      return true;
    }
  }
  error = "unknown fault \"" + std::string(text) +
          "\" (silent, wrong-confirm, noise[:N], short:N@K, no-ack@K, unplug@K, corrupt@K, stray@K; "
          "K is a block 0-127, N for short is 0-11; debug-silent@STAGE, debug-wrong@STAGE, "
          "STAGE one of wake, ident, confirm, item, frequencies, tones)";
  return false;
}

}  // namespace qm314::sim
