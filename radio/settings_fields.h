// The radio-wide settings as the form, the report and the command line name
// them, in the order the report prints them.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "radio/code_tables.h"
#include "radio/codec.h"

namespace qm314 {

struct SettingField {
  std::string_view key;    // name in JSON output and in `set key=value`
  std::string_view label;  // label of the printed report
  std::string_view formLabel;  // label beside its box on the form
  const TextList* items;   // the box's items; nullptr for the fixed Power text
  int PanelSelections::*selection;
  bool userEditable;  // the Type and Field boxes are never enabled

  bool isBox() const { return items != nullptr; }
};

// Type, Field, TOT, Warning, Power, Squelch Level, Scan Switch, Moni.
std::span<const SettingField> SettingFields();

// The field with that key, or nullptr.
const SettingField* FindSettingField(std::string_view key);

// The text the form shows for the field: the selected item, empty for no
// selection, the fixed "500mW" for Power.
std::string SettingText(const SettingField& field, const PanelSelections& panel);

}  // namespace qm314
