// Comma-separated values as the channel export writes them and the import reads them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qm314::cli {

struct CsvRecord {
  int line = 0;  // 1-based line where the record starts
  std::vector<std::string> fields;
};

// A field, quoted when it holds a comma, a quote, a line break or edge spaces.
std::string CsvField(std::string_view text);

// Records of content: fields separated by commas, records by LF or CRLF,
// double-quoted fields with "" for a quote.  Blank lines are skipped.
// Throws std::runtime_error naming the line of a malformed record.
std::vector<CsvRecord> ParseCsv(std::string_view content);

}  // namespace qm314::cli
