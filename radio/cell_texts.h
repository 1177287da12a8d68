// Which texts a grid cell can hold: the items of the column's editor and the
// texts decode can produce from some image.
#pragma once

#include <string_view>

namespace qm314 {

// column is a grid column, 1-4; any other column holds nothing the codec reads.
bool IsGridCellText(int column, std::string_view text);

}  // namespace qm314
