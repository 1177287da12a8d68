// Messages of the channel data file and of channel imports, composed in one place.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace qm314 {
class TextList;
enum class ImportChange;
}

namespace qm314::messages {

// The file could not be opened or read; reason is the system's explanation.
std::string CannotOpenFile(const std::string& path, const std::string& reason);
// Why a path that is not a regular file is refused; mode is its st_mode.
std::string NotARegularFile(unsigned mode);
// Why a text file past limit bytes is refused.
std::string TextFileTooLarge(std::size_t limit);
// The file ends before the image does; the document is left as it was.
std::string FileTooShort(const std::string& path, std::size_t size);
// The file's bytes are not what the program stores: name is how the user knows the file.
std::string NotChannelData(const std::string& name);
// The file could not be written; the previous file, if any, is left intact.
std::string CannotSaveFile(const std::string& path, const std::string& reason);
// Why a file the user protected is not replaced; mode is its st_mode.
std::string WriteProtected(unsigned mode);
// The file was replaced, but the system reported a failure making that last.
std::string SavedButNotSynced(const std::string& path, const std::string& reason);

// Why an imported text is refused: each follows the text, quoted.
inline constexpr const char* kNotAGridText = "is not a text the channel grid can hold";
// An empty BCLO or Scan on a row with a Channel; items are the column's editor items.
std::string MissingWithChannel(const TextList& items);
// An empty BCLO or Scan beside a set other on a row without Channel.
std::string MissingBeside(std::string_view other);
inline constexpr const char* kNotARowNumber = "is not a row number from 1 to 16";
std::string RowGivenTwice(int row, int firstLine);
inline constexpr const char* kPastLastRow = "is the 17th memory of the file; the radio has 16 channel rows";
inline constexpr const char* kNotAChannelFrequency =
    "is not one of the radio's eight channel frequencies (446.00625 to 446.09375 MHz in steps of "
    "12.5 kHz, within 2 kHz)";
inline constexpr const char* kNotSimplex =
    "would send on another frequency than it receives; the radio's channels need Duplex empty or off";
inline constexpr const char* kNotAToneMode = "is not a Tone of the form: empty, Tone, TSQL, DTCS or Cross";
inline constexpr const char* kNotARadioTone =
    "is not a tone the radio has (one of its 38 numbered tones or the 12 others of the Tones list)";
// The tones of the Tones list nearest to a refused text in Hz, each (Hz, cell text).
std::string NearestTones(const std::vector<std::pair<std::string, std::string>>& tones);
inline constexpr const char* kNotARadioCode = "is not a DCS code the radio has";
inline constexpr const char* kNotOnePolarity =
    "is not NN or RR: the radio uses one code, normal or inverted, for sending and receiving";
inline constexpr const char* kCrossSidesDiffer =
    "gives sending and receiving different kinds of tone; the radio uses one tone for both";
inline constexpr const char* kCrossWithoutMode = "needs a CrossMode column to say what it sends and receives";
// A receive tone or code that differs from the send side named by column and value.
std::string SideDiffers(std::string_view column, std::string_view value);
inline constexpr const char* kNotASkip = "is not a Skip of the form: empty or S";

// Why a whole line or file is refused.
std::string FieldCount(std::size_t count, std::size_t headerCount);
std::string UnknownHeader();
std::string HeaderLacks(std::string_view column);
inline constexpr const char* kNoRows = "the file gives no channel rows";

// Why rows on the clipboard are refused.
inline constexpr const char* kNoRowsToPaste = "there are no channel rows to paste";
// count rows pasted from firstRow down go past the last channel row.
std::string PastLastRow(int count, int firstRow);
std::string PastedFieldCount(std::size_t count);

// A name that picks no form of channel rows.
std::string UnknownFormat(std::string_view name);
// A refused import as told to whoever gave the file; refusal names the file,
// the place and the reason.
std::string ImportRefused(std::string_view refusal);

// What an import did: "3 channels went into rows 1 to 3 and 16." and which
// given rows have no channel now.
std::string ImportedRows(const std::vector<int>& channelRows, const std::vector<int>& emptyRows);
// One kind of change an import made, with the lines of the file that had it.
std::string ImportChanged(ImportChange change, const std::vector<int>& lines);

// Where a refused import went wrong: "plan.csv, line 5, row 3, column Tone";
// line 0 names the source alone.
std::string ImportPlace(std::string_view source, int line, int row, std::string_view column);

}  // namespace qm314::messages
