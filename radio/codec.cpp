// Decode and encode between the image and the grid texts and box selections.
// The order of operations, the truncations and the formats are those the radio's
// files have always been written with: changing any of them changes stored bytes.
#include "radio/codec.h"

#include "radio/code_tables.h"
#include "radio/text_numbers.h"

namespace qm314 {
namespace {

using layout::kChannelCount;
using layout::kFirstChannelBlock;

constexpr int kRowCount = kChannelCount;

// Frequency1 as MHz text, empty when the record has no frequency.
std::string FrequencyText(const ConstChannelRecord& record) {
  if (!record.hasFrequency1()) return {};
  long long v = 0;
  for (int k = 3; k >= 0; --k) v = 100 * v + BcdValue(record.frequency1(k));
  return FormatFixed(static_cast<double>(v) * 0.00001, 3, 5);
}

std::string ChannelCellText(const ConstChannelRecord& record) {
  const int index = ChannelFrequencyList().find(FrequencyText(record));
  return index < 0 ? std::string() : FormatTwoDigits(index + 1);
}

std::string DcsText(int digit, std::uint8_t low, const char* polarity) {
  const std::string prefix = digit == 0 ? "D0" : "D";
  return prefix + std::to_string(100 * digit + BcdValue(low)) + polarity;
}

std::string BcloText(const ConstChannelRecord& record) {
  switch (record.bcloBits()) {
    case layout::channel::kBcloQtDqt:
      return std::string(kQtDqtText);
    case layout::channel::kBcloCarrier:
      return std::string(kCarrierText);
    default:
      return std::string(kOffText);
  }
}

void DecodeRow(const ConstChannelRecord& record, int row, ChannelTable& table) {
  table.setText(row, ChannelTable::kColChannel, ChannelCellText(record));
  table.setText(row, ChannelTable::kColTones, DecodeToneCell(record.tone1High(), record.tone1Low()));
  const bool inUse = record.isInUse();
  table.setText(row, ChannelTable::kColBclo, inUse ? BcloText(record) : std::string());
  table.setText(row, ChannelTable::kColScan,
                inUse ? std::string(record.isScanned() ? kAddText : kDeleteText) : std::string());
}

void DecodePanel(const ConstFunctionSetting& fs, PanelSelections& panel) {
  panel.warning = fs.warning() ? 0 : 1;
  panel.scanSwitch = fs.scanSwitch() ? 1 : 0;
  panel.squelch = fs.squelchLevel() <= 9 ? fs.squelchLevel() : 0;
  panel.tot = fs.timeOutTimer() <= 10 ? fs.timeOutTimer() : 0;
  panel.moni = fs.monitorKey() <= 3 ? fs.monitorKey() : 3;
  panel.type = 0;
  panel.field = 0;
}

// The frequency text a Channel cell stands for.  Only "01".."08" (by the cell's
// last two characters) name a list entry; anything else is no channel.
std::string ChannelFrequencyFor(const std::string& cell) {
  if (cell.empty()) return {};
  const std::string_view tail = cell.size() > 2 ? std::string_view(cell).substr(cell.size() - 2) : cell;
  const int n = LeadingInteger(tail);
  return ChannelFrequencyList().textAt(n - 1);
}

void EncodeFrequency(const std::string& channelCell, ChannelRecord& record) {
  const double mhz = LeadingReal(ChannelFrequencyFor(channelCell));
  const long long e = TruncateToInt((mhz * 1000) * 100);
  if (e == 0) {
    for (int k = 0; k < 4; ++k) record.frequency1(k) = 0xFF;
  } else {
    // The raster flags tell the radio the frequency lies on the 6.25 kHz step
    // (or in the UHF range, where it always counts as such).
    if (e >= 30000000 || e % 625 == 0) {
      record.rasterFlag1() = 1;
      record.rasterFlag2() = 1;
    } else {
      record.rasterFlag1() = 0;
    }
    record.frequency1(3) = ToBcd(static_cast<int>(e / 1000000));
    record.frequency1(2) = ToBcd(static_cast<int>((e % 1000000) / 10000));
    record.frequency1(1) = ToBcd(static_cast<int>((e % 10000) / 100));
    record.frequency1(0) = ToBcd(static_cast<int>(e % 100));
  }
  for (int k = 0; k < 4; ++k) record.frequency2(k) = record.frequency1(k);
}

void EncodeTone(std::string tone, ChannelRecord& record) {
  if (tone.find('D') == std::string::npos) {
    // Only a text of digits is a tone number; "25.0" is 25.0 Hz.
    if (IsAllDigits(tone)) {
      const int n = LeadingInteger(tone);
      if (n >= 1 && n <= StandardToneList().count()) tone = StandardToneList().at(n - 1);
    }
    const long long t = TruncateToInt(LeadingReal(tone) * 10);
    if (t == 0) {
      record.tone1High() = 0xFF;
      record.tone1Low() = 0xFF;
    } else {
      record.tone1High() = ToBcd(static_cast<int>(t / 100));
      record.tone1Low() = ToBcd(static_cast<int>(t % 100));
    }
  } else {
    const std::string rest = tone.substr(1);
    const long long v = LeadingInteger(rest);
    const long long base = rest.find('N') != std::string::npos ? 0x80 : 0xC0;
    record.tone1High() = static_cast<std::uint8_t>((v / 100 + base) & 0xFF);
    record.tone1Low() = ToBcd(static_cast<int>(v % 100));
  }
  // A code too large for its byte can come out as 0xFF, which means no tone:
  // store it as no tone, as decode will show it.
  if (record.tone1High() == 0xFF) record.tone1Low() = 0xFF;
  record.tone2Low() = record.tone1Low();
  record.tone2High() = record.tone1High();
}

void EncodeBclo(const std::string& bclo, ChannelRecord& record) {
  std::uint8_t& flags = record.flags();
  if (bclo == kOffText) {
    SetBits(flags, 0x03, true);
  } else if (bclo == kCarrierText) {
    SetBits(flags, 0x01, false);
    SetBits(flags, 0x02, true);
  } else {
    SetBits(flags, 0x02, false);
    SetBits(flags, 0x01, true);
  }
}

void EncodeRow(const ChannelTable& table, int row, ChannelRecord record) {
  const std::string& channel = table.text(row, ChannelTable::kColChannel);
  EncodeFrequency(channel, record);
  EncodeTone(table.text(row, ChannelTable::kColTones), record);
  // A row that names no channel is stored as an empty channel, flags included:
  // decode shows no BCLO or Scan for an empty record, so keeping the row's texts
  // here would make every later open-and-save change the flags again.
  const bool noChannel = ChannelFrequencyFor(channel).empty();
  EncodeBclo(noChannel ? std::string() : table.text(row, ChannelTable::kColBclo), record);
  SetBits(record.flags(), layout::channel::kScanBit,
          !noChannel && table.text(row, ChannelTable::kColScan) == kAddText);
}

// A box without selection (-1) leaves its byte as it was.
void StoreSelection(int selection, std::uint8_t& byte) {
  if (selection != -1) byte = static_cast<std::uint8_t>(selection);
}

void EncodePanel(const PanelSelections& panel, RadioImage& image) {
  FunctionSetting fs = image.functionSetting();
  if (panel.warning != -1) SetBits(fs.flags(), layout::function::kWarningBit, panel.warning != 1);
  if (panel.scanSwitch != -1) SetBits(fs.flags(), layout::function::kScanSwitchBit, panel.scanSwitch != 0);
  StoreSelection(panel.squelch, fs.squelchLevel());
  StoreSelection(panel.tot, fs.timeOutTimer());
  StoreSelection(panel.moni, fs.monitorKey());

  if (panel.type == 0) {
    TypeSetting ts = image.typeSetting();
    if (panel.field != -1) ts.bandCode() = static_cast<std::uint8_t>((panel.field - layout::type::kBandCodeBias) & 0xFF);
    ts.typeCode() = layout::type::kTypeCodeQm314;
  }
}

}  // namespace

std::string DecodeToneCell(std::uint8_t high, std::uint8_t low) {
  if (IsUnsetByte(high)) return {};
  if (high >= 0xC0) return DcsText(high - 0xC0, low, "I");
  if (high >= 0x80) return DcsText(high - 0x80, low, "N");
  const int t = 100 * BcdValue(high) + BcdValue(low);
  std::string tone = FormatFixed(t * 0.1, 3, 1);
  const int index = StandardToneList().find(tone);
  return index < 0 ? tone : FormatTwoDigits(index + 1);
}

std::string StoredToneText(const std::string& tone) {
  RadioImage scratch;
  ChannelRecord record = scratch.channel(kFirstChannelBlock);
  EncodeTone(tone, record);
  return DecodeToneCell(record.tone1High(), record.tone1Low());
}

bool LooksLikeChannelData(const RadioImage& image) {
  for (int row = 1; row <= kRowCount; ++row) {
    const ConstChannelRecord record = image.channel(kFirstChannelBlock + row - 1);
    if (record.hasFrequency1() && ChannelCellText(record).empty()) return false;
  }
  return true;
}

void Decode(const RadioImage& image, ChannelTable& table, PanelSelections& panel) {
  for (int row = 1; row <= kRowCount; ++row)
    DecodeRow(image.channel(kFirstChannelBlock + row - 1), row, table);
  DecodePanel(image.functionSetting(), panel);
}

void Encode(const ChannelTable& table, const PanelSelections& panel, RadioImage& image) {
  for (int row = 1; row <= kRowCount; ++row) EncodeRow(table, row, image.channel(kFirstChannelBlock + row - 1));
  EncodePanel(panel, image);
}

void WriteGridLabels(ChannelTable& table) {
  for (int col = 0; col < ChannelTable::kCols; ++col) table.setText(0, col, GridHeaders().at(col));
  for (int row = 1; row < ChannelTable::kRows; ++row) table.setText(row, ChannelTable::kColLabel, std::to_string(row));
}

}  // namespace qm314
