// In-place editing rules of the channel grid.
#include "editor/cell_rules.h"

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

constexpr long kTwipsPerInch = 1440;

}  // namespace

int PreloadIndex(const TextList& items, const std::string& cellText) {
  for (int i = 0; i < items.count(); ++i) {
    if (StartsWithIgnoringCase(items.at(i), cellText)) return i;
  }
  return 0;
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
