// What a page needs to edit a document as the form does: the items of the
// grid's pick lists and of the settings boxes, what a cell's text stands for,
// and the printed report's lines.  The texts are the core's; the page shows
// them as they come.  Each function returns {value} or {error}, as
// document_bindings.cpp's do.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <string>

#include "radio/cell_meanings.h"
#include "radio/code_tables.h"
#include "radio/document_json.h"
#include "radio/report.h"
#include "radio/settings_fields.h"
#include "web/document_view.h"

namespace qm314::web {
namespace {

using emscripten::val;

val Items(const TextList& list) {
  val items = val::array();
  for (const std::string& item : list) items.call<void>("push", item);
  return items;
}

const TextList& ColumnItems(int column) {
  switch (column) {
    case ChannelTable::kColChannel: return ChannelEditorItems();
    case ChannelTable::kColTones: return ToneEditorItems();
    case ChannelTable::kColBclo: return BcloEditorItems();
    default: return ScanEditorItems();
  }
}

// {columns: [{key, header, items}] for Channel, Tones, BCLO and Scan,
//  settings: {key: {label, items, editable}} in the report's order}.
val PickLists() {
  val columns = val::array();
  for (int column = ChannelTable::kColChannel; column < ChannelTable::kCols; ++column) {
    val entry = val::object();
    entry.set("key", std::string(DocumentCellKey(column)));
    entry.set("header", GridHeaders().at(column));
    entry.set("items", Items(ColumnItems(column)));
    columns.call<void>("push", entry);
  }
  val settings = val::object();
  for (const SettingField& field : SettingFields()) {
    val entry = val::object();
    entry.set("label", std::string(field.label));
    entry.set("formLabel", std::string(field.formLabel));
    entry.set("items", field.isBox() ? Items(*field.items) : Items(TextList{std::string(kPowerText)}));
    entry.set("editable", field.userEditable);
    settings.set(std::string(field.key), entry);
  }
  val lists = val::object();
  lists.set("columns", columns);
  lists.set("settings", settings);
  return Value(lists);
}

val Meaning(const std::string& key, const std::string& text) {
  for (int column = ChannelTable::kColChannel; column < ChannelTable::kCols; ++column) {
    if (DocumentCellKey(column) == key) return Value(val(CellMeaning(column, text)));
  }
  return Refusal("there is no column \"" + key + "\"");
}

val Report(const val& bytes, const std::string& name) {
  Document document;
  std::string refusal;
  if (!Open(bytes, name, document, refusal)) return Refusal(refusal);
  return Value(val(RenderReportText(BuildReport(document.grid, document.panel))));
}

}  // namespace

EMSCRIPTEN_BINDINGS(qm314_editor) {
  emscripten::function("corePickLists", &PickLists);
  emscripten::function("coreCellMeaning", &Meaning);
  emscripten::function("coreReport", &Report);
}

}  // namespace qm314::web
