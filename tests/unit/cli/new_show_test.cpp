#include "tests/unit/cli/cli_fixture.h"

namespace qm314::cli {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Block(const std::vector<std::uint8_t>& sixteen) { return sixteen; }

Bytes Slice(const Bytes& data, int block) {
  return Bytes(data.begin() + block * 16, data.begin() + block * 16 + 16);
}

TEST_F(CliTest, NewWritesTheSavedNewDocument) {
  ASSERT_EQ(run({"new", path("new.int")}), 0) << err_;
  const Bytes data = bytes("new.int");
  ASSERT_EQ(data.size(), 1024u);
  const Bytes emptyRecord = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                             0xFF, 0xFF, 0xFF, 0xFF, 0xED, 0xFF, 0xFF, 0xFF};
  for (int block = 1; block <= 16; ++block) EXPECT_EQ(Slice(data, block), emptyRecord) << "block " << block;
  EXPECT_EQ(Slice(data, 17), Block({0x00, 0x00, 0x01, 0x46, 0x00, 0x00, 0x00, 0x46, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                    0x01, 0x01, 0xFF}));
  EXPECT_EQ(Slice(data, 40), Block({0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A, 0x0B, 0x0C, 0x0D,
                                    0x0E, 0x0F, 0x10}));
  EXPECT_EQ(Slice(data, 60), Block({0xFB, 0x04, 0x03, 0x06, 0xFF, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                    0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(Slice(data, 61), Block({0x00, 0x00, 0xF4, 0x37, 0x30, 0x31, 0x33, 0x50, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                    0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(Slice(data, 63), Block({0x5E, 0x09, 0x2B, 0x69, 0xD8, 0xAA, 0x41, 0xAA, 0x60, 0x4B, 0xFF, 0xFF, 0xFF,
                                    0xFF, 0xFF, 0xFF}));
}

TEST_F(CliTest, ShowPrintsTheReportLines) {
  ASSERT_EQ(run({"new", path("a.int")}), 0);
  ASSERT_EQ(run({"show", path("a.int")}), 0) << err_;
  EXPECT_EQ(out_,
            "The Radio Settings\n"
            "Function Setting:\n"
            "  Type:              Trevna QM-314\n"
            "  Field:             PMR 446 BAND\n"
            "  TOT:               180s\n"
            "  Warning:           Enable\n"
            "  Power:             500mw\n"
            "  Squelch Level:     4\n"
            "  Scan Switch:       Off\n"
            "  Moni:              SQ-Off Momentary\n"
            "Channel Setting:\n"
            "  CH        Channel   Tones     Scan\n");
}

}  // namespace
}  // namespace qm314::cli
