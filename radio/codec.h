// The one place where image bytes meet what the user sees: decode turns channel
// records 1-16 and the function settings into grid texts and box selections,
// encode writes back only the bytes and bits those texts and selections decide.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "radio/image.h"

namespace qm314 {

// The grid's cell texts: 17 rows x 5 columns.  Row 0 holds the headers and
// column 0 the row labels; the codec uses rows 1-16, columns 1-4.
class ChannelTable {
 public:
  static constexpr int kRows = 17;
  static constexpr int kCols = 5;
  enum Column { kColLabel = 0, kColChannel = 1, kColTones = 2, kColBclo = 3, kColScan = 4 };

  const std::string& text(int row, int col) const { return cells_.at(row).at(col); }
  void setText(int row, int col, std::string text) { cells_.at(row).at(col) = std::move(text); }

  friend bool operator==(const ChannelTable&, const ChannelTable&) = default;

 private:
  // Every cell starts as an empty string.  (Value-initialising with {} instead
  // crashes clang 14 wherever a table is a local variable.)
  std::array<std::array<std::string, kCols>, kRows> cells_;
};

// The selected index of each settings box; -1 means no selection.
struct PanelSelections {
  int warning = -1;
  int scanSwitch = -1;
  int squelch = -1;
  int tot = -1;
  int moni = -1;
  int type = -1;
  int field = -1;

  friend bool operator==(const PanelSelections&, const PanelSelections&) = default;
};

// Writes rows 1-16 columns 1-4 of the table and every selection; nothing else.
void Decode(const RadioImage& image, ChannelTable& table, PanelSelections& panel);
// Writes the channel records 1-16, FunctionSetting bytes 0-3 and TypeSetting
// bytes 2 and 6; every other byte and every bit without meaning stays.
void Encode(const ChannelTable& table, const PanelSelections& panel, RadioImage& image);

// Whether the image holds this radio's channel data: each of channel records
// 1-16 is empty (the top byte of Frequency1 is 0x00 or 0xFF) or its Frequency1
// is one of the eight channel frequencies.  The program never stores anything
// else there, and 1024 bytes of anything else almost never pass.
bool LooksLikeChannelData(const RadioImage& image);

// The Tones cell decode gives for a tone field's high and low byte.
std::string DecodeToneCell(std::uint8_t high, std::uint8_t low);
// The Tones cell a Tones text comes back as once encoded and decoded: "Off"
// comes back empty, "67.0" as "01"; a text decode gave comes back unchanged.
std::string StoredToneText(const std::string& tone);

// Header row and row labels, which the view writes and the codec never touches.
void WriteGridLabels(ChannelTable& table);

}  // namespace qm314
