// The Debug Mode dialog's test frequencies and the normalisation of an entry.
#include <gtest/gtest.h>

#include "debugmode/debug_band.h"

namespace qm314 {
namespace {

TEST(DebugBand, Pmr446UsesItsFirstMiddleAndLastChannel) {
  const DebugBand band = debugBandFor("PMR 446 BAND");
  EXPECT_EQ(formatDebugUnits(band.low), "446.00625");
  EXPECT_EQ(formatDebugUnits(band.middle), "446.05000");
  EXPECT_EQ(formatDebugUnits(band.high), "446.09375");
}

TEST(DebugBand, ALeadingNumberGivesItAndTenAndTwentyAbove) {
  const std::vector<std::tuple<const char*, const char*, const char*, const char*>> cases = {
      {"450 - 470MHZ", "450.00000", "460.00000", "470.00000"},
      {"400 - 410MHZ", "400.00000", "410.00000", "420.00000"},
      {"400 -470 MHZ", "400.00000", "410.00000", "420.00000"},
      {"", " 0.00000", "10.00000", "20.00000"},
  };
  for (const auto& [text, low, middle, high] : cases) {
    const DebugBand band = debugBandFor(text);
    EXPECT_EQ(formatDebugUnits(band.low), low) << text;
    EXPECT_EQ(formatDebugUnits(band.middle), middle) << text;
    EXPECT_EQ(formatDebugUnits(band.high), high) << text;
  }
}

TEST(DebugBand, NormalisationWithBaseZero) {
  const DebugBand band = debugBandFor("");
  struct Row {
    const char* text;
    const char* at5k;
    const char* at6k25;
  };
  const std::vector<Row> rows = {
      {"15.0025", "15.00000", "15.00000"},   // exactly half a 5 kHz step goes down
      {"15.00251", "15.00500", "15.00000"},
      {"15.00312", "15.00500", "15.00000"},  // 312 of 625 goes down
      {"15.00313", "15.00500", "15.00625"},  // 313 goes up
      {"15.00749", "15.00500", "15.00625"},
      {"15.00751", "15.01000", "15.00625"},
      {"25", "20.00000", "20.00000"},
      {"-5", "20.00000", "20.00000"},  // a negative number lands above the band
      {"", " 0.00000", " 0.00000"},
      {"abc", " 0.00000", " 0.00000"},
      {"446.00625", "20.00000", "20.00000"},
      {"19.99999", "20.00000", "20.00000"},
      {"0.00249", " 0.00000", " 0.00000"},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(normaliseDebugEntry(r.text, band, DebugStep::Step5k), r.at5k) << r.text;
    EXPECT_EQ(normaliseDebugEntry(r.text, band, DebugStep::Step6k25), r.at6k25) << r.text;
  }
}

TEST(DebugBand, AClampedValueIsNotRounded) {
  const DebugBand band = debugBandFor("406 - 430MHZ");
  EXPECT_EQ(normaliseDebugEntry("427.123", band, DebugStep::Step6k25), "426.00000");
  EXPECT_EQ(normaliseDebugEntry("405.99999", band, DebugStep::Step6k25), "406.00000");
  EXPECT_EQ(normaliseDebugEntry("410.003", band, DebugStep::Step6k25), "410.00000");
  EXPECT_EQ(normaliseDebugEntry("410.0035", band, DebugStep::Step6k25), "410.00625");
}

TEST(DebugBand, Pmr446EntriesStayInsideTheBandWhateverTheStep) {
  const DebugBand band = debugBandFor("PMR 446 BAND");
  const std::vector<std::tuple<const char*, const char*, const char*>> cases = {
      {"20", "446.00625", "446.00625"},
      {"500", "446.09375", "446.09375"},
      {"446.05", "446.05000", "446.05000"},
      {"446.0070", "446.00625", "446.00625"},  // 5 kHz rounding would fall below the band
      {"446.0930", "446.09375", "446.09375"},  // and above it
      {"446.0312", "446.03000", "446.03125"},
  };
  for (const auto& [text, at5k, at6k25] : cases) {
    EXPECT_EQ(normaliseDebugEntry(text, band, DebugStep::Step5k), at5k) << text;
    EXPECT_EQ(normaliseDebugEntry(text, band, DebugStep::Step6k25), at6k25) << text;
  }
}

TEST(DebugBand, FormatPadsToEightCharacters) {
  EXPECT_EQ(formatDebugFrequency(0.0), " 0.00000");
  EXPECT_EQ(formatDebugFrequency(9.5), " 9.50000");
  EXPECT_EQ(formatDebugFrequency(470.0), "470.00000");
  EXPECT_EQ(formatDebugUnits(44600625), "446.00625");
}

}  // namespace
}  // namespace qm314
