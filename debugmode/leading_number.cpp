// Locale-independent atof.
#include "debugmode/leading_number.h"

#include <charconv>

namespace qm314 {

namespace {

bool isCSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isHexDigit(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

}  // namespace

double leadingNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && isCSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) return 0.0;
  const char* first = text.data() + i;
  const char* last = text.data() + text.size();
  double value = 0.0;
  // from_chars reads hexadecimal only without its prefix; atof takes "0x1A" as 26
  // but "0x" alone as 0.
  if (last - first > 2 && first[0] == '0' && (first[1] == 'x' || first[1] == 'X') &&
      (isHexDigit(first[2]) || (first[2] == '.' && last - first > 3 && isHexDigit(first[3])))) {
    std::from_chars(first + 2, last, value, std::chars_format::hex);
  } else {
    std::from_chars(first, last, value, std::chars_format::general);
  }
  return negative ? -value : value;
}

}  // namespace qm314
