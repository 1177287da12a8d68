// The table of settings fields.
#include "radio/settings_fields.h"

#include <array>

namespace qm314 {
namespace {

const std::array<SettingField, 8>& Fields() {
  static const std::array<SettingField, 8> fields = {{
      {"type", "Type:", "Type", &TypeItems(), &PanelSelections::type, false},
      {"field", "Field:", "Field", &FieldItems(), &PanelSelections::field, false},
      {"tot", "TOT:", "TOT", &TotItems(), &PanelSelections::tot, true},
      {"warning", "Warning:", "Warning", &WarningItems(), &PanelSelections::warning, true},
      {"power", "Power:", "Power", nullptr, nullptr, false},
      {"squelch", "Squelch Level:", "Squelch Level", &SquelchItems(), &PanelSelections::squelch, true},
      {"scan_switch", "Scan Switch:", "Scan Switch", &ScanSwitchItems(), &PanelSelections::scanSwitch, true},
      {"moni", "Moni:", "Moni", &MoniItems(), &PanelSelections::moni, true},
  }};
  return fields;
}

}  // namespace

std::span<const SettingField> SettingFields() { return Fields(); }

const SettingField* FindSettingField(std::string_view key) {
  for (const auto& field : Fields())
    if (field.key == key) return &field;
  return nullptr;
}

std::string SettingText(const SettingField& field, const PanelSelections& panel) {
  if (!field.isBox()) return std::string(kPowerText);
  return field.items->textAt(panel.*field.selection);
}

}  // namespace qm314
