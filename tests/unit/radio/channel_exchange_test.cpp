// Channel rows through both CSV forms: the common radio CSV out and back for
// every kind of tone, files written elsewhere, and every kind of refusal.
#include "radio/channel_exchange.h"

#include <gtest/gtest.h>

#include <clocale>
#include <locale>
#include <tuple>

#include "radio/codec.h"

namespace qm314 {
namespace {

const char* const kHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,CrossMode,"
    "Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n";

ChannelTable Labelled() {
  ChannelTable table;
  WriteGridLabels(table);
  return table;
}

void SetRow(ChannelTable& table, int row, std::vector<std::string> cells) {
  for (int col = 1; col <= 4; ++col) table.setText(row, col, cells[static_cast<std::size_t>(col - 1)]);
}

std::vector<std::string> Row(const ChannelTable& table, int row) {
  return {table.text(row, 1), table.text(row, 2), table.text(row, 3), table.text(row, 4)};
}

ChannelTable Imported(const std::string& csv, const ChannelTable& current = Labelled()) {
  const ChannelImport imported = ImportChannelCsv(csv, current);
  EXPECT_FALSE(imported.refusal) << RefusalText("in.csv", *imported.refusal);
  return imported.table;
}

// Every channel with every kind of Tones cell, rows 1-16 (row 11 left empty).
ChannelTable EveryKind() {
  const char* tones[] = {"05", "69.3", "D023N", "D754I", "Off", "38", "254.1", "D065I"};
  const char* bclo[] = {"Off", "Carrier", "QT/DQT"};
  ChannelTable table = Labelled();
  for (int row = 1; row <= 16; ++row) {
    if (row == 11) continue;
    SetRow(table, row, {"0" + std::to_string((row - 1) % 8 + 1), tones[(row - 1) % 8], bclo[row % 3],
                        row % 4 == 0 ? "Delete" : "Add"});
  }
  return table;
}

TEST(RadioCsv, ExportWritesTheCommonFormWithPointDecimalsInAnyLocale) {
  ChannelTable table = Labelled();
  SetRow(table, 2, {"01", "08", "Carrier", "Add"});
  SetRow(table, 5, {"08", "D754I", "Off", "Delete"});
  SetRow(table, 9, {"03", "", "Off", "Add"});
  SetRow(table, 12, {"", "05", "", ""});  // no channel: no memory
  // A comma-decimal locale for C and C++ alike, when the machine has one.
  const std::string before = std::setlocale(LC_ALL, nullptr);
  const bool comma = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
  if (comma) std::locale::global(std::locale("de_DE.UTF-8"));
  const std::string csv = ExportChannelCsv(table, ChannelCsvForm::kRadio);
  std::setlocale(LC_ALL, before.c_str());
  std::locale::global(std::locale::classic());
  EXPECT_EQ(csv, std::string(kHeader) +
                     "2,,446.006250,,0.000000,TSQL,88.5,88.5,023,NN,023,Tone->Tone,NFM,12.50,,0.5W,,,,,\r\n"
                     "5,,446.093750,,0.000000,DTCS,88.5,88.5,754,RR,754,Tone->Tone,NFM,12.50,S,0.5W,,,,,\r\n"
                     "9,,446.031250,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,12.50,,0.5W,,,,,\r\n");
  if (!comma) GTEST_SKIP() << "no de_DE.UTF-8 locale here; scripts/deps.sh makes one";
}

TEST(RadioCsv, EveryChannelAndToneKindComesBack) {
  const ChannelTable original = EveryKind();
  const std::string csv = ExportChannelCsv(original, ChannelCsvForm::kRadio);
  // Onto the same rows: BCLO kept, so the grid is as it was.
  EXPECT_EQ(Imported(csv, original), original);
  // Onto an empty grid: each row a new channel, BCLO as the grid gives one.
  const ChannelTable fresh = Imported(csv);
  for (int row = 1; row <= 16; ++row) {
    std::vector<std::string> expected = Row(original, row);
    if (row != 11) expected[2] = "Off";
    EXPECT_EQ(Row(fresh, row), expected) << "row " << row;
  }
}

TEST(RadioCsv, AFileWrittenByHandInTheOlderShorterForm) {
  // Byte-order mark, CRLF, quoted fields, no RxDtcsCode/CrossMode/Power/DVCODE,
  // an extra column, Locations from 0 (so rows in file order), frequencies
  // rounded as other software writes them, a line without frequency skipped.
  const std::string csv =
      "\xEF\xBB\xBF" "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
      "Mode,TStep,Skip,Comment,Extra\r\n"
      "0,\"PMR 1\",446.006250,,0.000000,,88.5,88.5,023,NN,NFM,12.50,,\"club, net\",x\r\n"
      "1,PMR2,446.01875,off,0.000000,Tone,71.9,88.5,023,NN,FM,6.25,S,,\r\n"
      "2,\"\",\"446.030000\",,0.000000,TSQL,88.5,159.8,023,NN,NFM,12.50,,,\r\n"
      "3,,,,0.000000,,88.5,88.5,023,NN,NFM,12.50,,,\r\n"
      "4,PMR8,446.0950,,0,DTCS,88.5,88.5,65,RR,NFM,12.50,,,\r\n";
  ChannelTable current = Labelled();
  SetRow(current, 2, {"05", "01", "Carrier", "Add"});
  SetRow(current, 7, {"06", "Off", "Off", "Add"});
  const ChannelTable table = Imported(csv, current);
  // Each thing the radio does not keep as the file meant it is said once, with its lines.
  EXPECT_EQ(ImportSummary(ImportChannelCsv(csv, current).report),
            "4 channels went into rows 1 to 4.\n"
            "Tone (sent only), line 3: the radio also listens for the tone it sends, so these channels now hear only "
            "calls that carry it.\n"
            "Names, lines 2, 3 and 6: dropped; the radio keeps no channel names.\n"
            "Comments, line 2: dropped; the radio keeps no comments.\n"
            "Mode other than NFM, line 3: dropped; every channel of the radio is narrow FM.\n"
            "Frequency, lines 4 and 6: taken as the nearest of the radio's channels, within 2 kHz.\n"
            "No Frequency, line 5: skipped.\n"
            "Location, line 2: not a row from 1 to 16, so the memories went into rows 1, 2, ... in the order of the "
            "file.");
  EXPECT_EQ(Row(table, 1), (std::vector<std::string>{"01", "Off", "Off", "Add"}));
  EXPECT_EQ(Row(table, 2), (std::vector<std::string>{"02", "02", "Carrier", "Delete"}));
  EXPECT_EQ(Row(table, 3), (std::vector<std::string>{"03", "159.8", "Off", "Add"}));
  EXPECT_EQ(Row(table, 4), (std::vector<std::string>{"08", "D065I", "Off", "Add"}));
  EXPECT_EQ(Row(table, 5), (std::vector<std::string>{"", "", "", ""}));
  EXPECT_EQ(Row(table, 7), (std::vector<std::string>{"06", "Off", "Off", "Add"}));  // not in the file
}

TEST(RadioCsv, CrossWithOneToneOnBothSidesIsThatTone) {
  const ChannelTable table = Imported(std::string(kHeader) +
                                     "3,,446.0562,,0,Cross,100.0,100.0,023,NN,023,Tone->Tone,NFM,12.5,,,,,,,\r\n"
                                     "4,,446.0688,,0,Cross,88.5,88.5,131,NN,131,DTCS->DTCS,NFM,12.5,,,,,,,\r\n");
  EXPECT_EQ(table.text(3, 2), "12");
  EXPECT_EQ(table.text(4, 2), "D131N");
}

TEST(GridCsv, ASpreadsheetsNumbersAndSomeRowsOnly) {
  const ChannelTable table = Imported(
      "CH,Channel,Tones,BCLO,Scan\n"
      "2,2,5,Off,Add\n"
      " 3 , 8 , 38 ,Carrier,Delete\n"
      "11,,69.3,,\n"
      "12,1,250.3,Off,Add\n",
      EveryKind());
  ChannelTable expected = EveryKind();
  SetRow(expected, 2, {"02", "05", "Off", "Add"});
  SetRow(expected, 3, {"08", "38", "Carrier", "Delete"});
  SetRow(expected, 11, {"", "69.3", "", ""});
  SetRow(expected, 12, {"01", "38", "Off", "Add"});
  EXPECT_EQ(table, expected);
}

struct Refusal {
  const char* what;
  std::string csv;
  int line;
  int row;
  const char* column;
  const char* value;
};

TEST(ChannelImport, EachRefusalNamesTheLineTheColumnAndTheValue) {
  const std::string h = kHeader;
  auto line = [](const std::string& fields) { return fields + "\r\n"; };
  // Location,Name,Frequency,Duplex,Offset,Tone,rTone,cTone,Dtcs,Pol,RxDtcs,Cross,Mode,TStep,Skip + 6 more
  auto mem = [&](const std::string& loc, const std::string& freq, const std::string& duplex, const std::string& tone,
                 const std::string& ctone, const std::string& code, const std::string& pol, const std::string& cross,
                 const std::string& skip) {
    return line(loc + ",," + freq + "," + duplex + ",0," + tone + ",88.5," + ctone + "," + code + "," + pol +
                ",023," + cross + ",NFM,12.5," + skip + ",,,,,,");
  };
  const std::string ok = mem("1", "446.00625", "", "", "88.5", "023", "NN", "Tone->Tone", "");
  std::string seventeen = h;
  for (int i = 1; i <= 17; ++i) seventeen += mem(std::to_string(i + 20), "446.00625", "", "", "88.5", "023", "NN", "", "");

  const Refusal cases[] = {
      {"frequency off the channels", h + ok + mem("2", "446.0125", "", "", "88.5", "023", "NN", "", ""), 3, 2, "Frequency", "446.0125"},
      {"frequency not a number", h + mem("1", "446.00625 MHz", "", "", "88.5", "023", "NN", "", ""), 2, 1, "Frequency", "446.00625 MHz"},
      {"duplex", h + mem("1", "446.00625", "+", "", "88.5", "023", "NN", "", ""), 2, 1, "Duplex", "+"},
      {"tone mode", h + mem("1", "446.00625", "", "CTCSS", "88.5", "023", "NN", "", ""), 2, 1, "Tone", "CTCSS"},
      {"tone not in the lists", h + mem("1", "446.00625", "", "TSQL", "88.6", "023", "NN", "", ""), 2, 1, "cToneFreq", "88.6"},
      {"code not in the list", h + mem("1", "446.00625", "", "DTCS", "88.5", "017", "NN", "", ""), 2, 1, "DtcsCode", "017"},
      {"mixed polarity", h + mem("1", "446.00625", "", "DTCS", "88.5", "023", "NR", "", ""), 2, 1, "DtcsPolarity", "NR"},
      {"cross to another kind", h + mem("1", "446.00625", "", "Cross", "88.5", "023", "NN", "Tone->DTCS", ""), 2, 1, "CrossMode", "Tone->DTCS"},
      {"cross with two tones", h + mem("1", "446.00625", "", "Cross", "100.0", "023", "NN", "Tone->Tone", ""), 2, 1, "cToneFreq", "100.0"},
      {"skip", h + mem("1", "446.00625", "", "", "88.5", "023", "NN", "", "P"), 2, 1, "Skip", "P"},
      {"two on one row", h + ok + ok, 3, 1, "Location", "1"},
      {"seventeen memories", seventeen, 18, 0, "Location", "37"},
      {"header without Tone", "Location,Frequency\r\n1,446.00625\r\n", 1, 0, "", ""},
      {"short line", h + "1,,446.00625\r\n", 2, 0, "", ""},
      {"unknown header", "Channel,Tones\n", 1, 0, "", ""},
      {"unclosed quote", h + "1,\"PMR,446.00625\r\n", 2, 0, "", ""},
      {"no memories", h + mem("1", "", "", "", "88.5", "023", "NN", "", ""), 2, 0, "", ""},
      {"grid: not a grid text", "CH,Channel,Tones,BCLO,Scan\n7,9,Off,Off,Add\n", 2, 7, "Channel", "9"},
      {"grid: tone 39", "CH,Channel,Tones,BCLO,Scan\n3,01,39,Off,Add\n", 2, 3, "Tones", "39"},
      {"grid: channel without BCLO", "CH,Channel,Tones,BCLO,Scan\n3,01,05,,Add\n", 2, 3, "BCLO", ""},
      {"grid: Scan without BCLO", "CH,Channel,Tones,BCLO,Scan\n3,,,,Add\n", 2, 3, "BCLO", ""},
      {"grid: row 17", "CH,Channel,Tones,BCLO,Scan\n17,,,,\n", 2, 0, "CH", "17"},
      {"grid: a row twice", "CH,Channel,Tones,BCLO,Scan\n3,,,,\n03,,,,\n", 3, 3, "CH", "03"},
      {"grid: header only", "CH,Channel,Tones,BCLO,Scan\n", 1, 0, "", ""},
  };
  // A tone in Hz that is none of the list's names the list's nearest.
  EXPECT_NE(RefusalText("in.csv", *ImportChannelCsv(cases[4].csv, EveryKind()).refusal)
                .find("the nearest tones of the list are 88.5 Hz (\"08\") and 91.5 Hz (\"09\")"),
            std::string::npos);
  for (const Refusal& c : cases) {
    const ChannelImport imported = ImportChannelCsv(c.csv, EveryKind());
    ASSERT_TRUE(imported.refusal) << c.what;
    const ImportRefusal& got = *imported.refusal;
    EXPECT_FALSE(got.reason.empty()) << c.what;
    EXPECT_EQ((std::tuple(got.line, got.row, got.column, got.value)),
              (std::tuple(c.line, c.row, std::string(c.column), std::string(c.value))))
        << c.what << ": " << RefusalText("in.csv", got);
  }
}

}  // namespace
}  // namespace qm314
