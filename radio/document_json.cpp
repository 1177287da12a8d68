// The document's JSON, written and read with the same keys.
#include "radio/document_json.h"

#include <array>

#include "radio/cell_texts.h"
#include "radio/code_tables.h"
#include "radio/json_text.h"
#include "radio/messages.h"
#include "radio/settings_fields.h"

namespace qm314 {
namespace {

constexpr std::string_view kSettingsKey = "settings";
constexpr std::string_view kChannelsKey = "channels";
constexpr std::string_view kRowKey = "row";

struct CellKey {
  std::string_view key;
  int column;
};
constexpr std::array<CellKey, 4> kCellKeys{{{"channel", ChannelTable::kColChannel},
                                            {"tones", ChannelTable::kColTones},
                                            {"bclo", ChannelTable::kColBclo},
                                            {"scan", ChannelTable::kColScan}}};

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

std::string KeyList() {
  std::string keys;
  for (const SettingField& field : SettingFields()) keys += (keys.empty() ? "" : ", ") + std::string(field.key);
  return keys;
}

std::string ItemList(const TextList& items) {
  std::string list;
  for (const std::string& item : items) list += (list.empty() ? "" : ", ") + Quoted(item);
  return list;
}

std::optional<std::string> ApplySettings(const JsonValue& settings, PanelSelections& panel) {
  if (!settings.is(JsonValue::Kind::Object)) return "the settings are not an object of texts";
  for (const auto& [key, value] : settings.members) {
    const SettingField* field = FindSettingField(key);
    if (!field) return "the settings have no " + Quoted(key) + "; they are " + KeyList();
    if (!value.is(JsonValue::Kind::String)) return "setting " + std::string(key) + " is not a text";
    if (!field->isBox()) {
      if (value.text != kPowerText) return "setting " + std::string(key) + " is always " + Quoted(kPowerText);
      continue;
    }
    const int index = value.text.empty() ? -1 : field->items->find(value.text);
    if (index < 0 && !value.text.empty()) {
      return "setting " + std::string(key) + ": " + Quoted(value.text) + " is not one of its items " +
             ItemList(*field->items);
    }
    panel.*field->selection = index;
  }
  return std::nullopt;
}

std::optional<std::string> ApplyRow(const JsonValue& row, ChannelTable& grid, bool (&given)[ChannelTable::kRows]) {
  const std::string shape = "each channel is an object with a \"row\" from 1 to 16 and texts for channel, tones, bclo and scan";
  if (!row.is(JsonValue::Kind::Object)) return shape;
  int number = 0;
  for (const auto& [key, value] : row.members) {
    if (key != kRowKey) continue;
    if (!value.is(JsonValue::Kind::Number) || value.number < 1 || value.number >= ChannelTable::kRows ||
        value.number != static_cast<int>(value.number))
      return shape;
    number = static_cast<int>(value.number);
  }
  if (number == 0) return shape;
  const std::string place = "channels, row " + std::to_string(number);
  if (given[number]) return place + " is given twice";
  given[number] = true;
  for (const auto& [key, value] : row.members) {
    if (key == kRowKey) continue;
    const CellKey* cell = nullptr;
    for (const CellKey& k : kCellKeys)
      if (k.key == key) cell = &k;
    if (!cell || !value.is(JsonValue::Kind::String)) return place + ": " + shape;
    if (!IsGridCellText(cell->column, value.text)) {
      return place + ", column " + GridHeaders().at(cell->column) + ": " + Quoted(value.text) + " " +
             messages::kNotAGridText;
    }
    grid.setText(number, cell->column, value.text);
  }
  return std::nullopt;
}

}  // namespace

std::string_view DocumentCellKey(int column) {
  for (const CellKey& cell : kCellKeys)
    if (cell.column == column) return cell.key;
  return {};
}

std::string DocumentJson(const ChannelTable& grid, const PanelSelections& panel) {
  std::string json = "{\n  " + JsonString(kSettingsKey) + ": {";
  const char* separator = "\n";
  for (const SettingField& field : SettingFields()) {
    json += separator;
    json += "    " + JsonString(field.key) + ": " + JsonString(SettingText(field, panel));
    separator = ",\n";
  }
  json += "\n  },\n  " + JsonString(kChannelsKey) + ": [";
  separator = "\n";
  for (int row = 1; row < ChannelTable::kRows; ++row) {
    json += separator;
    json += "    {" + JsonString(kRowKey) + ": " + std::to_string(row);
    for (const CellKey& cell : kCellKeys) json += ", " + JsonString(cell.key) + ": " + JsonString(grid.text(row, cell.column));
    json += "}";
    separator = ",\n";
  }
  return json + "\n  ]\n}\n";
}

std::optional<std::string> ApplyDocumentJson(std::string_view json, ChannelTable& grid, PanelSelections& panel) {
  std::string error;
  const std::optional<JsonValue> document = ParseJson(json, error);
  if (!document) return "the document is not JSON, " + error;
  if (!document->is(JsonValue::Kind::Object)) return "the document is not an object of settings and channels";
  ChannelTable newGrid = grid;
  PanelSelections newPanel = panel;
  bool given[ChannelTable::kRows] = {};
  for (const auto& [key, value] : document->members) {
    if (key == kSettingsKey) {
      if (auto refusal = ApplySettings(value, newPanel)) return refusal;
    } else if (key == kChannelsKey) {
      if (!value.is(JsonValue::Kind::Array)) return "the channels are not a list";
      for (const JsonValue& row : value.items)
        if (auto refusal = ApplyRow(row, newGrid, given)) return refusal;
    } else {
      return "the document has no " + Quoted(key) + "; it has settings and channels";
    }
  }
  grid = newGrid;
  panel = newPanel;
  return std::nullopt;
}

}  // namespace qm314
