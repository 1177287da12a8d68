#include "radio/code_tables.h"

#include <gtest/gtest.h>

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
