// The channel grid as CSV: header CH,Channel,Tones,BCLO,Scan and rows 1-16.
#pragma once

#include <string>
#include <string_view>

#include "radio/codec.h"

namespace qm314::cli {

std::string ChannelTableToCsv(const ChannelTable& grid);

// Sets rows 1-16, columns 1-4 of grid from csv.  Every row must be there once,
// and every cell must be a text the grid can hold; otherwise InputError naming
// the place (source names the file) and grid is left untouched.
void ApplyChannelCsv(std::string_view csv, std::string_view source, ChannelTable& grid);

}  // namespace qm314::cli
