// The channel plan sheet's words, made from what the grid's texts and the
// settings boxes' items mean.
#include "radio/plan_words.h"

#include <span>

#include "radio/cell_meanings.h"
#include "radio/code_tables.h"
#include "radio/text_numbers.h"

namespace qm314::plan_words {
namespace {

constexpr std::string_view kCtcssWord = "CTCSS ";
constexpr std::string_view kChannelSeparator = " - ";
constexpr std::string_view kYes = "yes";
constexpr std::string_view kNo = "no";
constexpr std::string_view kOn = "on";
constexpr std::string_view kOff = "off";
constexpr std::string_view kSeconds = " seconds";

// Words of a box's items, by selection: the boxes' own texts ("Enable",
// "SQ-Off Momentary") need the form beside them to be understood.
constexpr std::array<std::string_view, 2> kWarningWords = {kOn, kOff};    // Enable, Disable
constexpr std::array<std::string_view, 2> kScanSwitchWords = {kOff, kOn};  // Off, On
constexpr std::array<std::string_view, 4> kMonitorKeyWords = {
    kOff, "monitor while held", "monitor until pressed again", "squelch off while held"};

std::string Selected(std::span<const std::string_view> words, int selection) {
  if (selection < 0 || static_cast<std::size_t>(selection) >= words.size()) return std::string(kNotSet);
  return std::string(words[static_cast<std::size_t>(selection)]);
}

std::string TimeOutWords(int selection) {
  if (selection < 0 || selection >= TotItems().count()) return std::string(kNotSet);
  const std::string& item = TotItems().at(selection);
  if (item == kOffText) return std::string(kOff);
  return std::to_string(LeadingInteger(item)) + std::string(kSeconds);
}

std::string BoxText(int selection, const TextList& items) {
  const std::string text = items.textAt(selection);
  return text.empty() ? std::string(kNotSet) : text;
}

// "500mW" as "500 mW".
std::string SpacedUnit(std::string_view quantity) {
  std::size_t digits = 0;
  while (digits < quantity.size() && quantity[digits] >= '0' && quantity[digits] <= '9') ++digits;
  return std::string(quantity.substr(0, digits)) + ' ' + std::string(quantity.substr(digits));
}

}  // namespace

std::string ChannelWords(std::string_view channelCell) {
  const std::string frequency = ChannelFrequency(channelCell);
  if (frequency.empty()) return std::string(channelCell);
  return std::string(channelCell) + std::string(kChannelSeparator) + frequency + std::string(kMegahertz);
}

std::string ToneWords(std::string_view tonesCell) {
  const ToneMeaning meaning = MeaningOfTone(tonesCell);
  switch (meaning.kind) {
    case ToneMeaning::Kind::kNone:
      return std::string(kNoToneWords);
    case ToneMeaning::Kind::kHertz:
      return std::string(kCtcssWord) + meaning.value + std::string(kHertz);
    case ToneMeaning::Kind::kDcs:
      return std::string(kDcsWord) + meaning.value + ' ' +
             std::string(meaning.inverted ? kInvertedWord : kNormalWord);
    case ToneMeaning::Kind::kUnknown:
      break;
  }
  return std::string(tonesCell);
}

std::string ScanWords(std::string_view scanCell) {
  if (scanCell == kAddText) return std::string(kYes);
  if (scanCell == kDeleteText) return std::string(kNo);
  return std::string(scanCell);
}

std::array<SettingWords, 6> Settings(const PanelSelections& panel) {
  return {{
      {"tot", "Time-out timer", TimeOutWords(panel.tot)},
      {"squelch", "Squelch level", BoxText(panel.squelch, SquelchItems())},
      {"power", "Power", SpacedUnit(kPowerText)},
      {"warning", "Warning", Selected(kWarningWords, panel.warning)},
      {"scan_switch", "Scan switch", Selected(kScanSwitchWords, panel.scanSwitch)},
      {"moni", "Monitor key", Selected(kMonitorKeyWords, panel.moni)},
  }};
}

}  // namespace qm314::plan_words
