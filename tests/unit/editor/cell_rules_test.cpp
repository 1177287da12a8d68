// The grid's editing rules on plain cell texts.
#include "editor/cell_rules.h"

#include <gtest/gtest.h>

namespace qm314 {
namespace {

ChannelTable RowWith(int row, const char* channel, const char* tones, const char* bclo,
                     const char* scan) {
  ChannelTable table;
  table.setText(row, 1, channel);
  table.setText(row, 2, tones);
  table.setText(row, 3, bclo);
  table.setText(row, 4, scan);
  return table;
}

void ExpectRow(const ChannelTable& table, int row, const char* channel, const char* tones,
               const char* bclo, const char* scan) {
  EXPECT_EQ(table.text(row, 1), channel);
  EXPECT_EQ(table.text(row, 2), tones);
  EXPECT_EQ(table.text(row, 3), bclo);
  EXPECT_EQ(table.text(row, 4), scan);
}

TEST(PreloadIndex, FirstItemStartingWithTheCellTextIgnoringCase) {
  const TextList channel{"", "01", "02", "03"};
  EXPECT_EQ(PreloadIndex(channel, "03"), 3);
  EXPECT_EQ(PreloadIndex(channel, ""), 0);
  const TextList tones{"Off", "01", "02", "69.3", "D023N", "D023I"};
  EXPECT_EQ(PreloadIndex(tones, "d023i"), 5);
  EXPECT_EQ(PreloadIndex(tones, "D023"), 4);
  EXPECT_EQ(PreloadIndex(tones, "69.3"), 3);
  EXPECT_EQ(PreloadIndex(tones, "0"), 1);
  const TextList scan{"Add", "Delete"};
  EXPECT_EQ(PreloadIndex(scan, "delete"), 1);
}

TEST(PreloadIndex, TextNoItemHoldsFallsBackToTheFirstItem) {
  const TextList tones{"Off", "01", "69.3"};
  EXPECT_EQ(PreloadIndex(tones, "25.0"), 0);
  EXPECT_EQ(PreloadIndex(tones, "Offset"), 0);
  EXPECT_EQ(PreloadIndex(TextList{"Add", "Delete"}, "Added"), 0);
}

TEST(TypedItemIndex, DigitsNameANumberAndLettersBeginAnItem) {
  const TextList& channel = ChannelEditorItems();
  const TextList& tones = ToneEditorItems();
  const struct {
    const TextList& items;
    int column;
    const char* typed;
    const char* picked;  // nullptr: none
  } cases[] = {
      {channel, 1, "0", "01"},    {channel, 1, "9", nullptr},  {channel, 1, "12", nullptr},
      // A blank must not pick the empty Channel item, which clears the row.
      {channel, 1, " ", nullptr}, {tones, 2, "159", "159.8"},  {tones, 2, "39", nullptr},
      {tones, 2, "d0", "D023N"},  {tones, 2, "D7", "D703N"},   {tones, 2, "o", "Off"},
      {tones, 2, "x", nullptr},   {BcloEditorItems(), 3, "q", "QT/DQT"},
  };
  for (const auto& c : cases) {
    const int index = TypedItemIndex(c.items, c.column, c.typed);
    EXPECT_EQ(index < 0 ? std::string("(none)") : c.items.at(index), c.picked ? c.picked : "(none)") << c.typed;
  }
}

TEST(CommitChoice, ChannelOnAnEmptyRowCreatesAChannel) {
  ChannelTable table;
  EXPECT_TRUE(CommitChoice(table, 5, 1, "03"));
  ExpectRow(table, 5, "03", "Off", "Off", "Add");
  ExpectRow(table, 4, "", "", "", "");
  ExpectRow(table, 6, "", "", "", "");
}

TEST(CommitChoice, ChangingTheChannelOfAUsedRowLeavesTheOtherCells) {
  ChannelTable table = RowWith(3, "03", "12", "Carrier", "Delete");
  EXPECT_TRUE(CommitChoice(table, 3, 1, "05"));
  ExpectRow(table, 3, "05", "12", "Carrier", "Delete");
}

TEST(CommitChoice, EmptyChannelDeletesTheRow) {
  ChannelTable table = RowWith(16, "08", "D023N", "QT/DQT", "Add");
  EXPECT_TRUE(CommitChoice(table, 16, 1, ""));
  ExpectRow(table, 16, "", "", "", "");
}

TEST(CommitChoice, RowWithoutChannelKeepsItsCellsEmpty) {
  ChannelTable table;
  for (int col = 2; col <= 4; ++col) {
    EXPECT_FALSE(CommitChoice(table, 7, col, "12"));
  }
  ExpectRow(table, 7, "", "", "", "");
  // A stray text in such a row is cleared by the next commit there.
  table.setText(7, 2, "25.0");
  EXPECT_TRUE(CommitChoice(table, 7, 2, "Off"));
  EXPECT_EQ(table.text(7, 2), "");
}

TEST(CommitChoice, OtherColumnsOfAUsedRowTakeTheChoice) {
  ChannelTable table = RowWith(1, "01", "Off", "Off", "Add");
  EXPECT_TRUE(CommitChoice(table, 1, 2, "D754I"));
  EXPECT_TRUE(CommitChoice(table, 1, 3, "Carrier"));
  EXPECT_TRUE(CommitChoice(table, 1, 4, "Delete"));
  ExpectRow(table, 1, "01", "D754I", "Carrier", "Delete");
  EXPECT_FALSE(CommitChoice(table, 1, 4, "Delete"));
}

TEST(KeyNeedsNumberMessage, OnlyPrintableNonDigitsInChannelAndTones) {
  EXPECT_FALSE(KeyNeedsNumberMessage(1, '7'));
  EXPECT_FALSE(KeyNeedsNumberMessage(2, '0'));
  EXPECT_TRUE(KeyNeedsNumberMessage(1, 'x'));
  EXPECT_TRUE(KeyNeedsNumberMessage(2, ' '));
  EXPECT_FALSE(KeyNeedsNumberMessage(4, 'x'));
  EXPECT_FALSE(KeyNeedsNumberMessage(3, 'x'));
  EXPECT_FALSE(KeyNeedsNumberMessage(1, 13));
  EXPECT_FALSE(KeyNeedsNumberMessage(2, 8));
  EXPECT_FALSE(KeyNeedsNumberMessage(1, 0));
}

TEST(EditorPlacement, ThreePixelsUpAndLeftWithRoomForTheList) {
  EXPECT_EQ(EditorPlacement(1215, 480, 975, 240, 96, 96), (PixelRect{78, 29, 65, 116}));
  // Multiplied before dividing: dividing 1000 twips by 1440 first would give 0.
  EXPECT_EQ(EditorPlacement(1000, 1000, 1000, 1000, 120, 144), (PixelRect{80, 97, 83, 200}));
}

TEST(ShapedColumnWidths, FractionsOfTheDefaultWidthTruncated) {
  EXPECT_EQ(ShapedColumnWidths(1000), (std::vector<long>{400, 1000, 1000, 0, 1200}));
  EXPECT_EQ(ShapedColumnWidths(1001), (std::vector<long>{400, 1001, 1001, 0, 1201}));
}

}  // namespace
}  // namespace qm314
