// Comparing two images through the codec, then byte by byte for the rest.
#include "cli/image_diff.h"

#include <array>
#include <cstdio>

#include "radio/codec.h"
#include "radio/settings_fields.h"

namespace qm314::cli {
namespace {

using layout::kBlockSize;

constexpr std::array<const char*, ChannelTable::kCols> kColumnNames{"", "Channel", "Tones", "BCLO", "Scan"};

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

std::string Change(const std::string& from, const std::string& to) { return Quoted(from) + " -> " + Quoted(to); }

// The bits of a byte that a changed text already tells of.
std::uint8_t ExplainedBits(std::size_t offset, const bool (&cellChanged)[ChannelTable::kRows][ChannelTable::kCols],
                           const PanelSelections& pa, const PanelSelections& pb) {
  namespace ch = layout::channel;
  namespace fn = layout::function;
  const int block = static_cast<int>(offset / kBlockSize);
  const int k = static_cast<int>(offset % kBlockSize);
  if (block >= layout::kFirstChannelBlock && block < layout::kFirstChannelBlock + layout::kChannelCount) {
    const auto& changed = cellChanged[block - layout::kFirstChannelBlock + 1];
    // A channel is stored twice (receive and transmit) with its raster flags,
    // a tone twice (decode and encode): the one text tells of all of them.
    if (changed[ChannelTable::kColChannel] &&
        ((k >= ch::kFrequency1 && k < ch::kFrequency2 + 4) || k == ch::kRasterFlag1 || k == ch::kRasterFlag2)) {
      return 0xFF;
    }
    if (changed[ChannelTable::kColTones] && k >= ch::kTone1 && k < ch::kTone2 + 2) return 0xFF;
    if (k == ch::kFlags) {
      return static_cast<std::uint8_t>((changed[ChannelTable::kColBclo] ? ch::kBcloMask : 0) |
                                       (changed[ChannelTable::kColScan] ? ch::kScanBit : 0));
    }
    return 0;
  }
  if (block == layout::kFunctionSettingBlock) {
    if (k == fn::kFlags) {
      return static_cast<std::uint8_t>((pa.warning != pb.warning ? fn::kWarningBit : 0) |
                                       (pa.scanSwitch != pb.scanSwitch ? fn::kScanSwitchBit : 0));
    }
    if (k == fn::kSquelchLevel && pa.squelch != pb.squelch) return 0xFF;
    if (k == fn::kMonitorKey && pa.moni != pb.moni) return 0xFF;
    if (k == fn::kTimeOutTimer && pa.tot != pb.tot) return 0xFF;
  }
  return 0;
}

std::string ByteLine(std::size_t offset, std::uint8_t from, std::uint8_t to) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "0x%03zX block %zu byte %zu: 0x%02X -> 0x%02X", offset, offset / kBlockSize,
                offset % kBlockSize, from, to);
  return buf;
}

}  // namespace

ImageDiff DiffImages(const RadioImage& a, const RadioImage& b) {
  ChannelTable ta, tb;
  PanelSelections pa, pb;
  Decode(a, ta, pa);
  Decode(b, tb, pb);

  ImageDiff diff;
  bool cellChanged[ChannelTable::kRows][ChannelTable::kCols] = {};
  for (int row = 1; row < ChannelTable::kRows; ++row) {
    for (int col = ChannelTable::kColChannel; col <= ChannelTable::kColScan; ++col) {
      if (ta.text(row, col) == tb.text(row, col)) continue;
      cellChanged[row][col] = true;
      diff.channels.push_back("row " + std::to_string(row) + " " + kColumnNames[static_cast<std::size_t>(col)] +
                              ": " + Change(ta.text(row, col), tb.text(row, col)));
    }
  }
  for (const SettingField& field : SettingFields()) {
    const std::string from = SettingText(field, pa);
    const std::string to = SettingText(field, pb);
    if (from != to) diff.settings.push_back(std::string(field.label) + " " + Change(from, to));
  }
  for (std::size_t offset = 0; offset < layout::kImageSize; ++offset) {
    const std::uint8_t changedBits = a.at(offset) ^ b.at(offset);
    if ((changedBits & ~ExplainedBits(offset, cellChanged, pa, pb)) != 0)
      diff.bytes.push_back(ByteLine(offset, a.at(offset), b.at(offset)));
  }
  return diff;
}

std::string RenderDiff(const ImageDiff& diff) {
  std::string text;
  const auto section = [&text](const char* heading, const std::vector<std::string>& lines) {
    if (lines.empty()) return;
    text += heading;
    text += '\n';
    for (const std::string& line : lines) text += "  " + line + "\n";
  };
  section("channels:", diff.channels);
  section("settings:", diff.settings);
  section("other bytes:", diff.bytes);
  return text;
}

}  // namespace qm314::cli
