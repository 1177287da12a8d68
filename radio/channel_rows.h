// The rules every channel row keeps, wherever its texts come from: a choice
// in the grid's editors, an imported file, or rows pasted from a spreadsheet.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "radio/codec.h"

namespace qm314 {

// One grid row's texts, indexed by column (0 the row label, 1-4 the cells).
using RowCells = std::array<std::string, ChannelTable::kCols>;

// A text a row cannot take, and why.
struct CellRefusal {
  int column = 0;      // grid column 1-4
  std::string value;   // the text as it was given
  std::string reason;  // follows the quoted value in a message
};

// The text the grid holds for one given from outside: surrounding spaces
// dropped, and a Channel or tone number written without its leading zero, as
// a spreadsheet saves "02", given back as the editors list it.
std::string GridTextOf(int column, std::string_view given);

// The row a CH field names, 1-16, or 0.
int RowNumberOf(std::string_view label);

// Brings columns 1-4 to the grid's texts and checks the row: every text one
// the grid can hold, and the row one the grid can show (a row with a Channel
// has a BCLO and a Scan; a row without one has both or neither).
std::optional<CellRefusal> CheckRowCells(RowCells& cells);

// Gives a row its channel as choosing it in the grid does: a row that had no
// channel gets Tones "Off", BCLO "Off" and Scan "Add" with it.
void AssignChannel(ChannelTable& table, int row, const std::string& channel);

}  // namespace qm314
