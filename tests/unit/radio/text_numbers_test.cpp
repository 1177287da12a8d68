#include "radio/text_numbers.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

namespace qm314 {
namespace {

TEST(TextNumbers, LeadingIntegerReadsWhatAtoiReads) {
  EXPECT_EQ(LeadingInteger("05"), 5);
  EXPECT_EQ(LeadingInteger("  -12abc"), -12);
  EXPECT_EQ(LeadingInteger("+7"), 7);
  EXPECT_EQ(LeadingInteger("25.0"), 25);
  EXPECT_EQ(LeadingInteger("023N"), 23);
  EXPECT_EQ(LeadingInteger("Off"), 0);
  EXPECT_EQ(LeadingInteger(""), 0);
  EXPECT_EQ(LeadingInteger("- 5"), 0);
  EXPECT_EQ(LeadingInteger("99999999999999999999"), INT_MAX);
  EXPECT_EQ(LeadingInteger("-99999999999999999999"), INT_MIN);
}

TEST(TextNumbers, LeadingRealTakesFractionAndExponent) {
  EXPECT_DOUBLE_EQ(LeadingReal("446.00625"), 446.00625);
  EXPECT_DOUBLE_EQ(LeadingReal("25.0"), 25.0);
  EXPECT_DOUBLE_EQ(LeadingReal(" -3.5e2x"), -350.0);
  EXPECT_DOUBLE_EQ(LeadingReal(".5"), 0.5);
  EXPECT_DOUBLE_EQ(LeadingReal("5."), 5.0);
  EXPECT_DOUBLE_EQ(LeadingReal("1e"), 1.0);
  EXPECT_DOUBLE_EQ(LeadingReal("1.5E-3"), 0.0015);
  EXPECT_DOUBLE_EQ(LeadingReal("Off"), 0.0);
  EXPECT_DOUBLE_EQ(LeadingReal("."), 0.0);
  EXPECT_DOUBLE_EQ(LeadingReal(""), 0.0);
  EXPECT_DOUBLE_EQ(LeadingReal("1e-999"), 0.0);
  EXPECT_EQ(LeadingReal("1e999"), HUGE_VAL);
}

TEST(TextNumbers, TruncationTowardZeroAndOutOfRange) {
  EXPECT_EQ(TruncateToInt(44600625.000000004), 44600625);
  EXPECT_EQ(TruncateToInt(796.99999), 796);
  EXPECT_EQ(TruncateToInt(-2.7), -2);
  EXPECT_EQ(TruncateToInt(1e12), INT_MIN);
  EXPECT_EQ(TruncateToInt(HUGE_VAL), INT_MIN);
}

TEST(TextNumbers, FixedFormatsAsPrintfDoes) {
  EXPECT_EQ(FormatFixed(44600625 * 0.00001, 3, 5), "446.00625");
  EXPECT_EQ(FormatFixed(693 * 0.1, 3, 1), "69.3");
  EXPECT_EQ(FormatFixed(0.0, 3, 1), "0.0");
  EXPECT_EQ(FormatFixed(0.5, 5, 1), "  0.5");
  EXPECT_EQ(FormatFixed(250 * 0.1, 3, 1), "25.0");
  EXPECT_EQ(FormatTwoDigits(3), "03");
  EXPECT_EQ(FormatTwoDigits(38), "38");
  EXPECT_TRUE(IsAllDigits("05"));
  EXPECT_FALSE(IsAllDigits("25.0"));
  EXPECT_FALSE(IsAllDigits(""));
  EXPECT_FALSE(IsAllDigits(" 5"));
  const std::uint8_t bytes[] = {0x00, 0x0A, 0xA0, 0xFF};
  EXPECT_EQ(HexBytes(bytes, 4), "00 0A A0 FF");
  EXPECT_EQ(HexBytes(bytes, 0), "");
}

}  // namespace
}  // namespace qm314
