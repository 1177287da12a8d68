// Channel rows in and out of CSV files: the grid's own form (CH, Channel,
// Tones, BCLO, Scan) and the common radio CSV that other programming software
// reads and writes.  The command line and the desktop program both come here.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "radio/codec.h"

namespace qm314 {

enum class ChannelCsvForm {
  kGrid,   // the grid's texts, all 16 rows
  kRadio,  // the common radio CSV, one line per channel
};

// An import refused: where in the file, and why.
struct ImportRefusal {
  int line = 0;
  int row = 0;          // the grid row the line was for; 0 when not known
  std::string column;   // the column's header; empty when the line as a whole is meant
  std::string value;    // the refused text, as given
  std::string reason;
};

// What of a file the radio cannot keep, or keeps with another meaning.
enum class ImportChange {
  kToneSentOnly,         // a tone sent only becomes one the radio also listens for
  kNameDropped,
  kCommentDropped,
  kPowerDropped,         // the radio sends every channel with its own power
  kModeDropped,          // every channel of the radio is narrow FM
  kFrequencyRounded,     // taken as the channel within 2 kHz of it
  kNoFrequency,          // the line is skipped
  kLocationsInFileOrder, // Locations that are not rows: the rows follow the file
};

// What an import did, for the user to read afterwards.
struct ImportReport {
  std::vector<int> channelRows;  // rows that took a channel from the file
  std::vector<int> emptyRows;    // rows the file gave without one
  // Each kind of change once, with the lines that had it, in the order of the kinds.
  std::vector<std::pair<ImportChange, std::vector<int>>> changes;

  void note(ImportChange change, int line);
};

// The grid after an import, or why there is none.
struct ChannelImport {
  ChannelTable table;
  std::optional<ImportRefusal> refusal;
  ImportReport report;

  explicit operator bool() const { return !refusal; }
};

// The forms' names where a user or a page picks one.
inline constexpr std::string_view kGridCsvFormat = "grid-csv";
inline constexpr std::string_view kRadioCsvFormat = "radio-csv";

// The form a name picks, or nothing.
std::optional<ChannelCsvForm> ChannelCsvFormNamed(std::string_view name);

std::string ExportChannelCsv(const ChannelTable& grid, ChannelCsvForm form);

// Applies the rows a CSV file gives to current, in whichever form its header
// names; the rows the file does not give stay as they are.  A refusal leaves
// nothing applied.
ChannelImport ImportChannelCsv(std::string_view content, const ChannelTable& current);

// The report's sentences, one a line: "3 channels went into rows 1, 2 and 16.", then each change.
std::string ImportSummary(const ImportReport& report);

// Whether a file beginning with start is one an import takes: its first line
// is the header of either form.
bool IsChannelCsv(std::string_view start);

// "plan.csv, line 5, row 3, column Tone: "Cross" needs ..." (source names the file).
std::string RefusalText(std::string_view source, const ImportRefusal& refusal);

}  // namespace qm314
