#include "radio/code_tables.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qm314 {
namespace {

TEST(CodeTables, ToneCodeTableRunsOfTonesThenNormalThenInvertedCodes) {
  const TextList& table = ToneCodeTable();
  ASSERT_EQ(table.count(), 222);
  EXPECT_EQ(table.at(0), "69.3");
  EXPECT_EQ(table.at(11), "254.1");
  EXPECT_EQ(table.at(12), "D023N");
  EXPECT_EQ(table.at(105), "D645N");
  EXPECT_EQ(table.at(116), "D754N");
  EXPECT_EQ(table.at(117), "D023I");
  EXPECT_EQ(table.at(221), "D754I");
  for (int k = 0; k < 105; ++k) {
    const std::string normal = table.at(12 + k);
    const std::string inverted = table.at(117 + k);
    ASSERT_EQ(normal.size(), 5u);
    EXPECT_EQ(normal.substr(0, 4), inverted.substr(0, 4));
    EXPECT_EQ(normal[4], 'N');
    EXPECT_EQ(inverted[4], 'I');
  }
}

TEST(CodeTables, StandardTonesAndChannelFrequencies) {
  const TextList& tones = StandardToneList();
  ASSERT_EQ(tones.count(), 38);
  EXPECT_EQ(tones.at(0), "67.0");
  EXPECT_EQ(tones.at(4), "79.7");
  EXPECT_EQ(tones.at(24), "156.7");
  EXPECT_EQ(tones.at(37), "250.3");
  const TextList& channels = ChannelFrequencyList();
  ASSERT_EQ(channels.count(), 8);
  EXPECT_EQ(channels.at(0), "446.00625");
  EXPECT_EQ(channels.at(2), "446.03125");
  EXPECT_EQ(channels.at(7), "446.09375");
}

// Every entry written out in full: a wrong digit in either table sends a
// non-standard tone to the radio without any complaint, and the codec's round
// trips use the same table both ways, so they cannot see it.
TEST(CodeTables, EveryEntryOfTheToneAndCodeTables) {
  const std::vector<std::string> standard = {
      "67.0",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",  "88.5",  "91.5",  "94.8",
      "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0", "127.3", "131.8",
      "136.5", "141.3", "146.2", "151.4", "156.7", "162.2", "167.9", "173.8", "179.9", "186.2",
      "192.8", "203.5", "210.7", "218.1", "225.7", "233.6", "241.8", "250.3"};
  EXPECT_EQ(std::vector<std::string>(StandardToneList().begin(), StandardToneList().end()), standard);

  std::vector<std::string> table = {"69.3",  "159.8", "165.5", "171.3", "177.3", "183.5",
                                    "189.9", "196.6", "199.5", "206.5", "229.1", "254.1"};
  const std::string codes =
      "023 025 026 031 032 036 043 047 051 053 054 065 071 072 073 074 114 115 116 122 125 131 "
      "132 134 143 145 152 155 156 162 165 172 174 205 212 223 225 226 243 244 245 246 251 252 "
      "255 261 263 265 266 271 274 306 311 315 325 331 332 343 346 351 356 364 365 371 411 412 "
      "413 423 431 432 445 446 452 454 455 462 464 465 466 503 506 516 523 526 532 546 565 606 "
      "612 624 627 631 632 645 654 662 664 703 712 723 731 732 734 743 754";
  ASSERT_EQ(codes.size(), 105u * 4 - 1);
  for (char polarity : {'N', 'I'})
    for (std::size_t at = 0; at < codes.size(); at += 4) table.push_back("D" + codes.substr(at, 3) + polarity);
  EXPECT_EQ(std::vector<std::string>(ToneCodeTable().begin(), ToneCodeTable().end()), table);
}

TEST(CodeTables, FindIsExactAndMissesGiveMinusOne) {
  EXPECT_EQ(StandardToneList().find("67.0"), 0);
  EXPECT_EQ(StandardToneList().find("69.3"), -1);
  EXPECT_EQ(StandardToneList().find(""), -1);
  EXPECT_EQ(ChannelFrequencyList().find(""), -1);
  EXPECT_EQ(ChannelFrequencyList().find("446.09375"), 7);
  EXPECT_EQ(ChannelFrequencyList().find("446.0937"), -1);
  EXPECT_EQ(MoniItems().find("Monitor Momentary"), -1);
  EXPECT_EQ(MoniItems().textAt(-1), "");
  EXPECT_EQ(MoniItems().textAt(4), "");
}

TEST(CodeTables, EditorItemListsInOrder) {
  const TextList& channel = ChannelEditorItems();
  ASSERT_EQ(channel.count(), 9);
  EXPECT_EQ(channel.at(0), "");
  EXPECT_EQ(channel.at(1), "01");
  EXPECT_EQ(channel.at(8), "08");
  const TextList& tone = ToneEditorItems();
  ASSERT_EQ(tone.count(), 261);
  EXPECT_EQ(tone.at(0), "Off");
  EXPECT_EQ(tone.at(1), "01");
  EXPECT_EQ(tone.at(38), "38");
  EXPECT_EQ(tone.at(39), "69.3");
  EXPECT_EQ(tone.at(260), "D754I");
  EXPECT_EQ(BcloEditorItems().count(), 3);
  EXPECT_EQ(BcloEditorItems().at(0), "Off");
  EXPECT_EQ(BcloEditorItems().at(1), "Carrier");
  EXPECT_EQ(BcloEditorItems().at(2), "QT/DQT");
  ASSERT_EQ(ScanEditorItems().count(), 2);
  EXPECT_EQ(ScanEditorItems().at(0), "Add");
  EXPECT_EQ(ScanEditorItems().at(1), "Delete");
}

TEST(CodeTables, SettingsBoxItems) {
  ASSERT_EQ(TotItems().count(), 11);
  EXPECT_EQ(TotItems().at(0), "Off");
  EXPECT_EQ(TotItems().at(6), "180s");
  EXPECT_EQ(TotItems().at(10), "300s");
  ASSERT_EQ(SquelchItems().count(), 10);
  EXPECT_EQ(SquelchItems().at(0), "0");
  EXPECT_EQ(SquelchItems().at(9), "9");
  ASSERT_EQ(MoniItems().count(), 4);
  EXPECT_EQ(MoniItems().at(1), "Monitor  Momentary");
  EXPECT_EQ(MoniItems().at(3), "SQ-Off Momentary");
  EXPECT_EQ(WarningItems().at(1), "Disable");
  EXPECT_EQ(ScanSwitchItems().at(1), "On");
  EXPECT_EQ(TypeItems().at(0), "Trevna QM-314");
  EXPECT_EQ(FieldItems().at(0), "PMR 446 BAND");
  ASSERT_EQ(FieldTemplateItems().count(), 9);
  EXPECT_EQ(FieldTemplateItems().at(8), "400 -470 MHZ");
}

}  // namespace
}  // namespace qm314
