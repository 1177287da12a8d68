// The fixed lists of display texts: tones and DCS codes, PMR446 channel
// frequencies, the items of the grid's cell editors and of the settings boxes.
// The GUI, the command line and the report all take their texts from here.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace qm314 {

// A read-only list of display strings with find-by-text.
class TextList {
 public:
  TextList() = default;
  TextList(std::initializer_list<std::string> items) : items_(items) {}
  explicit TextList(std::vector<std::string> items) : items_(std::move(items)) {}

  int count() const { return static_cast<int>(items_.size()); }
  const std::string& at(int index) const { return items_.at(static_cast<std::size_t>(index)); }
  // Index of the first entry equal to text (exact, case-sensitive), or -1.
  int find(std::string_view text) const;
  bool contains(std::string_view text) const { return find(text) >= 0; }
  // The entry at index, or the empty text for an index outside the list (-1 included).
  std::string textAt(int index) const;

  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

 private:
  std::vector<std::string> items_;
};

// 12 CTCSS tones outside StandardToneList, then 105 DCS codes "N", then the same "I": 222.
const TextList& ToneCodeTable();
// Tones 01-38 in hertz with one decimal.
const TextList& StandardToneList();
// PMR446 channels 01-08 in MHz with five decimals.
const TextList& ChannelFrequencyList();

// Items of the grid's in-place editors, columns 1-4.
const TextList& ChannelEditorItems();
const TextList& ToneEditorItems();
const TextList& BcloEditorItems();
const TextList& ScanEditorItems();

// The grid's header row, columns 0-4.
const TextList& GridHeaders();

// Items of the settings boxes, index = selection.
const TextList& TypeItems();
const TextList& FieldItems();          // what every decode leaves in the Field box
const TextList& FieldTemplateItems();  // the Field box's list before the first decode
const TextList& TotItems();
const TextList& WarningItems();
const TextList& SquelchItems();
const TextList& ScanSwitchItems();
const TextList& MoniItems();

// Texts with a meaning of their own in the codec and the editing rules.
inline constexpr std::string_view kOffText = "Off";
inline constexpr std::string_view kCarrierText = "Carrier";
inline constexpr std::string_view kQtDqtText = "QT/DQT";
inline constexpr std::string_view kAddText = "Add";
inline constexpr std::string_view kDeleteText = "Delete";
// The form's read-only Power field; the printed report spells it "500mw".
inline constexpr std::string_view kPowerText = "500mW";

}  // namespace qm314
