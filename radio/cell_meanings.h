// What a channel grid text stands for, in the words a user reads: a Channel
// number's frequency, a tone number's tone, a DCS code's code and polarity.
// The grid shows them beside its texts; nothing stored or sent changes.
#pragma once

#include <string>
#include <string_view>

namespace qm314 {

// "446.03125 MHz" for Channel "03", "79.7 Hz" for Tones "05", "DCS 023,
// inverted" for "D023I"; empty where the text says all there is.
std::string CellMeaning(int column, std::string_view text);

// The text with its meaning after a separator ("03: 446.03125 MHz" with ": "),
// or the meaning alone when it already begins with the text ("69.3 Hz"), or
// empty when there is no meaning to add.
std::string TextWithMeaning(int column, std::string_view text, std::string_view separator);

// A cell's tooltip ("03: 446.03125 MHz") and an item's line in its pick list
// ("03   446.03125 MHz"), each empty when there is no meaning to add.
std::string CellTooltip(int column, std::string_view text);
std::string ListLine(int column, std::string_view item);

}  // namespace qm314
