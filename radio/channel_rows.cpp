// Row checks and the new-channel rule.
#include "radio/channel_rows.h"

#include "radio/cell_texts.h"
#include "radio/code_tables.h"
#include "radio/messages.h"
#include "radio/text_numbers.h"

namespace qm314 {
namespace {

// The list a column's numbers count in: Channel 01-08, Tones 01-38.
int LastNumber(int column) {
  if (column == ChannelTable::kColChannel) return ChannelFrequencyList().count();
  if (column == ChannelTable::kColTones) return StandardToneList().count();
  return 0;
}

// A decimal point makes a Tones text a tone in Hz (a tone number has none).
bool IsHertzText(int column, std::string_view text) {
  return column == ChannelTable::kColTones && text.find('.') != std::string_view::npos;
}

}  // namespace

std::string GridTextOf(int column, std::string_view given) {
  const std::string_view text = TrimSpaces(given);
  if (IsAllDigits(text) && text.size() <= 3) {
    const int n = LeadingInteger(text);
    if (n >= 1 && n <= LastNumber(column)) return FormatTwoDigits(n);
  }
  // The grid shows a tone of the list by its number ("88.5" is "08"), and
  // any other tone with one decimal ("88.60" is "88.6").
  if (IsHertzText(column, text)) {
    if (auto cell = ToneCellOfHertz(text)) return *cell;
    if (const auto tenths = ScaledDecimal(text, 1)) {
      std::string tone = FormatScaled(*tenths, 1);
      if (IsGridCellText(column, tone)) return tone;
    }
  }
  return std::string(text);
}

int RowNumberOf(std::string_view given) {
  const std::string_view label = TrimSpaces(given);
  if (!IsAllDigits(label) || label.size() > 2) return 0;
  const int row = LeadingInteger(label);
  return row >= 1 && row < ChannelTable::kRows ? row : 0;
}

std::optional<CellRefusal> CheckRowCells(RowCells& cells) {
  for (int col = ChannelTable::kColChannel; col < ChannelTable::kCols; ++col) {
    std::string& text = cells[static_cast<std::size_t>(col)];
    const std::string given = text;
    text = GridTextOf(col, given);
    if (!IsGridCellText(col, text)) {
      if (IsHertzText(col, text)) return CellRefusal{col, given, ToneRefusal(messages::kNotAGridText, text)};
      return CellRefusal{col, given, messages::kNotAGridText};
    }
  }
  const std::string& bclo = cells[ChannelTable::kColBclo];
  const std::string& scan = cells[ChannelTable::kColScan];
  if (!cells[ChannelTable::kColChannel].empty()) {
    if (bclo.empty())
      return CellRefusal{ChannelTable::kColBclo, bclo, messages::MissingWithChannel(BcloEditorItems())};
    if (scan.empty())
      return CellRefusal{ChannelTable::kColScan, scan, messages::MissingWithChannel(ScanEditorItems())};
  } else if (bclo.empty() != scan.empty()) {
    // Decode shows both or neither, by whether the record is in use.
    const int empty = bclo.empty() ? ChannelTable::kColBclo : ChannelTable::kColScan;
    const int other = bclo.empty() ? ChannelTable::kColScan : ChannelTable::kColBclo;
    return CellRefusal{empty, {}, messages::MissingBeside(GridHeaders().at(other))};
  }
  return std::nullopt;
}

void AssignChannel(ChannelTable& table, int row, const std::string& channel) {
  const bool hadChannel = !table.text(row, ChannelTable::kColChannel).empty();
  table.setText(row, ChannelTable::kColChannel, channel);
  if (hadChannel) return;
  table.setText(row, ChannelTable::kColTones, std::string(kOffText));
  table.setText(row, ChannelTable::kColBclo, std::string(kOffText));
  table.setText(row, ChannelTable::kColScan, std::string(kAddText));
}

}  // namespace qm314
