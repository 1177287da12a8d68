// Step names and pick-list rules that the desktop form and the browser page share.
#include "editor/edit_steps.h"

#include <gtest/gtest.h>

#include "radio/text_args.h"

namespace qm314 {
namespace {

TEST(EditSteps, NamesSayWhatChangedWhere) {
  EXPECT_EQ(CellStepName(ChannelTable::kColChannel, 3), "Channel in row 3");
  EXPECT_EQ(CellStepName(ChannelTable::kColTones, 16), "Tones in row 16");
  EXPECT_EQ(RowsStepName(RowsStep::kPaste, {5, 6, 7}), "Paste in rows 5 to 7");
  EXPECT_EQ(RowsStepName(RowsStep::kCut, {2}), "Cut of row 2");
  EXPECT_EQ(RowsStepName(RowsStep::kDelete, {2, 5, 7}), "Delete of rows 2, 5 and 7");
  EXPECT_EQ(RowsStepName(RowsStep::kDelete, {1, 3}), "Delete of rows 1 and 3");
  EXPECT_EQ(SettingStepName("squelch"), "Squelch Level");
  EXPECT_EQ(SettingStepName("scan_switch"), "Scan Switch");
}

TEST(EditSteps, ArgumentsAreFilledOnceAndLeftAlone) {
  EXPECT_EQ(WithArgs("Save changes to %1?", {"100%1.int"}), "Save changes to 100%1.int?");
  EXPECT_EQ(WithArgs("%2 after %1, %3 missing", {"a", "b"}), "b after a, %3 missing");
}

TEST(EditSteps, OnlyTheChannelOpensOnARowWithoutOne) {
  ChannelTable table;
  table.setText(4, ChannelTable::kColChannel, "03");
  EXPECT_EQ(CellEditRefusal(table, 5, ChannelTable::kColTones), "Please choose a Channel for row 5 first");
  EXPECT_EQ(CellEditRefusal(table, 5, ChannelTable::kColScan), "Please choose a Channel for row 5 first");
  EXPECT_EQ(CellEditRefusal(table, 5, ChannelTable::kColChannel), "");
  EXPECT_EQ(CellEditRefusal(table, 4, ChannelTable::kColBclo), "");
}

TEST(EditSteps, ListOpensOnTheCellsItemOrHeadedByATextNoItemHolds) {
  const CellList tones = CellListFor(ChannelTable::kColTones, "d023i");
  EXPECT_FALSE(tones.ownText);
  EXPECT_EQ(tones.items.at(tones.loaded), "D023I");
  EXPECT_EQ(tones.items.size(), 261u);

  const CellList empty = CellListFor(ChannelTable::kColTones, "");
  EXPECT_EQ(empty.items.at(empty.loaded), "Off");

  // 25.0 Hz is no tone of the lists: Enter on the open list keeps it.
  const CellList own = CellListFor(ChannelTable::kColTones, "25.0");
  EXPECT_TRUE(own.ownText);
  EXPECT_EQ(own.loaded, 0);
  EXPECT_EQ(own.items.front(), "25.0");
  EXPECT_EQ(own.items.at(1), "Off");
  EXPECT_EQ(own.items.size(), 262u);
}

TEST(EditSteps, TypingNarrowsStartsAnewAndTakesBack) {
  const int tones = ChannelTable::kColTones;
  const TextList& items = ToneEditorItems();
  TypedChoice typed = TypeOnList(tones, "", "1");
  EXPECT_EQ(items.at(typed.item), "01");
  typed = TypeOnList(tones, typed.typed, "2");
  EXPECT_EQ(typed.typed, "12");
  EXPECT_EQ(items.at(typed.item), "12");
  // "129" names nothing; "9" alone picks 09.
  typed = TypeOnList(tones, typed.typed, "9");
  EXPECT_EQ(typed.typed, "9");
  EXPECT_EQ(items.at(typed.item), "09");

  TypedChoice code = TypeOnList(tones, "", "d");
  for (const char* c : {"0", "2", "3", "i"}) code = TypeOnList(tones, code.typed, c);
  EXPECT_EQ(items.at(code.item), "D023I");
  code = TakeBackTyped(tones, code.typed);
  EXPECT_EQ(code.typed, "d023");
  EXPECT_EQ(items.at(code.item), "D023N");

  // A character that picks nothing leaves the typing as it was.
  EXPECT_EQ(TypeOnList(ChannelTable::kColChannel, "0", "x").item, -1);
  EXPECT_EQ(TypeOnList(ChannelTable::kColChannel, "0", "x").typed, "0");
  EXPECT_EQ(ChannelEditorItems().at(TypeOnList(ChannelTable::kColChannel, "", "7").item), "07");
  EXPECT_EQ(ScanEditorItems().at(TypeOnList(ChannelTable::kColScan, "", "d").item), "Delete");
}

}  // namespace
}  // namespace qm314
