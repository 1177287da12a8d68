// The set of texts each editable grid column can hold.  The Tones texts that
// decode can produce are found by decoding every possible tone field once.
#include "radio/cell_texts.h"

#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "radio/code_tables.h"
#include "radio/codec.h"
#include "radio/messages.h"
#include "radio/text_numbers.h"

namespace qm314 {
namespace {

std::set<std::string, std::less<>> MakeToneTexts() {
  std::set<std::string, std::less<>> texts(ToneEditorItems().begin(), ToneEditorItems().end());
  for (int high = 0; high <= 0xFF; ++high)
    for (int low = 0; low <= 0xFF; ++low)
      texts.insert(DecodeToneCell(static_cast<std::uint8_t>(high), static_cast<std::uint8_t>(low)));
  return texts;
}

bool IsToneText(std::string_view text) {
  static const std::set<std::string, std::less<>> texts = MakeToneTexts();
  return texts.count(text) != 0;
}

// Hz texts are compared in millihertz: finer than any tone text, coarse
// enough that no sensible text overflows.
constexpr int kHertzDecimals = 3;

// The CTCSS tones of the Tones list, lowest first: (millihertz, cell text).
std::vector<std::pair<long long, std::string>> MakeListedTones() {
  std::vector<std::pair<long long, std::string>> tones;
  for (const std::string& item : ToneEditorItems())
    if (const auto cell = ToneCellOfHertz(item)) tones.emplace_back(*ScaledDecimal(item, kHertzDecimals), *cell);
  for (int i = 0; i < StandardToneList().count(); ++i)
    tones.emplace_back(*ScaledDecimal(StandardToneList().at(i), kHertzDecimals), FormatTwoDigits(i + 1));
  std::sort(tones.begin(), tones.end());
  return tones;
}

}  // namespace

std::optional<std::string> ToneCellOfHertz(std::string_view hertz) {
  const auto tenths = ScaledDecimal(hertz, 1);
  if (!tenths) return std::nullopt;
  const std::string text = FormatScaled(*tenths, 1);
  if (const int number = StandardToneList().find(text); number >= 0) return FormatTwoDigits(number + 1);
  if (ToneCodeTable().contains(text)) return text;
  return std::nullopt;
}

std::string ToneRefusal(std::string_view reason, std::string_view hertz) {
  static const std::vector<std::pair<long long, std::string>> listed = MakeListedTones();
  const auto value = ScaledDecimal(hertz, kHertzDecimals);
  if (!value || listed.empty()) return std::string(reason);
  const auto above = std::lower_bound(listed.begin(), listed.end(), std::pair(*value, std::string()));
  std::vector<std::pair<std::string, std::string>> nearest;  // (Hz, cell text)
  const auto add = [&](const std::pair<long long, std::string>& tone) {
    nearest.emplace_back(FormatScaled(tone.first / 100, 1), tone.second);
  };
  if (above != listed.begin()) add(*(above - 1));
  if (above != listed.end()) add(*above);
  return std::string(reason) + "; " + messages::NearestTones(nearest);
}

bool IsGridCellText(int column, std::string_view text) {
  switch (column) {
    case ChannelTable::kColChannel:
      return ChannelEditorItems().contains(text);
    case ChannelTable::kColTones:
      return IsToneText(text);
    case ChannelTable::kColBclo:
      return text.empty() || BcloEditorItems().contains(text);
    case ChannelTable::kColScan:
      return text.empty() || ScanEditorItems().contains(text);
    default:
      return false;
  }
}

}  // namespace qm314
