// Leading-number parsing and locale-free fixed-point formatting of cell texts.
#include "radio/text_numbers.h"

#include <locale.h>

#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace qm314 {
namespace {

// The desktop program runs in the user's locale, where the decimal point may be
// a comma; numbers in cell texts and files always take '.'.  uselocale changes
// only this thread's locale, and only for the scope, so other threads and the
// rest of the program keep theirs.
class CNumericScope {
 public:
  CNumericScope() : previous_(uselocale(CLocale())) {}
  ~CNumericScope() { uselocale(previous_); }
  CNumericScope(const CNumericScope&) = delete;
  CNumericScope& operator=(const CNumericScope&) = delete;

 private:
  static locale_t CLocale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return c;
  }
  locale_t previous_;
};

bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Skips white space and reads an optional sign; returns the position after them.
std::size_t SkipSpaceAndSign(std::string_view text, bool& negative) {
  std::size_t i = 0;
  while (i < text.size() && IsSpace(text[i])) ++i;
  negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  return i;
}

std::size_t SkipDigits(std::string_view text, std::size_t i) {
  while (i < text.size() && IsDigit(text[i])) ++i;
  return i;
}

}  // namespace

int LeadingInteger(std::string_view text) {
  bool negative = false;
  std::size_t i = SkipSpaceAndSign(text, negative);
  long long value = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > static_cast<long long>(INT_MAX) + 1) break;
  }
  if (negative) value = -value;
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

double LeadingReal(std::string_view text) {
  bool negative = false;
  const std::size_t start = SkipSpaceAndSign(text, negative);
  const std::size_t intEnd = SkipDigits(text, start);
  std::size_t end = intEnd;
  std::size_t fracDigits = 0;
  if (end < text.size() && text[end] == '.') {
    const std::size_t fracEnd = SkipDigits(text, end + 1);
    fracDigits = fracEnd - (end + 1);
    if (intEnd > start || fracDigits > 0) end = fracEnd;
  }
  if (intEnd == start && fracDigits == 0) return 0.0;

  std::string number(text.substr(start, end - start));
  if (fracDigits == 0 && !number.empty() && number.back() == '.') number.pop_back();
  if (number.front() == '.') number.insert(number.begin(), '0');

  // An exponent counts only when at least one digit follows the 'e'.
  long long exponent = 0;
  if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
    std::size_t j = end + 1;
    bool expNegative = false;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
      expNegative = text[j] == '-';
      ++j;
    }
    const std::size_t expEnd = SkipDigits(text, j);
    if (expEnd > j) {
      for (std::size_t k = j; k < expEnd && exponent < 100000; ++k) exponent = exponent * 10 + (text[k] - '0');
      if (expNegative) exponent = -exponent;
      number += 'e';
      number += std::to_string(exponent);
    }
  }

  // strtod rounds correctly; past the double range it gives infinity on
  // overflow and zero (or a subnormal) on underflow.
  const CNumericScope cNumbers;
  const double value = std::strtod(number.c_str(), nullptr);
  return negative ? -value : value;
}

int TruncateToInt(double value) {
  if (!(value > static_cast<double>(INT_MIN) - 1.0 && value < static_cast<double>(INT_MAX) + 1.0))
    return INT_MIN;
  return static_cast<int>(value);
}

std::string FormatFixed(double value, int width, int precision) {
  const CNumericScope cNumbers;
  char small[64];
  const int length = std::snprintf(small, sizeof small, "%*.*f", width, precision, value);
  if (length < 0) return {};
  if (static_cast<std::size_t>(length) < sizeof small) return std::string(small, static_cast<std::size_t>(length));
  // Only a huge value or precision needs more; the string's own terminator takes snprintf's.
  std::string text(static_cast<std::size_t>(length), '\0');
  std::snprintf(text.data(), text.size() + 1, "%*.*f", width, precision, value);
  return text;
}

std::string FormatTwoDigits(int value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%02d", value);
  return buffer;
}

std::optional<long long> ScaledDecimal(std::string_view text, int decimals) {
  const std::size_t point = text.find('.');
  const std::string_view whole = text.substr(0, point);
  const std::string_view fraction = point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
  if (whole.empty() || whole.size() > 9 || !IsAllDigits(whole)) return std::nullopt;
  if (point != std::string_view::npos && !IsAllDigits(fraction)) return std::nullopt;
  long long value = LeadingInteger(whole);
  for (std::size_t k = 0; k < static_cast<std::size_t>(decimals); ++k)
    value = value * 10 + (k < fraction.size() ? fraction[k] - '0' : 0);
  for (std::size_t k = static_cast<std::size_t>(decimals); k < fraction.size(); ++k)
    if (fraction[k] != '0') return std::nullopt;
  return value;
}

std::string FormatScaled(long long scaled, int decimals) {
  long long unit = 1;
  for (int k = 0; k < decimals; ++k) unit *= 10;
  const std::string sign = scaled < 0 ? "-" : "";
  if (scaled < 0) scaled = -scaled;
  std::string fraction = std::to_string(scaled % unit);
  if (fraction.size() < static_cast<std::size_t>(decimals))
    fraction.insert(0, static_cast<std::size_t>(decimals) - fraction.size(), '0');
  return sign + std::to_string(scaled / unit) + "." + fraction;
}

bool IsAllDigits(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text)
    if (!IsDigit(c)) return false;
  return true;
}

std::string_view TrimSpaces(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

std::string HexBytes(const std::uint8_t* bytes, std::size_t count) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text;
  for (std::size_t i = 0; i < count; ++i) {
    if (i != 0) text += ' ';
    text += kDigits[bytes[i] >> 4];
    text += kDigits[bytes[i] & 0x0F];
  }
  return text;
}

}  // namespace qm314
