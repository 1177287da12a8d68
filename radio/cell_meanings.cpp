// Meanings of Channel and Tones texts, from the code tables.
#include "radio/cell_meanings.h"

#include "radio/codec.h"
#include "radio/code_tables.h"
#include "radio/text_numbers.h"

namespace qm314 {
namespace {

// "69.3", "25.0": a tone given in hertz, as the Tones column shows the tones
// that have no number.
bool IsHertzText(std::string_view text) {
  const std::size_t point = text.find('.');
  return point != std::string_view::npos && IsAllDigits(text.substr(0, point)) &&
         IsAllDigits(text.substr(point + 1));
}

// "D023N", or "D6N" as decode shows a code no list holds: "D", digits, "N" or "I".
ToneMeaning DcsMeaning(std::string_view text) {
  if (text.size() < 3 || text.front() != 'D') return {};
  const char polarity = text.back();
  const std::string_view digits = text.substr(1, text.size() - 2);
  if ((polarity != 'N' && polarity != 'I') || !IsAllDigits(digits)) return {};
  std::string code(digits);
  if (code.size() < 3) code.insert(0, 3 - code.size(), '0');
  return {ToneMeaning::Kind::kDcs, code, polarity == 'I'};
}

}  // namespace

ToneMeaning MeaningOfTone(std::string_view text) {
  using Kind = ToneMeaning::Kind;
  if (text.empty() || text == kOffText) return {Kind::kNone, {}, false};
  const int item = ToneEditorItems().find(text);
  if (item >= 1 && item <= StandardToneList().count()) return {Kind::kHertz, StandardToneList().at(item - 1), false};
  if (IsHertzText(text)) return {Kind::kHertz, std::string(text), false};
  return DcsMeaning(text);
}

std::string ChannelFrequency(std::string_view text) {
  const int item = ChannelEditorItems().find(text);
  return item > 0 ? ChannelFrequencyList().at(item - 1) : std::string();
}

std::string CellMeaning(int column, std::string_view text) {
  if (column == ChannelTable::kColChannel) {
    const std::string frequency = ChannelFrequency(text);
    return frequency.empty() ? frequency : frequency + std::string(kMegahertz);
  }
  // An empty cell says nothing, not even "no tone": rows without a channel have one.
  if (column != ChannelTable::kColTones || text.empty()) return {};
  const ToneMeaning meaning = MeaningOfTone(text);
  switch (meaning.kind) {
    case ToneMeaning::Kind::kNone:
      return std::string(kNoToneWords);
    case ToneMeaning::Kind::kHertz:
      return meaning.value + std::string(kHertz);
    case ToneMeaning::Kind::kDcs:
      return std::string(kDcsWord) + meaning.value + ", " +
             std::string(meaning.inverted ? kInvertedWord : kNormalWord);
    case ToneMeaning::Kind::kUnknown:
      break;
  }
  return {};
}

std::string TextWithMeaning(int column, std::string_view text, std::string_view separator) {
  const std::string meaning = CellMeaning(column, text);
  if (meaning.empty()) return {};
  if (meaning.starts_with(text)) return meaning;
  return std::string(text).append(separator).append(meaning);
}

std::string CellTooltip(int column, std::string_view text) { return TextWithMeaning(column, text, ": "); }

// The meanings line up in a column after the short texts.
std::string ListLine(int column, std::string_view item) { return TextWithMeaning(column, item, "   "); }

}  // namespace qm314
