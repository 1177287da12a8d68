// Picks the form by the header and words a refusal.
#include "radio/channel_exchange.h"

#include <algorithm>

#include "radio/channel_csv_forms.h"
#include "radio/messages.h"

namespace qm314 {

ChannelImport Refused(int line, int row, std::string column, std::string value, std::string reason) {
  ChannelImport refused;
  refused.refusal = ImportRefusal{line, row, std::move(column), std::move(value), std::move(reason)};
  return refused;
}

std::optional<ChannelCsvForm> ChannelCsvFormNamed(std::string_view name) {
  if (name == kGridCsvFormat) return ChannelCsvForm::kGrid;
  if (name == kRadioCsvFormat) return ChannelCsvForm::kRadio;
  return std::nullopt;
}

std::string ExportChannelCsv(const ChannelTable& grid, ChannelCsvForm form) {
  return form == ChannelCsvForm::kRadio ? RadioCsvOf(grid) : GridCsvOf(grid);
}

ChannelImport ImportChannelCsv(std::string_view content, const ChannelTable& current) {
  const CsvParse csv = ParseCsv(content);
  if (!csv.ok()) return Refused(csv.errorLine, 0, {}, {}, csv.error);
  if (csv.records.empty()) return Refused(1, 0, {}, {}, messages::UnknownHeader());
  const CsvRecord& header = csv.records.front();
  if (IsGridCsvHeader(header)) return ReadGridCsv(csv.records, current);
  if (IsRadioCsvHeader(header)) return ReadRadioCsv(csv.records, current);
  return Refused(header.line, 0, {}, {}, messages::UnknownHeader());
}

void ImportReport::note(ImportChange change, int line) {
  auto it = std::find_if(changes.begin(), changes.end(), [&](const auto& noted) { return noted.first == change; });
  if (it == changes.end()) {
    it = std::find_if(changes.begin(), changes.end(), [&](const auto& noted) { return noted.first > change; });
    it = changes.insert(it, {change, {}});
  }
  if (it->second.empty() || it->second.back() != line) it->second.push_back(line);
}

std::string ImportSummary(const ImportReport& report) {
  std::string summary = messages::ImportedRows(report.channelRows, report.emptyRows);
  for (const auto& [change, lines] : report.changes) summary += "\n" + messages::ImportChanged(change, lines);
  return summary;
}

bool IsChannelCsv(std::string_view start) {
  // The first line with its end, which may be CRLF.
  const std::size_t end = start.find('\n');
  const CsvParse csv = ParseCsv(start.substr(0, end == std::string_view::npos ? end : end + 1));
  return csv.ok() && csv.records.size() == 1 &&
         (IsGridCsvHeader(csv.records.front()) || IsRadioCsvHeader(csv.records.front()));
}

std::string RefusalText(std::string_view source, const ImportRefusal& refusal) {
  const std::string place = messages::ImportPlace(source, refusal.line, refusal.row, refusal.column);
  if (refusal.column.empty()) return place + ": " + refusal.reason;
  return place + ": \"" + refusal.value + "\" " + refusal.reason;
}

}  // namespace qm314
