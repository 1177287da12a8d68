#include "tests/unit/cli/cli_fixture.h"

namespace qm314::cli {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::string CsvOf(const std::vector<std::string>& rows) {
  std::string csv = "CH,Channel,Tones,BCLO,Scan\n";
  for (int r = 1; r <= 16; ++r) csv += std::to_string(r) + rows[static_cast<std::size_t>(r - 1)] + "\n";
  return csv;
}

std::vector<std::string> EmptyRows() { return std::vector<std::string>(16, ",,,,"); }

class ImportExport : public CliTest {
 protected:
  void SetUp() override {
    CliTest::SetUp();
    ASSERT_EQ(run({"new", path("radio.int")}), 0);
    original_ = bytes("radio.int");
  }
  // Import refused: exit 2, the message names what it must, nothing written.
  void expectRefused(const std::string& csv, const std::vector<std::string>& mentions) {
    writeText("in.csv", csv);
    EXPECT_EQ(run({"import", path("in.csv"), path("radio.int"), "-o", path("out.int")}), 2);
    for (const auto& m : mentions) EXPECT_NE(err_.find(m), std::string::npos) << "missing \"" << m << "\" in " << err_;
    EXPECT_FALSE(exists("out.int"));
    EXPECT_EQ(bytes("radio.int"), original_);
  }
  Bytes original_;
};

TEST_F(ImportExport, ExportWritesTheGridTexts) {
  ASSERT_EQ(run({"export", path("radio.int")}), 0) << err_;
  EXPECT_EQ(out_, CsvOf(EmptyRows()));
  ASSERT_EQ(run({"export", path("radio.int"), "-o", path("out.csv")}), 0) << err_;
  EXPECT_EQ(out_, "");
  const std::string csv = CsvOf(EmptyRows());
  EXPECT_EQ(bytes("out.csv"), Bytes(csv.begin(), csv.end()));
}

TEST_F(ImportExport, ImportEncodesTheRowsAndSaves) {
  auto rows = EmptyRows();
  rows[0] = ",03,Off,Off,Add";
  rows[1] = ",08,05,Carrier,Delete";
  rows[2] = ",01,D754I,QT/DQT,Add";
  rows[3] = ",,25.0,,";  // no channel: a tone alone is kept, as decode can show it
  writeText("in.csv", CsvOf(rows));
  ASSERT_EQ(run({"import", path("in.csv"), path("radio.int"), "-o", path("out.int")}), 0) << err_;
  const Bytes out = bytes("out.int");
  ASSERT_EQ(out.size(), 1024u);
  EXPECT_EQ(Bytes(out.begin() + 16, out.begin() + 32),
            (Bytes{0x25, 0x31, 0x60, 0x44, 0x25, 0x31, 0x60, 0x44, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x01, 0x01, 0xFF}));
  EXPECT_EQ(Bytes(out.begin() + 32, out.begin() + 48),
            (Bytes{0x75, 0x93, 0x60, 0x44, 0x75, 0x93, 0x60, 0x44, 0x97, 0x07, 0x97, 0x07, 0xEE, 0x01, 0x01, 0xFF}));
  EXPECT_EQ(Bytes(out.begin() + 48, out.begin() + 64),
            (Bytes{0x25, 0x06, 0x60, 0x44, 0x25, 0x06, 0x60, 0x44, 0x54, 0xC7, 0x54, 0xC7, 0xFD, 0x01, 0x01, 0xFF}));
  EXPECT_EQ(Bytes(out.begin() + 64, out.begin() + 80),
            (Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x50, 0x02, 0x50, 0x02, 0xED, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(bytes("radio.int"), original_);

  ASSERT_EQ(run({"export", path("out.int")}), 0);
  rows[0] = ",03,,Off,Add";  // "Off" is no tone, which the grid shows empty
  EXPECT_EQ(out_, CsvOf(rows));
}

TEST_F(ImportExport, ImportWithoutOutputSavesOverTheFileAndQuotedFieldsWork) {
  auto rows = EmptyRows();
  rows[15] = ",\"04\",\"D023N\",Off,\"Add\"";
  std::string csv = CsvOf(rows);
  // CRLF line ends and rows in any order are fine.
  std::string crlf;
  for (char c : csv) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  writeText("in.csv", crlf);
  ASSERT_EQ(run({"import", path("in.csv"), path("radio.int")}), 0) << err_;
  EXPECT_EQ(bytes("radio.int")[16 * 16 + 3], 0x44);
  EXPECT_EQ(bytes("radio.int")[16 * 16 + 9], 0x80);
}

TEST_F(ImportExport, TextsTheGridCannotHoldAreRefused) {
  auto rows = EmptyRows();
  rows[6] = ",09,Off,Off,Add";
  expectRefused(CsvOf(rows), {"row 7", "Channel", "\"09\"", "nothing was written"});
  rows = EmptyRows();
  rows[2] = ",01,39,Off,Add";
  expectRefused(CsvOf(rows), {"row 3", "Tones", "\"39\""});
  rows = EmptyRows();
  rows[2] = ",01,Off,off,Add";
  expectRefused(CsvOf(rows), {"row 3", "BCLO", "\"off\""});
  rows = EmptyRows();
  rows[15] = ",01,Off,Off,Yes";
  expectRefused(CsvOf(rows), {"row 16", "Scan", "\"Yes\""});
}

TEST_F(ImportExport, MalformedCsvIsRefused) {
  auto rows = EmptyRows();
  expectRefused("Channel,Tones\n", {"CH,Channel,Tones,BCLO,Scan"});
  expectRefused("", {"CH,Channel,Tones,BCLO,Scan"});
  rows[4] = ",01,Off,Off";
  expectRefused(CsvOf(rows), {"line 6", "4"});
  rows = EmptyRows();
  rows[4] = ",\"01,Off,Off,Add";
  expectRefused(CsvOf(rows), {"not closed"});
  rows = EmptyRows();
  rows[4] = ",0\"1,Off,Off,Add";
  expectRefused(CsvOf(rows), {"line 6", "quote"});
  std::string csv = CsvOf(EmptyRows());
  expectRefused(csv + "3,,,,\n", {"line 18", "row 3 a second time"});
  expectRefused(csv + "17,,,,\n", {"\"17\""});
}

TEST_F(ImportExport, CommonRadioCsvOutAndBack) {
  writeText("in.csv", "CH,Channel,Tones,BCLO,Scan\n4,8,D023I,Carrier,Delete\n9,\" 1\",12,Off,Add\n");
  ASSERT_EQ(run({"import", path("in.csv"), path("radio.int"), "-o", path("mine.int")}), 0) << err_;
  ASSERT_EQ(run({"export", path("mine.int"), "--format", "radio-csv", "-o", path("plan.csv")}), 0) << err_;
  const std::string header =
      "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,CrossMode,"
      "Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n";
  const std::string plan = header +
                           "4,,446.093750,,0.000000,DTCS,88.5,88.5,023,RR,023,Tone->Tone,NFM,12.50,S,0.5W,,,,,\r\n"
                           "9,,446.006250,,0.000000,TSQL,100.0,100.0,023,NN,023,Tone->Tone,NFM,12.50,,0.5W,,,,,\r\n";
  EXPECT_EQ(bytes("plan.csv"), Bytes(plan.begin(), plan.end()));
  // Into the file it came from, every byte stays; into a new one, BCLO is a new channel's.
  ASSERT_EQ(run({"import", path("plan.csv"), path("mine.int"), "-o", path("same.int")}), 0) << err_;
  EXPECT_EQ(bytes("same.int"), bytes("mine.int"));
  ASSERT_EQ(run({"import", path("plan.csv"), path("radio.int")}), 0) << err_;
  EXPECT_EQ(err_, "qm314-cli import: 2 channels went into rows 4 and 9.\n");
  writeText("power.csv", header + "2,,446.006250,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,12.50,,5W,,,,,\r\n");
  ASSERT_EQ(run({"import", path("power.csv"), path("mine.int"), "-o", path("power.int")}), 0) << err_;
  EXPECT_EQ(err_, "qm314-cli import: 1 channel went into row 2.\n"
                  "qm314-cli import: Power, line 2: dropped; the radio sends every channel with its own 0.5 W.\n");
  ASSERT_EQ(run({"export", path("radio.int")}), 0) << err_;
  auto rows = EmptyRows();
  rows[3] = ",08,D023I,Off,Delete";
  rows[8] = ",01,12,Off,Add";
  EXPECT_EQ(out_, CsvOf(rows));

  original_ = bytes("radio.int");
  expectRefused(header + "1,,446.100000,,0,,88.5,88.5,023,NN,023,,NFM,12.50,,,,,,,\r\n",
                {"line 2, row 1, column Frequency: \"446.100000\"", "nothing was written"});
  EXPECT_EQ(run({"export", path("radio.int"), "--format", "xml"}), 2);
  EXPECT_NE(err_.find("unknown format \"xml\"; the formats are grid-csv and radio-csv"), std::string::npos) << err_;
}

TEST_F(ImportExport, MissingInputsAndBadArguments) {
  writeText("in.csv", CsvOf(EmptyRows()));
  EXPECT_EQ(run({"import", path("none.csv"), path("radio.int"), "-o", path("out.int")}), 2);
  EXPECT_NE(err_.find("none.csv"), std::string::npos);
  EXPECT_EQ(run({"import", path("in.csv"), path("none.int"), "-o", path("out.int")}), 2);
  EXPECT_NE(err_.find("none.int"), std::string::npos);
  EXPECT_EQ(run({"import", path("in.csv")}), 2);
  EXPECT_NE(err_.find("usage: qm314-cli import CSV FILE [-o OUT]"), std::string::npos) << err_;
  EXPECT_EQ(run({"export", path("radio.int"), "-o"}), 2);
  EXPECT_NE(err_.find("\"-o\" needs a value"), std::string::npos) << err_;
  EXPECT_EQ(run({"export", path("radio.int"), path("x.csv")}), 2);
  EXPECT_FALSE(exists("out.int"));
}

}  // namespace
}  // namespace qm314::cli
