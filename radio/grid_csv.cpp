// The grid's own CSV: every row as the grid shows it out; back in, the rows a
// file gives (a spreadsheet may have saved "02" as "2"), each checked as a row
// of the grid.
#include "radio/channel_csv_forms.h"
#include "radio/channel_rows.h"
#include "radio/code_tables.h"
#include "radio/messages.h"
#include "radio/text_numbers.h"

namespace qm314 {
namespace {

constexpr std::size_t kFields = ChannelTable::kCols;

}  // namespace

bool IsGridCsvHeader(const CsvRecord& header) {
  if (header.fields.size() != kFields) return false;
  for (int col = 0; col < ChannelTable::kCols; ++col)
    if (header.fields[static_cast<std::size_t>(col)] != GridHeaders().at(col)) return false;
  return true;
}

std::string GridCsvOf(const ChannelTable& grid) {
  std::string csv;
  for (int row = 0; row < ChannelTable::kRows; ++row) {
    for (int col = 0; col < ChannelTable::kCols; ++col) {
      if (col > 0) csv += ',';
      csv += CsvField(grid.text(row, col));
    }
    csv += '\n';
  }
  return csv;
}

ChannelImport ReadGridCsv(const std::vector<CsvRecord>& records, const ChannelTable& current) {
  if (records.size() < 2) return Refused(records.front().line, 0, {}, {}, messages::kNoRows);
  ChannelTable result = current;
  ImportReport report;
  int givenBy[ChannelTable::kRows] = {};  // the line that gave each row
  for (std::size_t i = 1; i < records.size(); ++i) {
    const CsvRecord& record = records[i];
    if (record.fields.size() != kFields)
      return Refused(record.line, 0, {}, {}, messages::FieldCount(record.fields.size(), kFields));
    const std::string& label = record.fields[ChannelTable::kColLabel];
    const int row = RowNumberOf(label);
    const std::string& chHeader = GridHeaders().at(ChannelTable::kColLabel);
    if (row == 0) return Refused(record.line, 0, chHeader, label, messages::kNotARowNumber);
    if (givenBy[row] != 0)
      return Refused(record.line, row, chHeader, label, messages::RowGivenTwice(row, givenBy[row]));
    givenBy[row] = record.line;

    RowCells cells;
    std::copy(record.fields.begin(), record.fields.end(), cells.begin());
    if (const auto refusal = CheckRowCells(cells))
      return Refused(record.line, row, GridHeaders().at(refusal->column), refusal->value, refusal->reason);
    for (int col = ChannelTable::kColChannel; col < ChannelTable::kCols; ++col)
      result.setText(row, col, cells[static_cast<std::size_t>(col)]);
  }
  for (int row = 1; row < ChannelTable::kRows; ++row) {
    if (givenBy[row] == 0) continue;
    (result.text(row, ChannelTable::kColChannel).empty() ? report.emptyRows : report.channelRows).push_back(row);
  }
  return ChannelImport{result, std::nullopt, std::move(report)};
}

}  // namespace qm314
