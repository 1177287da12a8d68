// The common radio CSV that other programming software exchanges channel
// plans in: one memory per line, frequencies in MHz, tones in Hz, DCS codes in
// octal digits, columns found by their header names.  Only what this radio can
// hold comes in; anything else refuses the file with its place named.
#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <utility>
#include <variant>

#include "radio/channel_csv_forms.h"
#include "radio/cell_texts.h"
#include "radio/channel_rows.h"
#include "radio/code_tables.h"
#include "radio/image.h"
#include "radio/messages.h"
#include "radio/text_numbers.h"

namespace qm314 {
namespace {

constexpr std::array<std::string_view, 21> kHeader = {
    "Location", "Name", "Frequency", "Duplex", "Offset", "Tone", "rToneFreq", "cToneFreq", "DtcsCode", "DtcsPolarity",
    "RxDtcsCode", "CrossMode", "Mode", "TStep", "Skip", "Power", "Comment", "URCALL", "RPT1CALL", "RPT2CALL",
    "DVCODE"};
// What a memory cannot be read without.  Older files lack RxDtcsCode,
// CrossMode, Power and DVCODE; the rest is never read.
constexpr std::array<std::string_view, 9> kNeeded = {"Location", "Frequency", "Duplex", "Tone", "rToneFreq",
                                                      "cToneFreq", "DtcsCode", "DtcsPolarity", "Skip"};

// Files differ in how they round the 6.25 kHz offsets of the channel frequencies.
constexpr long long kChannelToleranceHz = 2000;

// What the fields of a channel without that kind of tone hold.
constexpr std::string_view kIdleTone = "88.5";
constexpr std::string_view kIdleCode = "023";
constexpr std::string_view kNormalPair = "NN";
constexpr std::string_view kInvertedPair = "RR";

std::string PaddedNumber(long long value, std::size_t digits) {
  std::string text = std::to_string(value);
  return text.size() < digits ? std::string(digits - text.size(), '0') + text : text;
}

long long ChannelHz(int index) { return *ScaledDecimal(ChannelFrequencyList().at(index), 6); }

// ---- import ----------------------------------------------------------------

struct LineRefusal {
  std::string column;
  std::string value;
  std::string reason;
};

// One line of the file, its fields by header name.
class MemoryLine {
 public:
  using Columns = std::map<std::string, std::size_t, std::less<>>;
  MemoryLine(const CsvRecord& record, const Columns& columns) : record_(record), columns_(columns) {}

  int line() const { return record_.line; }
  bool has(std::string_view column) const { return columns_.find(column) != columns_.end(); }
  // The field without surrounding spaces; empty when the file has no such column.
  std::string_view operator[](std::string_view column) const {
    const auto it = columns_.find(column);
    return it == columns_.end() ? std::string_view() : TrimSpaces(record_.fields[it->second]);
  }
  LineRefusal refuse(std::string_view column, std::string reason) const {
    return {std::string(column), std::string((*this)[column]), std::move(reason)};
  }

