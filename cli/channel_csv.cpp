// Export and strict import of the channel rows.
#include "cli/channel_csv.h"

#include <stdexcept>

#include "cli/command.h"
#include "cli/csv.h"
#include "cli/messages.h"
#include "radio/cell_texts.h"
#include "radio/code_tables.h"

namespace qm314::cli {
namespace {

std::string CsvLine(const ChannelTable& grid, int row) {
  std::string line;
  for (int col = 0; col < ChannelTable::kCols; ++col) {
    if (col > 0) line += ',';
    line += CsvField(grid.text(row, col));
  }
  return line + "\n";
}

bool IsHeader(const CsvRecord& record) {
  if (record.fields.size() != static_cast<std::size_t>(ChannelTable::kCols)) return false;
  for (int col = 0; col < ChannelTable::kCols; ++col)
    if (record.fields[static_cast<std::size_t>(col)] != GridHeaders().at(col)) return false;
  return true;
}

std::string HeaderText() {
  std::string text;
  for (const auto& header : GridHeaders()) text += (text.empty() ? "" : ",") + header;
  return text;
}

// The row a record's CH field names, 1-16, or 0.
int RowOf(const std::string& label) {
  for (int row = 1; row < ChannelTable::kRows; ++row)
    if (label == std::to_string(row)) return row;
  return 0;
}

}  // namespace

std::string ChannelTableToCsv(const ChannelTable& grid) {
  std::string csv;
  for (int row = 0; row < ChannelTable::kRows; ++row) csv += CsvLine(grid, row);
  return csv;
}

void ApplyChannelCsv(std::string_view csv, std::string_view source, ChannelTable& grid) {
  std::vector<CsvRecord> records;
  try {
    records = ParseCsv(csv);
  } catch (const std::runtime_error& e) {
    throw InputError(std::string(source) + ": " + e.what() + "; nothing was written");
  }
  if (records.empty() || !IsHeader(records.front()))
    throw InputError(messages::CsvError(source, records.empty() ? 1 : records.front().line,
                                        "the first line must be " + HeaderText()));

  ChannelTable result = grid;
  bool seen[ChannelTable::kRows] = {};
  for (std::size_t i = 1; i < records.size(); ++i) {
    const CsvRecord& record = records[i];
    if (record.fields.size() != static_cast<std::size_t>(ChannelTable::kCols))
      throw InputError(messages::CsvError(source, record.line,
                                          "a row has " + std::to_string(ChannelTable::kCols) + " fields, this one " +
                                              std::to_string(record.fields.size())));
    const int row = RowOf(record.fields[0]);
    if (row == 0)
      throw InputError(messages::CsvError(source, record.line,
                                          "\"" + record.fields[0] + "\" is not a row number from 1 to 16"));
    if (seen[row])
      throw InputError(messages::CsvError(source, record.line, "row " + record.fields[0] + " appears twice"));
    seen[row] = true;
    for (int col = 1; col < ChannelTable::kCols; ++col) {
      const std::string& text = record.fields[static_cast<std::size_t>(col)];
      if (!IsGridCellText(col, text))
        throw InputError(messages::CsvCellRefused(source, row, GridHeaders().at(col), text));
      result.setText(row, col, text);
    }
  }
  for (int row = 1; row < ChannelTable::kRows; ++row)
    if (!seen[row])
      throw InputError(messages::CsvError(source, records.back().line + 1,
                                          "row " + std::to_string(row) + " is missing"));
  grid = result;
}

}  // namespace qm314::cli
