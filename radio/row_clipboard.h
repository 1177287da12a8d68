// Channel rows on the clipboard: tab-separated lines with the columns CH,
// Channel, Tones, BCLO, Scan under a header line, as a spreadsheet takes them
// and gives them back.  Pasting also takes the grid's own CSV.  Every pasted
// text is checked as an import checks it, and nothing lands past row 16.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "radio/channel_exchange.h"

namespace qm314 {

// The header line and the given grid rows, one line each, in the order given.
std::string RowsAsClipboardText(const ChannelTable& grid, const std::vector<int>& rows);

// The grid after a paste and the last row the paste wrote, or why there is none.
struct RowsPaste {
  ChannelImport result;
  int lastRow = 0;
};

// current with the clipboard's rows written from firstRow down, one row per
// line; the CH column only has to be a row number.  A pasted row keeps the
// rule of an edit: without a Channel its other cells are empty.  A refusal
// names the grid row the line was going to.  A text past kMaxTextFileSize
// bytes is refused before it is parsed, as a file of that size is.
RowsPaste PasteRows(std::string_view text, const ChannelTable& current, int firstRow);

}  // namespace qm314