 private:
  const CsvRecord& record_;
  const Columns& columns_;
};

// A row's texts from one memory, or why the memory cannot be one.
struct RowTexts {
  std::string channel;
  std::string tones;
  std::string scan;
};
using Mapped = std::variant<RowTexts, LineRefusal>;

// The index of the channel within tolerance of a frequency in MHz; exact says
// whether the frequency is the channel's own.
std::optional<int> ChannelOf(std::string_view frequency, bool& exact) {
  const auto hz = ScaledDecimal(frequency, 6);
  if (!hz) return std::nullopt;
  for (int i = 0; i < ChannelFrequencyList().count(); ++i) {
    if (*hz >= ChannelHz(i) - kChannelToleranceHz && *hz <= ChannelHz(i) + kChannelToleranceHz) {
      exact = *hz == ChannelHz(i);
      return i;
    }
  }
  return std::nullopt;
}

// Whether a Power text is the half watt every channel of the radio sends with
// ("0.5W", "0.50 W", "500mW"); an empty one says nothing.
bool IsRadioPower(std::string_view power) {
  if (power.empty()) return true;
  const bool milli = power.size() > 2 && power.substr(power.size() - 2) == "mW";
  if (!milli && power.back() != 'W') return false;
  const std::string_view number = TrimSpaces(power.substr(0, power.size() - (milli ? 2 : 1)));
  return milli ? ScaledDecimal(number, 0) == 500 : ScaledDecimal(number, 1) == 5;
}

// What of a memory that became a row the radio does not keep as the file meant it.
void NoteChanges(const MemoryLine& memory, bool exactFrequency, ImportReport& report) {
  const int line = memory.line();
  if (memory["Tone"] == "Tone") report.note(ImportChange::kToneSentOnly, line);
  if (!memory["Name"].empty()) report.note(ImportChange::kNameDropped, line);
  if (!memory["Comment"].empty()) report.note(ImportChange::kCommentDropped, line);
  if (!IsRadioPower(memory["Power"])) report.note(ImportChange::kPowerDropped, line);
  if (const std::string_view mode = memory["Mode"]; !mode.empty() && mode != "NFM")
    report.note(ImportChange::kModeDropped, line);
  if (!exactFrequency) report.note(ImportChange::kFrequencyRounded, line);
}

// The code's three digits as the lists write them ("23" is "023").
std::optional<std::string> CodeDigits(std::string_view code) {
  if (!IsAllDigits(code) || code.size() > 3) return std::nullopt;
  const std::string digits = PaddedNumber(LeadingInteger(code), 3);
  if (!ToneCodeTable().contains("D" + digits + "N")) return std::nullopt;
  return digits;
}

// The tone and code a memory sends with, once checked that it receives with the same.
std::variant<std::string, LineRefusal> TonesOf(const MemoryLine& memory) {
  const auto tone = [&](std::string_view column) -> std::variant<std::string, LineRefusal> {
    if (auto cell = ToneCellOfHertz(memory[column])) return *cell;
    return memory.refuse(column, ToneRefusal(messages::kNotARadioTone, memory[column]));
  };
  const auto code = [&](std::string_view codeColumn) -> std::variant<std::string, LineRefusal> {
    const auto digits = CodeDigits(memory[codeColumn]);
    if (!digits) return memory.refuse(codeColumn, messages::kNotARadioCode);
    const std::string_view pair = memory["DtcsPolarity"];
    if (pair != kNormalPair && pair != kInvertedPair) return memory.refuse("DtcsPolarity", messages::kNotOnePolarity);
    return "D" + *digits + (pair == kNormalPair ? "N" : "I");
  };

  const std::string_view mode = memory["Tone"];
  if (mode.empty()) return std::string(kOffText);
  if (mode == "Tone") return tone("rToneFreq");
  if (mode == "TSQL") return tone("cToneFreq");
  if (mode == "DTCS") return code("DtcsCode");
  if (mode != "Cross") return memory.refuse("Tone", messages::kNotAToneMode);

  if (!memory.has("CrossMode")) return memory.refuse("Tone", messages::kCrossWithoutMode);
  const std::string_view cross = memory["CrossMode"];
  if (cross == "Tone->Tone") {
    if (ScaledDecimal(memory["rToneFreq"], 1) != ScaledDecimal(memory["cToneFreq"], 1))
      return memory.refuse("cToneFreq", messages::SideDiffers("rToneFreq", memory["rToneFreq"]));
    return tone("rToneFreq");
  }
  if (cross == "DTCS->DTCS") {
    if (CodeDigits(memory["DtcsCode"]) != CodeDigits(memory["RxDtcsCode"]))
      return memory.refuse("RxDtcsCode", messages::SideDiffers("DtcsCode", memory["DtcsCode"]));
    return code("DtcsCode");
  }
  return memory.refuse("CrossMode", messages::kCrossSidesDiffer);
}

Mapped MapMemory(const MemoryLine& memory, bool& exactFrequency) {
  RowTexts row;
  if (auto channel = ChannelOf(memory["Frequency"], exactFrequency)) {
    row.channel = FormatTwoDigits(*channel + 1);
  } else {
    return memory.refuse("Frequency", messages::kNotAChannelFrequency);
  }
  if (const std::string_view duplex = memory["Duplex"]; !duplex.empty() && duplex != "off")
    return memory.refuse("Duplex", messages::kNotSimplex);
  auto tones = TonesOf(memory);
  if (auto* refusal = std::get_if<LineRefusal>(&tones)) return *refusal;
  row.tones = std::get<std::string>(tones);
  const std::string_view skip = memory["Skip"];
  if (skip.empty()) {
    row.scan = kAddText;
  } else if (skip == "S") {
    row.scan = kDeleteText;
  } else {
    return memory.refuse("Skip", messages::kNotASkip);
  }
  return row;
}

// A Location that names a grid row, else 0.
int RowOfLocation(std::string_view location) {
  if (!IsAllDigits(location) || location.size() > 2) return 0;
  const int row = LeadingInteger(location);
  return row < ChannelTable::kRows ? row : 0;
}

// ---- export ----------------------------------------------------------------

// The fields of a channel's tone columns, from the bytes encode gives its Tones cell.
struct ToneFields {
  std::string_view mode;
  std::string tone = std::string(kIdleTone);
  std::string code = std::string(kIdleCode);
  std::string_view pair = kNormalPair;
};

ToneFields ToneFieldsOf(ConstChannelRecord record) {
  ToneFields fields;
  const std::uint8_t high = record.tone1High();
  const std::uint8_t low = record.tone1Low();
  if (IsUnsetByte(high)) return fields;
  if (high >= 0x80) {
    const bool inverted = high >= 0xC0;
    fields.mode = "DTCS";
    fields.code = PaddedNumber(100 * (high - (inverted ? 0xC0 : 0x80)) + BcdValue(low), 3);
    fields.pair = inverted ? kInvertedPair : kNormalPair;
  } else {
    fields.mode = "TSQL";
    fields.tone = FormatScaled(100 * BcdValue(high) + BcdValue(low), 1);
  }
  return fields;
}

std::string MemoryLineOf(int row, ConstChannelRecord record) {
  long long tenHz = 0;
  for (int k = 3; k >= 0; --k) tenHz = 100 * tenHz + BcdValue(record.frequency1(k));
  const ToneFields tone = ToneFieldsOf(record);
  const std::string_view skip = record.isScanned() ? "" : "S";
  const std::array<std::string, kHeader.size()> fields = {
      std::to_string(row), "", FormatScaled(tenHz * 10, 6), "", FormatScaled(0, 6), std::string(tone.mode), tone.tone,
      tone.tone, tone.code, std::string(tone.pair), tone.code, "Tone->Tone", "NFM", "12.50", std::string(skip),
      "0.5W", "", "", "", "", ""};
  std::string line;
  for (const std::string& field : fields) line += (line.empty() ? "" : ",") + CsvField(field);
  return line + "\r\n";
}

}  // namespace

bool IsRadioCsvHeader(const CsvRecord& header) {
  for (const std::string& name : header.fields)
    if (TrimSpaces(name) == kHeader.front()) return true;
  return false;
}

std::string RadioCsvOf(const ChannelTable& grid) {
  // Encode decides what a row's texts store; the file says the same.
  RadioImage image;
  Encode(grid, PanelSelections{}, image);
  std::string csv;
  for (const std::string_view name : kHeader) csv += (csv.empty() ? "" : ",") + std::string(name);
  csv += "\r\n";
  for (int row = 1; row <= layout::kChannelCount; ++row) {
    const ConstChannelRecord record = std::as_const(image).channel(layout::kFirstChannelBlock + row - 1);
    if (record.hasFrequency1()) csv += MemoryLineOf(row, record);
  }
  return csv;
}

ChannelImport ReadRadioCsv(const std::vector<CsvRecord>& records, const ChannelTable& current) {
  const CsvRecord& header = records.front();
  MemoryLine::Columns columns;
  for (std::size_t i = 0; i < header.fields.size(); ++i) columns.emplace(TrimSpaces(header.fields[i]), i);
  for (const std::string_view needed : kNeeded)
    if (columns.find(needed) == columns.end())
      return Refused(header.line, 0, {}, {}, messages::HeaderLacks(needed));

  ImportReport report;
  std::vector<MemoryLine> memories;
  for (std::size_t i = 1; i < records.size(); ++i) {
    const MemoryLine memory(records[i], columns);
    if (records[i].fields.size() != header.fields.size())
      return Refused(memory.line(), 0, {}, {}, messages::FieldCount(records[i].fields.size(), header.fields.size()));
    if (!memory["Frequency"].empty()) {
      memories.push_back(memory);
    } else {
      report.note(ImportChange::kNoFrequency, memory.line());
    }
  }
  if (memories.empty()) return Refused(records.back().line, 0, {}, {}, messages::kNoRows);
  if (memories.size() >= ChannelTable::kRows) {
    const MemoryLine& extra = memories[ChannelTable::kRows - 1];
    return Refused(extra.line(), 0, "Location", std::string(extra["Location"]), messages::kPastLastRow);
  }

  // Locations 1-16 are the rows; a file numbered otherwise fills rows 1, 2, ... in order.
  bool byLocation = true;
  for (const MemoryLine& memory : memories) {
    if (RowOfLocation(memory["Location"]) != 0) continue;
    byLocation = false;
    report.note(ImportChange::kLocationsInFileOrder, memory.line());
  }

  ChannelTable result = current;
  int givenBy[ChannelTable::kRows] = {};
  for (std::size_t i = 0; i < memories.size(); ++i) {
    const MemoryLine& memory = memories[i];
    const int row = byLocation ? RowOfLocation(memory["Location"]) : static_cast<int>(i) + 1;
    if (givenBy[row] != 0)
      return Refused(memory.line(), row, "Location", std::string(memory["Location"]),
                     messages::RowGivenTwice(row, givenBy[row]));
    givenBy[row] = memory.line();
    bool exactFrequency = true;
    const Mapped mapped = MapMemory(memory, exactFrequency);
    if (const auto* refusal = std::get_if<LineRefusal>(&mapped))
      return Refused(memory.line(), row, refusal->column, refusal->value, refusal->reason);
    const RowTexts& texts = std::get<RowTexts>(mapped);
    AssignChannel(result, row, texts.channel);
    result.setText(row, ChannelTable::kColTones, texts.tones);
    result.setText(row, ChannelTable::kColScan, texts.scan);
    report.channelRows.push_back(row);
    NoteChanges(memory, exactFrequency, report);
  }
  std::sort(report.channelRows.begin(), report.channelRows.end());
  return ChannelImport{result, std::nullopt, std::move(report)};
}

}  // namespace qm314
