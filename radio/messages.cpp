// Texts of the channel data file's and the channel imports' messages.
#include "radio/messages.h"

#include <sys/stat.h>

#include "radio/channel_exchange.h"
#include "radio/code_tables.h"
#include "radio/image.h"

namespace qm314::messages {

std::string CannotOpenFile(const std::string& path, const std::string& reason) {
  return "Cannot open \"" + path + "\": " + reason + ".";
}

std::string NotARegularFile(unsigned mode) {
  const char* kind = S_ISDIR(mode)    ? "a folder"
                     : S_ISFIFO(mode) ? "a named pipe (FIFO)"
                     : S_ISSOCK(mode) ? "a socket"
                     : S_ISCHR(mode) || S_ISBLK(mode) ? "a device"
                                                      : "a special file";
  return std::string("it is ") + kind + ", not a file";
}

std::string TextFileTooLarge(std::size_t limit) {
  return "it is larger than " + std::to_string(limit / 1024) + " KiB, far more than channel rows take";
}

std::string FileTooShort(const std::string& path, std::size_t size) {
  return "Cannot open \"" + path + "\": it holds " + std::to_string(size) +
         " bytes, but a channel data file holds " + std::to_string(layout::kImageSize) +
         ". The file was not opened.";
}

std::string NotChannelData(const std::string& name) {
  return "\"" + name + "\" does not look like QM-314 channel data.";
}

std::string CannotSaveFile(const std::string& path, const std::string& reason) {
  return "Cannot save \"" + path + "\": " + reason + ". Any previous file of that name is unchanged.";
}

std::string WriteProtected(unsigned mode) {
  std::string permissions;
  for (int shift = 6; shift >= 0; shift -= 3) {
    permissions += (mode >> shift) & 4 ? 'r' : '-';
    permissions += (mode >> shift) & 2 ? 'w' : '-';
    permissions += (mode >> shift) & 1 ? 'x' : '-';
  }
  return "you may not write it (its permissions are " + permissions + "); make it writable, or save under another name";
}

std::string SavedButNotSynced(const std::string& path, const std::string& reason) {
  return "\"" + path + "\" was saved, but the system could not confirm that it is on the disk: " + reason + ".";
}

std::string MissingWithChannel(const TextList& items) {
  std::string list;
  for (int i = 0; i < items.count(); ++i) list += (i == 0 ? "" : i + 1 == items.count() ? " or " : ", ") + items.at(i);
  return "is empty, but a row with a Channel needs one of " + list;
}

std::string MissingBeside(std::string_view other) {
  return "is empty while the row's " + std::string(other) + " is not; a row without Channel has both or neither";
}

std::string RowGivenTwice(int row, int firstLine) {
  return "gives row " + std::to_string(row) + " a second time (line " + std::to_string(firstLine) +
         " gave it first)";
}

std::string SideDiffers(std::string_view column, std::string_view value) {
  return "differs from " + std::string(column) + " \"" + std::string(value) +
         "\"; the radio uses one tone for sending and receiving";
}

std::string NearestTones(const std::vector<std::pair<std::string, std::string>>& tones) {
  std::string list;
  for (std::size_t i = 0; i < tones.size(); ++i) {
    list += i == 0 ? "" : i + 1 == tones.size() ? " and " : ", ";
    list += tones[i].first + " Hz (\"" + tones[i].second + "\")";
  }
  return (tones.size() == 1 ? "the nearest tone of the list is " : "the nearest tones of the list are ") + list;
}

std::string FieldCount(std::size_t count, std::size_t headerCount) {
  return "the line has " + std::to_string(count) + " fields where the header has " + std::to_string(headerCount);
}

std::string PastLastRow(int count, int firstRow) {
  const int last = firstRow + count - 1;
  return std::to_string(count) + " rows pasted from row " + std::to_string(firstRow) + " would end at row " +
         std::to_string(last) + ", past row 16, the last channel row";
}

std::string PastedFieldCount(std::size_t count) {
  std::string columns;
  for (const auto& header : GridHeaders()) columns += (columns.empty() ? "" : ", ") + header;
  return "the line has " + std::to_string(count) + (count == 1 ? " field" : " fields") + " where channel rows have " +
         std::to_string(GridHeaders().count()) + ": " + columns;
}

std::string UnknownHeader() {
  std::string grid;
  for (const auto& header : GridHeaders()) grid += (grid.empty() ? "" : ",") + header;
  return "the first line must be the header " + grid +
         " of a channel export, or the header of the common radio CSV (Location,Name,Frequency,...)";
}

std::string HeaderLacks(std::string_view column) { return "the header has no " + std::string(column) + " column"; }

std::string UnknownFormat(std::string_view name) {
  return "unknown format \"" + std::string(name) + "\"; the formats are " + std::string(kGridCsvFormat) + " and " +
         std::string(kRadioCsvFormat);
}

std::string ImportRefused(std::string_view refusal) { return std::string(refusal) + "; nothing was written"; }

namespace {

// "3", "3 and 5", "1 to 4, 7 and 9": runs of three or more as a range.
std::string NumberList(const std::vector<int>& numbers) {
  std::vector<std::string> parts;
  for (std::size_t i = 0; i < numbers.size();) {
    std::size_t j = i;
    while (j + 1 < numbers.size() && numbers[j + 1] == numbers[j] + 1) ++j;
    if (j - i >= 2) {
      parts.push_back(std::to_string(numbers[i]) + " to " + std::to_string(numbers[j]));
    } else {
      for (std::size_t k = i; k <= j; ++k) parts.push_back(std::to_string(numbers[k]));
    }
    i = j + 1;
  }
  std::string list;
  for (std::size_t i = 0; i < parts.size(); ++i)
    list += (i == 0 ? "" : i + 1 == parts.size() ? " and " : ", ") + parts[i];
  return list;
}

// "row 3" or "rows 3 and 5".
std::string Counted(const char* one, const std::vector<int>& numbers) {
  const bool several = numbers.size() > 1;
  return std::string(one) + (several ? "s " : " ") + NumberList(numbers);
}

}  // namespace

std::string ImportedRows(const std::vector<int>& channelRows, const std::vector<int>& emptyRows) {
  std::string text;
  if (!channelRows.empty()) {
    const bool one = channelRows.size() == 1;
    text = std::to_string(channelRows.size()) + (one ? " channel went into " : " channels went into ") +
           Counted("row", channelRows) + ".";
  } else {
    text = "No channel came in.";
  }
  if (!emptyRows.empty())
    text += " " + Counted("Row", emptyRows) + (emptyRows.size() == 1 ? " has" : " have") + " no channel now.";
  return text;
}

std::string ImportChanged(ImportChange change, const std::vector<int>& lines) {
  const std::string on = Counted("line", lines);
  switch (change) {
    case ImportChange::kToneSentOnly:
      return "Tone (sent only), " + on + ": the radio also listens for the tone it sends, so these channels now "
             "hear only calls that carry it.";
    case ImportChange::kNameDropped:
      return "Names, " + on + ": dropped; the radio keeps no channel names.";
    case ImportChange::kCommentDropped:
      return "Comments, " + on + ": dropped; the radio keeps no comments.";
    case ImportChange::kPowerDropped:
      return "Power, " + on + ": dropped; the radio sends every channel with its own 0.5 W.";
    case ImportChange::kModeDropped:
      return "Mode other than NFM, " + on + ": dropped; every channel of the radio is narrow FM.";
    case ImportChange::kFrequencyRounded:
      return "Frequency, " + on + ": taken as the nearest of the radio's channels, within 2 kHz.";
    case ImportChange::kNoFrequency:
      return "No Frequency, " + on + ": skipped.";
    case ImportChange::kLocationsInFileOrder:
      return "Location, " + on + ": not a row from 1 to 16, so the memories went into rows 1, 2, ... in the order "
             "of the file.";
  }
  return {};
}

std::string ImportPlace(std::string_view source, int line, int row, std::string_view column) {
  // Line 0: the text as a whole.
  std::string place(source);
  if (line > 0) place += ", line " + std::to_string(line);
  if (row > 0) place += ", row " + std::to_string(row);
  if (!column.empty()) place += ", column " + std::string(column);
  return place;
}

}  // namespace qm314::messages
