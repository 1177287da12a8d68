// Packing of the frequency and tone fields, the two frames, the item table and
// the wake-up word.
#include <gtest/gtest.h>

#include <cstdlib>

#include "debugmode/debug_frames.h"
#include "debugmode/debug_word.h"

namespace qm314 {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes frame(const DebugFrame& f) { return {f.begin(), f.end()}; }

TEST(DebugFields, FrequencyTextsPackLowestDigitPairFirst) {
  const std::vector<std::pair<const char*, Bytes>> cases = {
      {"446.00625", {0x25, 0x06, 0x60, 0x44}},
      {"20.00000", {0x00, 0x00, 0x00, 0x02}},
      {"", {0x00, 0x00, 0x00, 0x00}},
      {"no digits", {0x00, 0x00, 0x00, 0x00}},
      {" 0.00000", {0x00, 0x00, 0x00, 0x00}},
      {"15.0025", {0x50, 0x02, 0x50, 0x01}},
      {"123.456789", {0x78, 0x56, 0x34, 0x12}},  // truncated, not rounded
      {"999.99999", {0x99, 0x99, 0x99, 0x99}},
      {"470MHZ", {0x00, 0x00, 0x00, 0x47}},
  };
  for (const auto& [text, bytes] : cases) {
    const auto units = frequencyUnits(text);
    ASSERT_TRUE(units) << text;
    const auto field = packFrequencyField(*units);
    EXPECT_EQ(Bytes(field.begin(), field.end()), bytes) << text;
  }
}

TEST(DebugFields, FrequenciesThatDoNotFitEightDigitsAreNotPacked) {
  for (const char* text : {"-5", "-0.00001", "1000", "1000.0", "12345", "1e3", "1e400"}) {
    EXPECT_FALSE(frequencyUnits(text)) << text;
  }
}

TEST(DebugFields, ToneTextsPackInTenthsOfAHertz) {
  const std::vector<std::pair<const char*, Bytes>> cases = {
      {"69.3", {0x93, 0x06}}, {"254.1", {0x41, 0x25}}, {"100.0", {0x00, 0x10}},
      {"D023N", {0x00, 0x00}}, {"", {0x00, 0x00}},     {"999.9", {0x99, 0x99}},
  };
  for (const auto& [text, bytes] : cases) {
    const auto tenths = toneTenths(text);
    ASSERT_TRUE(tenths) << text;
    const auto field = packToneField(*tenths);
    EXPECT_EQ(Bytes(field.begin(), field.end()), bytes) << text;
  }
  EXPECT_FALSE(toneTenths("1000"));
  EXPECT_FALSE(toneTenths("-1"));
}

TEST(DebugFrames, FrequencyFrameIsReceiveThenTransmit) {
  EXPECT_EQ(frame(frequencyFrame(44600625, 2000000)),
            (Bytes{0x25, 0x06, 0x60, 0x44, 0x00, 0x00, 0x00, 0x02}));
  EXPECT_EQ(frame(frequencyFrame(0, 0)), Bytes(8, 0x00));
}

TEST(DebugFrames, ToneAndValueFrameCarriesFb0101AndTheValue) {
  EXPECT_EQ(frame(toneValueFrame(693, 693, 160)),
            (Bytes{0x93, 0x06, 0x93, 0x06, 0xFB, 0x01, 0x01, 0xA0}));
  EXPECT_EQ(frame(toneValueFrame(0, 2541, 255)),
            (Bytes{0x00, 0x00, 0x41, 0x25, 0xFB, 0x01, 0x01, 0xFF}));
}

TEST(DebugItems, CodesOpcodesNamesAndDefaults) {
  struct Row {
    int code;
    std::uint8_t opcode;
    const char* name;
    int defaultValue;
  };
  const std::vector<Row> rows = {{2, 0x71, "TX Frequency", 91},
                                 {3, 0x72, "Low Power Voltage", 38},
                                 {4, 0x73, "Squelch Level", 160},
                                 {5, 0x74, "TX Power", 47}};
  for (const auto& r : rows) {
    const auto byCode = debugItemByCode(r.code);
    ASSERT_TRUE(byCode);
    EXPECT_EQ(debugItemByName(r.name), byCode);
    EXPECT_EQ(debugItemOpcode(*byCode), r.opcode);
    EXPECT_EQ(debugItemName(*byCode), r.name);
    EXPECT_EQ(debugItemDefault(*byCode), r.defaultValue);
  }
  EXPECT_FALSE(debugItemByCode(1));
  EXPECT_FALSE(debugItemByCode(6));
  EXPECT_FALSE(debugItemByName("tx power"));
}

TEST(DebugWakeWord, IsStxAndSixLettersFromOptionEnvironmentOrDefault) {
  std::string error;
  ::unsetenv("QM314_DEBUG_WORD");
  EXPECT_EQ(ConfiguredDebugWord("", error),
            (WakeUpWord{0x02, 'Q', 'M', 'D', 'B', 'U', 'G'}));

  ::setenv("QM314_DEBUG_WORD", "ZZTOPS", 1);
  EXPECT_EQ(ConfiguredDebugWord("", error), (WakeUpWord{0x02, 'Z', 'Z', 'T', 'O', 'P', 'S'}));
  EXPECT_EQ(ConfiguredDebugWord("ABCXYZ", error),
            (WakeUpWord{0x02, 0x41, 0x42, 0x43, 0x58, 0x59, 0x5A}));
  EXPECT_TRUE(error.empty());

  for (const char* bad : {"ABCDE", "ABCDEFG", "qmdbug", "ABC1EF"}) {
    EXPECT_FALSE(ConfiguredDebugWord(bad, error)) << bad;
  }
  ::setenv("QM314_DEBUG_WORD", "qmdbug", 1);
  EXPECT_FALSE(ConfiguredDebugWord("", error));
  EXPECT_NE(error.find("QM314_DEBUG_WORD"), std::string::npos);
  ::unsetenv("QM314_DEBUG_WORD");
}

}  // namespace
}  // namespace qm314
