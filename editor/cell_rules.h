// The grid's in-place editing rules as plain functions over the cell texts, so
// the widgets stay a thin layer and the rules are tested without a display.
#pragma once

#include <string>
#include <vector>

#include "radio/code_tables.h"
#include "radio/codec.h"

namespace qm314 {

// Index of the item a hidden editor is preloaded with for a cell: the first
// item that begins with the cell text, ignoring case; item 0 when none does.
int PreloadIndex(const TextList& items, const std::string& cellText);
// The same, -1 when no item begins with the cell text.
int MatchingItem(const TextList& items, const std::string& cellText);

// The item a text typed on a cell picks: the item the text names with its
// leading zero restored ("7" is "07"), else the first item that begins with
// it, ignoring case ("d023" picks "D023N"); -1 when there is none.
int TypedItemIndex(const TextList& items, int column, const std::string& typed);

// Writes an editor's choice into the grid the way the channel rows require:
// a Channel choice on an empty row creates a channel ("Off", "Off", "Add"),
// the empty Channel item deletes the row, and a row without channel keeps its
// other cells empty.  Returns whether any cell text changed.
bool CommitChoice(ChannelTable& table, int row, int col, const std::string& choice);

// What a key typed on a cell asks of the user before the editor opens.
// Channel and Tones hold numbers, so a printable non-digit there is refused
// with a message (the edit still opens).
bool KeyNeedsNumberMessage(int col, int key);

struct PixelRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// Extra height below the cell that a dropped list needs.
inline constexpr int kDroppedListRoom = 100;

// Where an editor goes over the current cell, from the cell's rectangle in
// twips and the grid's pixels per inch: 3 pixels up and left, as wide as the
// cell, tall enough for the dropped list.
PixelRect EditorPlacement(long cellLeft, long cellTop, long cellWidth, long cellHeight,
                          int dpiX, int dpiY);

// Column widths in twips from the grid's default column width w: the label
// column 0.4 w, Channel and Tones w, BCLO hidden, Scan 1.2 w.
std::vector<long> ShapedColumnWidths(long w);

}  // namespace qm314
