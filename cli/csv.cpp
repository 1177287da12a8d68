// CSV quoting and a strict parser: a malformed file is refused, never guessed at.
#include "cli/csv.h"

#include <stdexcept>

namespace qm314::cli {

std::string CsvField(std::string_view text) {
  const bool quote = text.find_first_of(",\"\r\n") != std::string_view::npos ||
                     (!text.empty() && (text.front() == ' ' || text.back() == ' '));
  if (!quote) return std::string(text);
  std::string out = "\"";
  for (const char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  return out + "\"";
}

std::vector<CsvRecord> ParseCsv(std::string_view content) {
  if (content.substr(0, 3) == "\xEF\xBB\xBF") content.remove_prefix(3);  // byte-order mark
  std::vector<CsvRecord> records;
  std::size_t i = 0;
  int line = 1;
  auto fail = [&line](const std::string& what) {
    throw std::runtime_error("line " + std::to_string(line) + ": " + what);
  };
  auto atLineEnd = [&]() {
    return i >= content.size() || content[i] == '\n' || (content[i] == '\r' && i + 1 < content.size() && content[i + 1] == '\n');
  };
  auto skipLineEnd = [&]() {
    if (i < content.size() && content[i] == '\r') ++i;
    if (i < content.size() && content[i] == '\n') ++i;
    ++line;
  };

  while (i < content.size()) {
    if (atLineEnd()) {  // blank line
      skipLineEnd();
      continue;
    }
    CsvRecord record{line, {}};
    while (true) {
      std::string field;
      if (i < content.size() && content[i] == '"') {
        ++i;
        while (true) {
          if (i >= content.size()) fail("a quoted field is not closed");
          const char c = content[i++];
          if (c == '"') {
            if (i < content.size() && content[i] == '"') {
              field += '"';
              ++i;
            } else {
              break;
            }
          } else {
            if (c == '\n') ++line;
            field += c;
          }
        }
        if (!atLineEnd() && content[i] != ',') fail("text follows a closing quote");
      } else {
        while (!atLineEnd() && content[i] != ',') {
          if (content[i] == '"') fail("a quote inside an unquoted field");
          if (content[i] == '\r') fail("a carriage return inside a field");
          field += content[i++];
        }
      }
      record.fields.push_back(std::move(field));
      if (i < content.size() && content[i] == ',') {
        ++i;
        continue;
      }
      break;
    }
    records.push_back(std::move(record));
    skipLineEnd();
  }
  return records;
}

}  // namespace qm314::cli
