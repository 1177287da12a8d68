// The document as JSON: the settings by their keys and the 16 channel rows, each
// with the texts the form shows.  The command line prints it; the browser
// edition reads and writes the document in it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "radio/codec.h"

namespace qm314 {

// {"settings": {...}, "channels": [16 x {"row", "channel", "tones", "bclo", "scan"}]}
std::string DocumentJson(const ChannelTable& grid, const PanelSelections& panel);

// The key of a grid column (1-4) in that JSON ("channel", "tones", "bclo",
// "scan"); empty for any other column.
std::string_view DocumentCellKey(int column);

// Sets what a text of that form gives: any of the settings by their item
// texts ("" for no selection), and any of the rows by their cell texts; what it
// does not give stays.  Every text must be one the form can hold.  A refusal
// changes nothing and says where and why.
std::optional<std::string> ApplyDocumentJson(std::string_view json, ChannelTable& grid, PanelSelections& panel);

}  // namespace qm314
