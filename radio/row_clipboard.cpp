// Channel rows as clipboard text, out and back in.
#include "radio/row_clipboard.h"

#include "radio/channel_csv_forms.h"
#include "radio/channel_rows.h"
#include "radio/code_tables.h"
#include "radio/image_file.h"
#include "radio/messages.h"

namespace qm314 {
namespace {

constexpr char kTab = '\t';

// A spreadsheet separates its cells by tabs; the CSV of an export by commas.
char SeparatorOf(std::string_view text) {
  const std::string_view firstLine = text.substr(0, text.find('\n'));
  return firstLine.find(kTab) != std::string_view::npos ? kTab : ',';
}

}  // namespace

std::string RowsAsClipboardText(const ChannelTable& grid, const std::vector<int>& rows) {
  const auto line = [](auto&& textOf) {
    std::string out;
    for (int col = 0; col < ChannelTable::kCols; ++col) {
      if (col > 0) out += kTab;
      out += CsvField(textOf(col), kTab);
    }
    return out + '\n';
  };
  std::string text = line([](int col) { return GridHeaders().at(col); });
  for (const int row : rows) text += line([&](int col) { return grid.text(row, col); });
  return text;
}

RowsPaste PasteRows(std::string_view text, const ChannelTable& current, int firstRow) {
  if (text.size() > kMaxTextFileSize) return {Refused(0, 0, {}, {}, messages::TextFileTooLarge(kMaxTextFileSize))};
  const CsvParse csv = ParseCsv(text, SeparatorOf(text));
  if (!csv.ok()) return {Refused(csv.errorLine, 0, {}, {}, csv.error)};
  std::vector<CsvRecord> records = csv.records;
  const bool header = !records.empty() && IsGridCsvHeader(records.front());
  if (records.size() == (header ? 1U : 0U))
    return {Refused(records.empty() ? 1 : records.front().line, 0, {}, {}, messages::kNoRowsToPaste)};
  if (header) records.erase(records.begin());

  const int count = static_cast<int>(records.size());
  const int pastLast = ChannelTable::kRows - firstRow;  // index of the first record past row 16
  if (count > pastLast)
    return {Refused(records[static_cast<std::size_t>(pastLast)].line, 0, {}, {},
                   messages::PastLastRow(count, firstRow))};

  ChannelTable result = current;
  for (int i = 0; i < count; ++i) {
    const CsvRecord& record = records[static_cast<std::size_t>(i)];
    const int row = firstRow + i;
    if (record.fields.size() != static_cast<std::size_t>(ChannelTable::kCols))
      return {Refused(record.line, row, {}, {}, messages::PastedFieldCount(record.fields.size()))};
    const std::string& label = record.fields[ChannelTable::kColLabel];
    if (RowNumberOf(label) == 0)
      return {Refused(record.line, row, GridHeaders().at(ChannelTable::kColLabel), label,
                     messages::kNotARowNumber)};
    RowCells cells;
    std::copy(record.fields.begin(), record.fields.end(), cells.begin());
    if (const auto refusal = CheckRowCells(cells))
      return {Refused(record.line, row, GridHeaders().at(refusal->column), refusal->value, refusal->reason)};
    const bool hasChannel = !cells[ChannelTable::kColChannel].empty();
    for (int col = ChannelTable::kColChannel; col < ChannelTable::kCols; ++col)
      result.setText(row, col, hasChannel ? cells[static_cast<std::size_t>(col)] : std::string());
  }
  return {ChannelImport{result, std::nullopt, {}}, firstRow + count - 1};
}

}  // namespace qm314
