// Which texts a grid cell can hold: the items of the column's editor and the
// texts decode can produce from some image.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qm314 {

// column is a grid column, 1-4; any other column holds nothing the codec reads.
bool IsGridCellText(int column, std::string_view text);

// The Tones cell of a tone of the Tones list given in Hz: "88.5" (or "88.50")
// is tone "08", "69.3" is "69.3".  Nothing for any other text.
std::optional<std::string> ToneCellOfHertz(std::string_view hertz);

// reason for refusing a Tones text; for a text in Hz, followed by the tones of
// the list nearest to it, so the user sees what was probably meant.
std::string ToneRefusal(std::string_view reason, std::string_view hertz);

}  // namespace qm314
