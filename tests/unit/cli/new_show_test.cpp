#include "tests/unit/cli/cli_fixture.h"

namespace qm314::cli {
namespace {

using Bytes = std::vector<std::uint8_t>;

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
  EXPECT_EQ(Slice(data, 17), (Bytes{0x00, 0x00, 0x01, 0x46, 0x00, 0x00, 0x00, 0x46, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                    0x01, 0x01, 0xFF}));
  EXPECT_EQ(Slice(data, 40), (Bytes{0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A, 0x0B, 0x0C, 0x0D,
                                    0x0E, 0x0F, 0x10}));
  EXPECT_EQ(Slice(data, 60), (Bytes{0xFB, 0x04, 0x03, 0x06, 0xFF, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                    0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(Slice(data, 61), (Bytes{0x00, 0x00, 0xF4, 0x37, 0x30, 0x31, 0x33, 0x50, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                    0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(Slice(data, 63), (Bytes{0x5E, 0x09, 0x2B, 0x69, 0xD8, 0xAA, 0x41, 0xAA, 0x60, 0x4B, 0xFF, 0xFF, 0xFF,
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

// A new image with channel 03 in row 2 (tone 69.3, Carrier, Add) and a record in
// row 5 whose frequency is no PMR446 channel (tone D023N, QT/DQT, Delete).
Bytes SampleImage() {
  Bytes data(1024, 0xFF);
  const Bytes row2 = {0x25, 0x31, 0x60, 0x44, 0x25, 0x31, 0x60, 0x44, 0x93, 0x06, 0x93, 0x06, 0xFE, 0x01, 0x01, 0xFF};
  const Bytes row5 = {0x00, 0x00, 0x60, 0x44, 0x00, 0x00, 0x60, 0x44, 0x23, 0x80, 0x23, 0x80, 0xE1, 0x01, 0x01, 0xFF};
  std::copy(row2.begin(), row2.end(), data.begin() + 2 * 16);
  std::copy(row5.begin(), row5.end(), data.begin() + 5 * 16);
  const Bytes settings = {0x04, 0x0C, 0x02, 0x01};  // Disable, On, squelch 12 -> "0", Monitor Lock, 30s
  std::copy(settings.begin(), settings.end(), data.begin() + 60 * 16);
  return data;
}

TEST_F(CliTest, ShowJsonGivesTheFormsTexts) {
  writeBytes("s.int", SampleImage());
  ASSERT_EQ(run({"show", path("s.int"), "--json"}), 0) << err_;
  EXPECT_NE(out_.find("\"settings\": {\n"
                      "    \"type\": \"Trevna QM-314\",\n"
                      "    \"field\": \"PMR 446 BAND\",\n"
                      "    \"tot\": \"30s\",\n"
                      "    \"warning\": \"Disable\",\n"
                      "    \"power\": \"500mW\",\n"
                      "    \"squelch\": \"0\",\n"
                      "    \"scan_switch\": \"On\",\n"
                      "    \"moni\": \"Monitor Lock\"\n"
                      "  }"),
            std::string::npos)
      << out_;
  EXPECT_NE(out_.find("{\"row\": 1, \"channel\": \"\", \"tones\": \"\", \"bclo\": \"\", \"scan\": \"\"},"),
            std::string::npos);
  EXPECT_NE(out_.find("{\"row\": 2, \"channel\": \"03\", \"tones\": \"69.3\", \"bclo\": \"Carrier\", "
                      "\"scan\": \"Add\"},"),
            std::string::npos);
  EXPECT_NE(out_.find("{\"row\": 5, \"channel\": \"\", \"tones\": \"D023N\", \"bclo\": \"QT/DQT\", "
                      "\"scan\": \"Delete\"},"),
            std::string::npos);
  EXPECT_NE(out_.find("{\"row\": 16, \"channel\": \"\", \"tones\": \"\", \"bclo\": \"\", \"scan\": \"\"}\n  ]\n}\n"),
            std::string::npos);
}

TEST_F(CliTest, ShowListsOnlyRowsWithAChannel) {
  writeBytes("s.int", SampleImage());
  ASSERT_EQ(run({"show", path("s.int")}), 0) << err_;
  EXPECT_NE(out_.find("Channel Setting:\n"
                      "  CH        Channel   Tones     Scan\n"
                      "  2         03        69.3      Add\n"),
            std::string::npos)
      << out_;
  EXPECT_EQ(out_.find("D023N"), std::string::npos);
  EXPECT_NE(out_.find("  Power:             500mw\n"), std::string::npos);
}

TEST_F(CliTest, AFileThatIsNotChannelDataIsShownWithAWarning) {
  // Row 5 holds 446.00000 MHz, which the program never stores.
  writeBytes("s.int", SampleImage());
  ASSERT_EQ(run({"show", path("s.int")}), 0);
  EXPECT_EQ(err_, "qm314-cli: warning: \"" + path("s.int") + "\" does not look like QM-314 channel data.\n");
  EXPECT_NE(out_.find("  2         03        69.3      Add\n"), std::string::npos) << out_;

  // What the program saves from it, or anew, is its own.
  ASSERT_EQ(run({"set", path("s.int"), "tot=Off", "-o", path("saved.int"), "--force"}), 0);
  ASSERT_EQ(run({"new", path("new.int")}), 0);
  for (const char* file : {"saved.int", "new.int"}) {
    ASSERT_EQ(run({"show", path(file)}), 0);
    EXPECT_EQ(err_, "") << file;
  }
}

TEST_F(CliTest, ShowRefusesMissingAndShortFiles) {
  EXPECT_EQ(run({"show", path("none.int")}), 2);
  EXPECT_NE(err_.find("none.int"), std::string::npos) << err_;
  EXPECT_EQ(out_, "");
  writeBytes("short.int", Bytes(1000, 0xFF));
  EXPECT_EQ(run({"show", path("short.int")}), 2);
  EXPECT_NE(err_.find("1000 bytes"), std::string::npos) << err_;
  EXPECT_EQ(out_, "");
}

}  // namespace
}  // namespace qm314::cli
