// In-place editing rules of the channel grid.
#include "editor/cell_rules.h"

#include <algorithm>
#include <cctype>
#include <cstddef>

#include "radio/channel_rows.h"

namespace qm314 {
namespace {

bool StartsWithIgnoringCase(const std::string& text, const std::string& prefix) {
  if (prefix.size() > text.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    const auto a = static_cast<unsigned char>(text[i]);
    const auto b = static_cast<unsigned char>(prefix[i]);
    if (std::tolower(a) != std::tolower(b)) return false;
  }
  return true;
}

// The first item that begins with text, ignoring case, or -1.
int FirstItemBeginning(const TextList& items, const std::string& text) {
  for (int i = 0; i < items.count(); ++i) {
    if (StartsWithIgnoringCase(items.at(i), text)) return i;
  }
  return -1;
}

constexpr long kTwipsPerInch = 1440;

}  // namespace

int PreloadIndex(const TextList& items, const std::string& cellText) {
  return std::max(0, MatchingItem(items, cellText));
}

int MatchingItem(const TextList& items, const std::string& cellText) { return FirstItemBeginning(items, cellText); }

int TypedItemIndex(const TextList& items, int column, const std::string& typed) {
  // Blanks name no item: the empty Channel item would clear the row.
  const std::string named = GridTextOf(column, typed);
  if (named.empty()) return -1;
  if (const int item = items.find(named); item >= 0) return item;
  return FirstItemBeginning(items, typed);
}

bool CommitChoice(ChannelTable& table, int row, int col, const std::string& choice) {
  const ChannelTable before = table;
  const bool rowHasChannel = !table.text(row, ChannelTable::kColChannel).empty();
  if (col != ChannelTable::kColChannel) {
    table.setText(row, col, rowHasChannel ? choice : std::string());
  } else if (choice.empty()) {
    for (int c = ChannelTable::kColChannel; c < ChannelTable::kCols; ++c) table.setText(row, c, {});
  } else {
    AssignChannel(table, row, choice);
  }
  return !(table == before);
}

bool KeyNeedsNumberMessage(int col, int key) {
  if (key < 32) return false;
  if (key >= '0' && key <= '9') return false;
  return col == ChannelTable::kColChannel || col == ChannelTable::kColTones;
}

PixelRect EditorPlacement(long cellLeft, long cellTop, long cellWidth, long cellHeight, int dpiX,
                          int dpiY) {
  return PixelRect{static_cast<int>(cellLeft * dpiX / kTwipsPerInch) - 3,
                   static_cast<int>(cellTop * dpiY / kTwipsPerInch) - 3,
                   static_cast<int>(cellWidth * dpiX / kTwipsPerInch),
                   static_cast<int>(cellHeight * dpiY / kTwipsPerInch) + kDroppedListRoom};
}

std::vector<long> ShapedColumnWidths(long w) {
  const double wide = static_cast<double>(w);
  return {static_cast<long>(0.4 * wide), w, w, 0, static_cast<long>(1.2 * wide)};
}

}  // namespace qm314
