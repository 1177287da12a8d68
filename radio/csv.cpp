// CSV quoting and a strict parser: a malformed file is refused, never guessed at.
#include "radio/csv.h"

namespace qm314 {
namespace {

class CsvReader {
 public:
  CsvReader(std::string_view content, char separator) : text_(content), separator_(separator) {}

  CsvParse Parse() {
    CsvParse result;
    while (i_ < text_.size()) {
      if (AtLineEnd()) {  // blank line
        SkipLineEnd();
        continue;
      }
      CsvRecord record{line_, {}};
      if (const char* error = ReadRecord(record.fields)) {
        result.errorLine = line_;
        result.error = error;
        return result;
      }
      result.records.push_back(std::move(record));
      SkipLineEnd();
    }
    return result;
  }

 private:
  bool AtLineEnd() const {
    return i_ >= text_.size() || text_[i_] == '\n' ||
           (text_[i_] == '\r' && i_ + 1 < text_.size() && text_[i_ + 1] == '\n');
  }
  void SkipLineEnd() {
    if (i_ < text_.size() && text_[i_] == '\r') ++i_;
    if (i_ < text_.size() && text_[i_] == '\n') ++i_;
    ++line_;
  }

  // The fields up to the end of the line; what is wrong, or nullptr.
  const char* ReadRecord(std::vector<std::string>& fields) {
    while (true) {
      std::string field;
      const char* error = i_ < text_.size() && text_[i_] == '"' ? ReadQuoted(field) : ReadPlain(field);
      if (error) return error;
      fields.push_back(std::move(field));
      if (i_ >= text_.size() || text_[i_] != separator_) return nullptr;
      ++i_;
    }
  }

  const char* ReadQuoted(std::string& field) {
    const int start = line_;
    ++i_;
    while (true) {
      if (i_ >= text_.size()) {
        line_ = start;
        return "a quoted field is not closed";
      }
      const char c = text_[i_++];
      if (c == '"') {
        if (i_ >= text_.size() || text_[i_] != '"') break;
        ++i_;
      } else if (c == '\n') {
        ++line_;
      }
      field += c;
    }
    if (!AtLineEnd() && text_[i_] != separator_) return "text follows a closing quote";
    return nullptr;
  }

  const char* ReadPlain(std::string& field) {
    while (!AtLineEnd() && text_[i_] != separator_) {
      if (text_[i_] == '"') return "a quote inside an unquoted field";
      if (text_[i_] == '\r') return "a carriage return inside a field";
      field += text_[i_++];
    }
    return nullptr;
  }

  std::string_view text_;
  char separator_;
  std::size_t i_ = 0;
  int line_ = 1;
};

}  // namespace

std::string CsvField(std::string_view text, char separator) {
  const bool quote = text.find_first_of("\"\r\n") != std::string_view::npos ||
                     text.find(separator) != std::string_view::npos ||
                     (!text.empty() && (text.front() == ' ' || text.back() == ' '));
  if (!quote) return std::string(text);
  std::string out = "\"";
  for (const char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  return out + "\"";
}

CsvParse ParseCsv(std::string_view content, char separator) {
  if (content.substr(0, 3) == "\xEF\xBB\xBF") content.remove_prefix(3);  // byte-order mark
  return CsvReader(content, separator).Parse();
}

}  // namespace qm314
