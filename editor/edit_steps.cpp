// Names of the undo steps and the rules of an open pick list.
#include "editor/edit_steps.h"

#include <algorithm>
#include <cctype>

#include "editor/cell_rules.h"
#include "editor/messages.h"
#include "radio/settings_fields.h"
#include "radio/text_args.h"

namespace qm314 {
namespace {

bool BeginsIgnoringCase(const std::string& text, const std::string& prefix) {
  return prefix.size() <= text.size() &&
         std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
           return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
         });
}

}  // namespace

std::string RowsPhrase(const std::vector<int>& rows) {
  if (rows.empty()) return {};
  const auto number = [](int row) { return std::to_string(row); };
  if (rows.size() == 1) return WithArgs(msg::kOneRow, {number(rows.front())});
  if (rows.back() - rows.front() + 1 == static_cast<int>(rows.size()))
    return WithArgs(msg::kRowRange, {number(rows.front()), number(rows.back())});
  std::string first;
  for (std::size_t i = 0; i + 1 < rows.size(); ++i) first += (i == 0 ? "" : ", ") + number(rows[i]);
  return WithArgs(msg::kRowList, {first, number(rows.back())});
}

std::string CellStepName(int column, int row) {
  return WithArgs(msg::kCellStep, {GridHeaders().at(column), std::to_string(row)});
}

std::string RowsStepName(RowsStep step, const std::vector<int>& rows) {
  const char* pattern = step == RowsStep::kPaste ? msg::kPasteStep : step == RowsStep::kCut ? msg::kCutStep
                                                                                             : msg::kDeleteStep;
  return WithArgs(pattern, {RowsPhrase(rows)});
}

std::string SettingStepName(std::string_view key) {
  const SettingField* field = FindSettingField(key);
  return field ? std::string(field->formLabel) : std::string(key);
}

std::string CellEditRefusal(const ChannelTable& table, int row, int column) {
  if (column == ChannelTable::kColChannel || !table.text(row, ChannelTable::kColChannel).empty()) return {};
  return WithArgs(msg::kChooseChannelFirst, {std::to_string(row)});
}

const TextList* ColumnItems(int column) {
  switch (column) {
    case ChannelTable::kColChannel: return &ChannelEditorItems();
    case ChannelTable::kColTones: return &ToneEditorItems();
    case ChannelTable::kColBclo: return &BcloEditorItems();
    case ChannelTable::kColScan: return &ScanEditorItems();
    default: return nullptr;
  }
}

CellList CellListFor(int column, const std::string& cellText) {
  CellList list;
  const TextList* items = ColumnItems(column);
  if (!items) return list;
  list.items.assign(items->begin(), items->end());
  const int preload = PreloadIndex(*items, cellText);
  if (BeginsIgnoringCase(items->at(preload), cellText)) {
    list.loaded = preload;
  } else {
    list.items.insert(list.items.begin(), cellText);
    list.ownText = true;
  }
  return list;
}

TypedChoice TypeOnList(int column, const std::string& typed, const std::string& character) {
  const TextList* items = ColumnItems(column);
  if (!items) return {typed, -1};
  for (const std::string& candidate : {typed + character, character}) {
    if (const int item = TypedItemIndex(*items, column, candidate); item >= 0) return {candidate, item};
  }
  return {typed, -1};
}

TypedChoice TakeBackTyped(int column, const std::string& typed) {
  const TextList* items = ColumnItems(column);
  if (!items || typed.empty()) return {typed, -1};
  std::string rest = typed;
  rest.pop_back();
  return {rest, TypedItemIndex(*items, column, rest)};
}

}  // namespace qm314
