// Number reading and formatting of cell texts.  Reading takes the longest
// leading number and never fails; formatting is independent of the C locale, so
// the GUI (which switches to the user's locale) writes the same texts as the CLI.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qm314 {

// Optional white space and sign, then decimal digits; 0 when there are none.
// Values beyond the 32-bit range saturate.
int LeadingInteger(std::string_view text);

// As LeadingInteger, with an optional decimal fraction and exponent.
double LeadingReal(std::string_view text);

// Drops the fractional part toward zero.  A value outside the 32-bit range (or
// NaN) gives INT_MIN, the integer the radio's original platform produced.
int TruncateToInt(double value);

// printf's "%W.Pf" in the C locale.
std::string FormatFixed(double value, int width, int precision);

// printf's "%02d".
std::string FormatTwoDigits(int value);

// "25 06 60 44": each byte as two upper-case hex digits, single spaces between.
std::string HexBytes(const std::uint8_t* bytes, std::size_t count);

// The value of a plain decimal ("446.006250", "88.5", "100") in units of
// 10^-decimals, or nothing when the text is not one (no sign, no exponent, at
// most 9 whole digits) or has non-zero digits finer than the unit.
std::optional<long long> ScaledDecimal(std::string_view text, int decimals);

// A value in units of 10^-decimals written with exactly that many decimals
// after a '.', whatever the locale: FormatScaled(885, 1) is "88.5".
std::string FormatScaled(long long scaled, int decimals);

// True for a non-empty text of decimal digits only.
bool IsAllDigits(std::string_view text);

// The text without the spaces and tabs around it.
std::string_view TrimSpaces(std::string_view text);

}  // namespace qm314
