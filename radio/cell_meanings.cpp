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
std::string DcsMeaning(std::string_view text) {
  if (text.size() < 3 || text.front() != 'D') return {};
  const char polarity = text.back();
  const std::string_view digits = text.substr(1, text.size() - 2);
  if ((polarity != 'N' && polarity != 'I') || !IsAllDigits(digits)) return {};
  std::string code(digits);
  if (code.size() < 3) code.insert(0, 3 - code.size(), '0');
  return "DCS " + code + (polarity == 'N' ? ", normal" : ", inverted");
}

}  // namespace

std::string CellMeaning(int column, std::string_view text) {
  if (column == ChannelTable::kColChannel) {
    const int item = ChannelEditorItems().find(text);
    return item > 0 ? ChannelFrequencyList().at(item - 1) + " MHz" : std::string();
  }
  if (column != ChannelTable::kColTones) return {};
  if (text == kOffText) return "no tone";
  const int item = ToneEditorItems().find(text);
  if (item >= 1 && item <= StandardToneList().count()) return StandardToneList().at(item - 1) + " Hz";
  if (IsHertzText(text)) return std::string(text) + " Hz";
  return DcsMeaning(text);
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
