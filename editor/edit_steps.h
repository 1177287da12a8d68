// What the form's editing says and does around the cell rules: the names of
// the undo history's steps, why a cell's pick list does not open, the list a
// cell opens with, and what typing on an open list picks.  The desktop form and
// the browser page both take these from here, so they name and pick alike.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "radio/code_tables.h"
#include "radio/codec.h"

namespace qm314 {

// "row 3", "rows 3 to 5", "rows 2, 5 and 7", for rows in ascending order.
std::string RowsPhrase(const std::vector<int>& rows);

// "Channel in row 3": a choice in a cell, with what it changed in its row.
std::string CellStepName(int column, int row);

enum class RowsStep { kPaste, kCut, kDelete };
// "Paste in rows 5 to 7", "Cut of row 2", "Delete of rows 1 and 3".
std::string RowsStepName(RowsStep step, const std::vector<int>& rows);

// A settings box's choice is named by the box's label ("Squelch Level").
std::string SettingStepName(std::string_view key);

// The status-bar text for a cell whose pick list does not open, or empty
// when it opens: Tones, BCLO and Scan belong to a row's channel.
std::string CellEditRefusal(const ChannelTable& table, int row, int column);

// The items of a column's pick list (Channel, Tones, BCLO, Scan), or nullptr.
const TextList* ColumnItems(int column);

// A cell's pick list as it opens.  A text none of the column's items begins
// with (a tone decoded from a radio that no item holds) heads the list and is
// chosen, so Enter keeps it; the column's items then sit one further down.
struct CellList {
  std::vector<std::string> items;
  int loaded = 0;        // the row of items chosen when it opens
  bool ownText = false;  // items[0] is the cell's own text
};
CellList CellListFor(int column, const std::string& cellText);

// Typing on an open list: the text typed with the character added and the
// item of the column (an index into ColumnItems) it picks.  A character that
// picks nothing together with the ones before starts anew; item is -1 (and
// typed as it was) when it picks nothing alone either.
struct TypedChoice {
  std::string typed;
  int item = -1;
};
TypedChoice TypeOnList(int column, const std::string& typed, const std::string& character);
// Backspace: the last character taken back, and the item the rest picks (-1:
// the choice stays).
TypedChoice TakeBackTyped(int column, const std::string& typed);

}  // namespace qm314
