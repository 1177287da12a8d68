// The two CSV forms of channel rows behind channel_exchange.h.
#pragma once

#include <string>
#include <vector>

#include "radio/channel_exchange.h"
#include "radio/csv.h"

namespace qm314 {

// The grid's own form: header CH,Channel,Tones,BCLO,Scan, then rows by CH.
bool IsGridCsvHeader(const CsvRecord& header);
std::string GridCsvOf(const ChannelTable& grid);
ChannelImport ReadGridCsv(const std::vector<CsvRecord>& records, const ChannelTable& current);

// The common radio CSV: columns found by header name, one memory per line.
bool IsRadioCsvHeader(const CsvRecord& header);
std::string RadioCsvOf(const ChannelTable& grid);
ChannelImport ReadRadioCsv(const std::vector<CsvRecord>& records, const ChannelTable& current);

// An import refused at one place of the file.
ChannelImport Refused(int line, int row, std::string column, std::string value, std::string reason);

}  // namespace qm314
