// Texts of the channel data file's and the channel imports' messages.
#include "radio/messages.h"

#include <sys/stat.h>

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

std::string ImportPlace(std::string_view source, int line, int row, std::string_view column) {
  // Line 0: the text as a whole.
  std::string place(source);
  if (line > 0) place += ", line " + std::to_string(line);
  if (row > 0) place += ", row " + std::to_string(row);
  if (!column.empty()) place += ", column " + std::string(column);
  return place;
}

}  // namespace qm314::messages
