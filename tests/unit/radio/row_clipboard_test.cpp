// Channel rows on the clipboard beyond what the window's tests paste: copies
// and exports pasted back, the edit rule on a row without Channel, and each
// kind of refusal.
#include "radio/row_clipboard.h"

#include <gtest/gtest.h>

namespace qm314 {
namespace {

ChannelTable Grid() {
  ChannelTable table;
  WriteGridLabels(table);
  const char* rows[][4] = {{"01", "05", "Off", "Add"}, {"08", "D023I", "Carrier", "Delete"}, {"", "", "", ""}};
  for (int row = 1; row <= 3; ++row)
    for (int col = 1; col <= 4; ++col) table.setText(row, col, rows[row - 1][col - 1]);
  return table;
}

std::vector<std::string> Row(const ChannelTable& table, int row) {
  return {table.text(row, 1), table.text(row, 2), table.text(row, 3), table.text(row, 4)};
}

std::string Refusal(const std::string& text, int firstRow) {
  const RowsPaste paste = PasteRows(text, Grid(), firstRow);
  EXPECT_FALSE(paste.result) << text;
  return paste.result ? std::string() : RefusalText("The clipboard", *paste.result.refusal);
}

TEST(RowClipboard, CopiedRowsAndAnExportPasteBackAsTheyWere) {
  const ChannelTable grid = Grid();
  const RowsPaste copied = PasteRows(RowsAsClipboardText(grid, {2, 1}), grid, 5);
  ASSERT_TRUE(copied.result);
  EXPECT_EQ(Row(copied.result.table, 5), Row(grid, 2));
  EXPECT_EQ(Row(copied.result.table, 6), Row(grid, 1));
  const RowsPaste exported = PasteRows(ExportChannelCsv(grid, ChannelCsvForm::kGrid), ChannelTable(), 1);
  ASSERT_TRUE(exported.result);
  EXPECT_EQ(exported.lastRow, 16);
  EXPECT_EQ(exported.result.table, [&] {
    ChannelTable rows = grid;
    for (int col = 0; col <= 4; ++col) rows.setText(0, col, "");
    for (int row = 1; row <= 16; ++row) rows.setText(row, 0, "");
    return rows;
  }());
}

TEST(RowClipboard, APastedRowWithoutChannelKeepsItsOtherCellsEmpty) {
  const RowsPaste paste = PasteRows("7\t\tD023N\tOff\tAdd\n", Grid(), 2);
  ASSERT_TRUE(paste.result);
  EXPECT_EQ(Row(paste.result.table, 2), (std::vector<std::string>{"", "", "", ""}));
}

TEST(RowClipboard, RefusalsNameTheLineTheRowTheColumnAndTheText) {
  EXPECT_EQ(Refusal("x\t01\tOff\tOff\tAdd\n", 4),
            "The clipboard, line 1, row 4, column CH: \"x\" is not a row number from 1 to 16");
  EXPECT_EQ(Refusal("1\t03\tOff\t\tAdd\n", 4),
            "The clipboard, line 1, row 4, column BCLO: \"\" is empty, but a row with a Channel needs one of "
            "Off, Carrier or QT/DQT");
  EXPECT_EQ(Refusal("01\tOff\tOff\tAdd\n", 4),
            "The clipboard, line 1, row 4: the line has 4 fields where channel rows have 5: CH, Channel, Tones, "
            "BCLO, Scan");
  EXPECT_EQ(Refusal("07", 4),
            "The clipboard, line 1, row 4: the line has 1 field where channel rows have 5: CH, Channel, Tones, "
            "BCLO, Scan");
  EXPECT_EQ(Refusal("CH,Channel,Tones,BCLO,Scan\n", 1), "The clipboard, line 1: there are no channel rows to paste");
  EXPECT_EQ(Refusal("1\t\"01\tOff\tOff\tAdd\n", 1), "The clipboard, line 1: a quoted field is not closed");
}

TEST(RowClipboard, ATonesTextInHertzIsTheTextTheGridShowsOrNamesTheNearestTones) {
  const RowsPaste paste = PasteRows("1\t03\t88.5\tOff\tAdd\n2\t04\t69.30\tOff\tAdd\n3\t05\t 250.30 \tOff\tAdd\n"
                                    "4\t06\t88.60\tOff\tAdd\n", Grid(), 5);
  ASSERT_TRUE(paste.result) << RefusalText("The clipboard", *paste.result.refusal);
  EXPECT_EQ(paste.result.table.text(5, 2), "08");
  EXPECT_EQ(paste.result.table.text(6, 2), "69.3");
  EXPECT_EQ(paste.result.table.text(7, 2), "38");
  EXPECT_EQ(paste.result.table.text(8, 2), "88.6");  // no tone of the list, but one a radio can hold
  EXPECT_EQ(Refusal("1\t03\t88.55\tOff\tAdd\n", 4),
            "The clipboard, line 1, row 4, column Tones: \"88.55\" is not a text the channel grid can hold; the "
            "nearest tones of the list are 88.5 Hz (\"08\") and 91.5 Hz (\"09\")");
  EXPECT_EQ(Refusal("1\t03\t60.01\tOff\tAdd\n", 4),
            "The clipboard, line 1, row 4, column Tones: \"60.01\" is not a text the channel grid can hold; the "
            "nearest tone of the list is 67.0 Hz (\"01\")");
}

}  // namespace
}  // namespace qm314
