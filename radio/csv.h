// Comma-separated values (RFC 4180) as the channel exports write them and the
// imports read them.  The separator is a parameter, so tab-separated rows, as
// a spreadsheet puts them on the clipboard, read the same way.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qm314 {

struct CsvRecord {
  int line = 0;  // 1-based line where the record starts
  std::vector<std::string> fields;
};

struct CsvParse {
  std::vector<CsvRecord> records;
  int errorLine = 0;  // 0 when the text is well formed
  std::string error;  // what is wrong on errorLine

  bool ok() const { return errorLine == 0; }
};

// A field, quoted when it holds the separator, a quote, a line break or edge spaces.
std::string CsvField(std::string_view text, char separator = ',');

// Records of content: fields separated by separator, records by LF or CRLF,
// double-quoted fields with "" for a quote; a leading byte-order mark is
// dropped and blank lines are skipped.  A malformed record ends the parse
// with its line and what is wrong, never with a guess.
CsvParse ParseCsv(std::string_view content, char separator = ',');

}  // namespace qm314
