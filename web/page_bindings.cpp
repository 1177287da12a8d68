// What the browser page needs beyond the document functions: every text it
// shows, and the form's editing as the desktop form does it (which pick list a
// cell opens and with what, what typing picks, what a choice does to its row,
// rows on the clipboard, an import, and the name of each undo step).  The form
// travels as the document's JSON (the `form` of qm314-cli show --json); each
// edit gives back the form after it and its step's name, or nothing when no
// text changed.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "editor/cell_rules.h"
#include "editor/edit_steps.h"
#include "editor/messages.h"
#include "editor/shell_texts.h"
#include "link/messages.h"
#include "desktop/link/transfer_template.h"
#include "radio/cell_meanings.h"
#include "radio/channel_exchange.h"
#include "radio/document_json.h"
#include "radio/document_texts.h"
#include "radio/image_file.h"
#include "radio/messages.h"
#include "radio/report.h"
#include "radio/row_clipboard.h"
#include "radio/settings_fields.h"
#include "radio/text_args.h"
#include "radio/version.h"
#include "web/document_view.h"
#include "web/page_messages.h"

namespace qm314::web {
namespace {

using emscripten::val;

struct Form {
  ChannelTable grid;
  PanelSelections panel;
};

bool ReadForm(const std::string& json, Form& form, std::string& refusal) {
  WriteGridLabels(form.grid);
  if (auto refused = ApplyDocumentJson(json, form.grid, form.panel)) {
    refusal = *refused;
    return false;
  }
  return true;
}

val FormValue(const Form& form) {
  return val::global("JSON").call<val>("parse", DocumentJson(form.grid, form.panel));
}

// The form after a step and the step's name; a form of null when nothing changed.
val Step(const Form& before, const Form& after, const std::string& name) {
  val step = val::object();
  const bool changed = !(before.grid == after.grid) || !(before.panel == after.panel);
  step.set("form", changed ? FormValue(after) : val::null());
  step.set("step", name);
  return step;
}

// The grid column of a cell key ("channel", "tones", "bclo", "scan"), or 0.
int ColumnOf(const std::string& key) {
  for (int column = ChannelTable::kColChannel; column < ChannelTable::kCols; ++column) {
    if (DocumentCellKey(column) == key) return column;
  }
  return 0;
}

bool IsRow(int row) { return row >= 1 && row < ChannelTable::kRows; }

std::string NoSuchCell(const std::string& key, int row) {
  return "there is no cell \"" + key + "\" in row " + std::to_string(row);
}

val Texts(const std::vector<std::string>& texts) {
  val list = val::array();
  for (const std::string& text : texts) list.call<void>("push", text);
  return list;
}

void Put(val& object, const char* key, const std::string& text) { object.set(key, text); }

val Command(const qm314::msg::CommandText& text) {
  val command = val::object();
  command.set("item", std::string(text.item));
  command.set("prompt", std::string(text.prompt));
  return command;
}

val AllTexts() {
  namespace m = qm314::msg;
  val texts = val::object();
  Put(texts, "frameCaption", m::kFrameCaption);
  Put(texts, "documentTitle", m::kDocumentTitle);
  Put(texts, "ready", m::kReady);
  Put(texts, "boxCaption", m::kBoxCaption);
  Put(texts, "newDocumentName", m::kNewDocumentName);
  Put(texts, "fileFilter", m::kFileFilter);
  Put(texts, "fileExtension", m::kFileExtension);
  Put(texts, "gridCsvFilter", m::kGridCsvFilter);
  Put(texts, "radioCsvFilter", m::kRadioCsvFilter);
  Put(texts, "csvExtension", m::kCsvExtension);
  Put(texts, "saveChanges", m::kSaveChanges);
  Put(texts, "openAnyway", m::kOpenAnyway);
  Put(texts, "pleaseInputNumber", m::kPleaseInputNumber);
  Put(texts, "helpCaption", m::kHelpCaption);
  Put(texts, "aboutCaption", m::kAboutCaption);
  Put(texts, "aboutLine", m::kAboutLine);
  Put(texts, "aboutDetails", WithArgs(m::kAboutDetails, {kVersion}));
  Put(texts, "version", kVersion);

  val menus = val::object();
  Put(menus, "file", m::kFileMenu);
  Put(menus, "edit", m::kEditMenu);
  Put(menus, "program", m::kProgramMenu);
  Put(menus, "port", m::kPortMenu);
  Put(menus, "help", m::kHelpMenu);
  texts.set("menus", menus);

  val commands = val::object();
  const struct {
    const char* key;
    const qm314::msg::CommandText& text;
  } items[] = {
      {"new", m::kFileNewText},
      {"open", m::kFileOpenText},
      {"save", m::kFileSaveText},
      {"saveAs", m::kFileSaveAsText},
      {"importChannels", m::kFileImportChannelsText},
      {"exportChannels", m::kFileExportChannelsText},
      {"print", m::kFilePrintText},
      {"undo", m::kEditUndoText},
      {"redo", m::kEditRedoText},
      {"cut", m::kEditCutText},
      {"copy", m::kEditCopyText},
      {"paste", m::kEditPasteText},
      {"delete", m::kEditClearText},
      {"selectAll", m::kEditSelectAllText},
      {"read", m::kProgramReadText},
      {"write", m::kProgramWriteText},
      {"verify", m::kProgramVerifyText},
      {"chooseCable", msg::kChooseCableText},
      {"help", m::kHelpFinderText},
      {"about", m::kAppAboutText},
  };
  for (const auto& item : items) commands.set(item.key, Command(item.text));
  texts.set("commands", commands);

  val form = val::object();
  Put(form, "typeSetting", m::kTypeSettingGroup);
  Put(form, "functionSetting", m::kFunctionSettingGroup);
  Put(form, "channelLabel", m::kChannelGridLabel);
  val labels = val::object();
  for (const SettingField& field : SettingFields()) Put(labels, std::string(field.key).c_str(), std::string(field.formLabel));
  form.set("labels", labels);
  form.set("headers", Texts({GridHeaders().begin(), GridHeaders().end()}));
  texts.set("form", form);

  val hints = val::object();
  Put(hints, "comboBox", m::kHintComboBox);
  Put(hints, "grid", m::kHintGrid);
  Put(hints, "elsewhere", m::kHintElsewhere);
  texts.set("hints", hints);

  val transfer = val::object();
  Put(transfer, "reading", m::kReadingCaption);
  Put(transfer, "writing", m::kWritingCaption);
  Put(transfer, "start", m::kStartButton);
  Put(transfer, "cancel", m::kCancelButton);
  Put(transfer, "progress", m::kProgressLabel);
  Put(transfer, "notStartYet", m::kNotStartYet);
  transfer.set("steps", transfer_template::kProgressMax);
  texts.set("transfer", transfer);

  val buttons = val::object();
  Put(buttons, "ok", m::kOkButton);
  Put(buttons, "cancel", m::kCancelButton);
  Put(buttons, "retry", m::kRetryButton);
  Put(buttons, "yes", m::kYesButton);
  Put(buttons, "no", m::kNoButton);
  Put(buttons, "showDetails", m::kShowDetailsButton);
  Put(buttons, "hideDetails", m::kHideDetailsButton);
  texts.set("buttons", buttons);

  val page = val::object();
  Put(page, "shortName", msg::kShortName);
  Put(page, "description", msg::kDescription);
  Put(page, "noWebSerial", msg::kNoWebSerial);
  Put(page, "notSecureContext", msg::kNotSecureContext);
  Put(page, "cablePrompt", msg::kCablePrompt);
  Put(page, "exportFormQuestion", msg::kExportFormQuestion);
  Put(page, "notAFileDrop", msg::kNotAFileDrop);
  texts.set("page", page);
  return Value(texts);
}

// A cable's item in the Port menu: the adapter's maker where the vendor
// number tells it, as the programming cables' bridge chips go.
val CableName(int place, int vendor, int product) {
  if (vendor < 0) return Value(val(WithArgs(msg::kOtherCable, {std::to_string(place)})));
  const char* kind = vendor == 0x0403   ? "FTDI"
                     : vendor == 0x067B ? "Prolific"
                     : vendor == 0x10C4 ? "Silicon Labs"
                     : vendor == 0x1A86 ? "WCH"
                                        : "USB serial";
  const auto hex = [](int number) {
    constexpr char kDigits[] = "0123456789abcdef";
    std::string out(4, '0');
    for (int i = 3; i >= 0; --i, number >>= 4) out[static_cast<std::size_t>(i)] = kDigits[number & 0xF];
    return out;
  };
  return Value(val(WithArgs(msg::kUsbCable, {std::to_string(place), kind, hex(vendor), hex(product)})));
}

val FormatText(const std::string& pattern, const val& args) {
  const std::vector<std::string> given = emscripten::vecFromJSArray<std::string>(args);
  return Value(val(WithArgs(pattern, std::vector<std::string_view>(given.begin(), given.end()))));
}

// The file messages, for the files the browser reads and writes.
val CannotOpenText(const std::string& name, const std::string& reason) {
  return Value(val(messages::CannotOpenFile(name, reason)));
}
val CannotSaveText(const std::string& name, const std::string& reason) {
  return Value(val(messages::CannotSaveFile(name, reason)));
}
val TextFileTooLargeText() { return Value(val(messages::TextFileTooLarge(kMaxTextFileSize))); }

val OpenDocument(const val& bytes, const std::string& name) {
  Document document;
  std::string refusal;
  if (!Open(bytes, name, document, refusal)) return Refusal(refusal);
  val opened = val::object();
  opened.set("form", FormValue({document.grid, document.panel}));
  opened.set("channelData", qm314::LooksLikeChannelData(document.image));
  return Value(opened);
}

val CellList(const std::string& key, const std::string& cellText) {
  const int column = ColumnOf(key);
  if (column == 0) return Refusal(NoSuchCell(key, 0));
  const qm314::CellList list = CellListFor(column, cellText);
  std::vector<std::string> lines;
  for (const std::string& item : list.items) {
    const std::string line = ListLine(column, item);
    lines.push_back(line.empty() ? item : line);
  }
  val answer = val::object();
  answer.set("items", Texts(list.items));
  answer.set("lines", Texts(lines));
  answer.set("loaded", list.loaded);
  answer.set("ownText", list.ownText);
  return Value(answer);
}

val Typed(const TypedChoice& choice) {
  val answer = val::object();
  answer.set("typed", choice.typed);
  answer.set("item", choice.item);
  return Value(answer);
}

val TypeOn(const std::string& key, const std::string& typed, const std::string& character) {
  return Typed(TypeOnList(ColumnOf(key), typed, character));
}

val TakeBack(const std::string& key, const std::string& typed) { return Typed(TakeBackTyped(ColumnOf(key), typed)); }

val KeyMessage(const std::string& key, int character) {
  return Value(val(std::string(KeyNeedsNumberMessage(ColumnOf(key), character) ? qm314::msg::kPleaseInputNumber : "")));
}

val Tooltip(const std::string& key, const std::string& text) {
  const int column = ColumnOf(key);
  return Value(val(column == 0 ? std::string() : CellTooltip(column, text)));
}

val CellRefusal(const std::string& json, int row, const std::string& key) {
  Form form;
  std::string refusal;
  if (!ReadForm(json, form, refusal)) return Refusal(refusal);
  const int column = ColumnOf(key);
  if (column == 0 || !IsRow(row)) return Refusal(NoSuchCell(key, row));
  return Value(val(CellEditRefusal(form.grid, row, column)));
}

val CommitCell(const std::string& json, int row, const std::string& key, const std::string& choice) {
  Form form;
  std::string refusal;
  if (!ReadForm(json, form, refusal)) return Refusal(refusal);
  const int column = ColumnOf(key);
  if (column == 0 || !IsRow(row)) return Refusal(NoSuchCell(key, row));
  Form after = form;
  CommitChoice(after.grid, row, column, choice);
  return Value(Step(form, after, CellStepName(column, row)));
}

// Delete on a cell: the Channel's empty item clears the row, Tones' "Off"
// takes the tone away; the other columns have nothing to clear.
val ClearCell(const std::string& json, int row, const std::string& key) {
  const int column = ColumnOf(key);
  if (column != ChannelTable::kColChannel && column != ChannelTable::kColTones) {
    val nothing = val::object();
    nothing.set("form", val::null());
    nothing.set("step", std::string());
    return Value(nothing);
  }
  return CommitCell(json, row, key, ColumnItems(column)->at(0));
}

val SetSetting(const std::string& json, const std::string& key, const std::string& text) {
  Form form;
  std::string refusal;
  if (!ReadForm(json, form, refusal)) return Refusal(refusal);
  const SettingField* field = FindSettingField(key);
  if (!field || !field->userEditable) return Refusal("there is no settings box \"" + key + "\" to choose in");
  const int index = field->items->find(text);
  if (index < 0) return Refusal("\"" + text + "\" is no item of " + std::string(field->formLabel));
  Form after = form;
  after.panel.*field->selection = index;
  return Value(Step(form, after, SettingStepName(key)));
}

std::vector<int> RowsOf(const val& rows) {
  std::vector<int> list;
  for (const int row : emscripten::vecFromJSArray<int>(rows)) {
    if (IsRow(row)) list.push_back(row);
  }
  std::sort(list.begin(), list.end());
  list.erase(std::unique(list.begin(), list.end()), list.end());
  return list;
}

val CopyRows(const std::string& json, const val& rows) {
  Form form;
  std::string refusal;
  if (!ReadForm(json, form, refusal)) return Refusal(refusal);
  return Value(val(RowsAsClipboardText(form.grid, RowsOf(rows))));
}

val EmptyRows(const std::string& json, const val& rows, const std::string& kind) {
  Form form;
  std::string refusal;
  if (!ReadForm(json, form, refusal)) return Refusal(refusal);
  const std::vector<int> list = RowsOf(rows);
  Form after = form;
  for (const int row : list) {
    for (int column = ChannelTable::kColChannel; column < ChannelTable::kCols; ++column) after.grid.setText(row, column, {});
  }
  return Value(Step(form, after, RowsStepName(kind == "cut" ? RowsStep::kCut : RowsStep::kDelete, list)));
}

val PasteRowsInto(const std::string& json, const std::string& text, int firstRow) {
  Form form;
  std::string refusal;
  if (!ReadForm(json, form, refusal)) return Refusal(refusal);
  if (!IsRow(firstRow)) return Refusal(NoSuchCell("channel", firstRow));
  const RowsPaste paste = PasteRows(text, form.grid, firstRow);
  if (!paste.result) {
    return Refusal(WithArgs(qm314::msg::kImportRefused,
                            {RefusalText(qm314::msg::kClipboardSource, *paste.result.refusal)}));
  }
  std::vector<int> pasted;
  for (int row = firstRow; row <= paste.lastRow; ++row) pasted.push_back(row);
  Form after = form;
  after.grid = paste.result.table;
  val answer = Step(form, after, RowsStepName(RowsStep::kPaste, pasted));
  val rows = val::array();
  for (const int row : pasted) rows.call<void>("push", row);
  answer.set("rows", rows);
  return Value(answer);
}

val ImportChannels(const std::string& json, const std::string& csv, const std::string& csvName) {
  Form form;
  std::string refusal;
  if (!ReadForm(json, form, refusal)) return Refusal(refusal);
  const ChannelImport imported = ImportChannelCsv(csv, form.grid);
  if (!imported) return Refusal(WithArgs(qm314::msg::kImportRefused, {RefusalText(csvName, *imported.refusal)}));
  Form after = form;
  after.grid = imported.table;
  return Value(Step(form, after, qm314::msg::kImportStep));
}

val ExportForm(const std::string& json, const std::string& format) {
  const std::optional<ChannelCsvForm> csvForm = ChannelCsvFormNamed(format);
  if (!csvForm) return Refusal(messages::UnknownFormat(format));
  Form form;
  std::string refusal;
  if (!ReadForm(json, form, refusal)) return Refusal(refusal);
  return Value(val(ExportChannelCsv(form.grid, *csvForm)));
}

// The printed report's lines, each cell with its place across the page in
// report units (a 60th of the printable width, less 900 twips); a title's x
// is its lead left of the middle.
val ReportLines(const std::string& json) {
  Form form;
  std::string refusal;
  if (!ReadForm(json, form, refusal)) return Refusal(refusal);
  val lines = val::array();
  for (const ReportLine& line : BuildReport(form.grid, form.panel)) {
    val entry = val::object();
    const char* kind = line.kind == ReportLineKind::kTitle     ? "title"
                       : line.kind == ReportLineKind::kHeading ? "heading"
                       : line.kind == ReportLineKind::kSetting ? "setting"
                                                                : "table";
    entry.set("kind", std::string(kind));
    val cells = val::array();
    for (const ReportCell& cell : line.cells) {
      val item = val::object();
      item.set("x", line.kind == ReportLineKind::kTitle ? -report_layout::kTitleLeadUnits
                                                        : ReportCellX(line.kind, cell.column));
      item.set("text", cell.text);
      cells.call<void>("push", item);
    }
    entry.set("cells", cells);
    lines.call<void>("push", entry);
  }
  return Value(lines);
}

}  // namespace

EMSCRIPTEN_BINDINGS(qm314_page) {
  emscripten::function("coreTexts", &AllTexts);
  emscripten::function("coreCableName", &CableName);
  emscripten::function("coreFormatText", &FormatText);
  emscripten::function("coreCannotOpenText", &CannotOpenText);
  emscripten::function("coreCannotSaveText", &CannotSaveText);
  emscripten::function("coreTextFileTooLargeText", &TextFileTooLargeText);
  emscripten::function("coreOpenDocument", &OpenDocument);
  emscripten::function("coreCellList", &CellList);
  emscripten::function("coreTypeOnList", &TypeOn);
  emscripten::function("coreTakeBackTyped", &TakeBack);
  emscripten::function("coreKeyMessage", &KeyMessage);
  emscripten::function("coreTooltip", &Tooltip);
  emscripten::function("coreCellRefusal", &CellRefusal);
  emscripten::function("coreCommitCell", &CommitCell);
  emscripten::function("coreClearCell", &ClearCell);
  emscripten::function("coreSetSetting", &SetSetting);
  emscripten::function("coreCopyRows", &CopyRows);
  emscripten::function("coreEmptyRows", &EmptyRows);
  emscripten::function("corePasteRows", &PasteRowsInto);
  emscripten::function("coreImportChannels", &ImportChannels);
  emscripten::function("coreExportForm", &ExportForm);
  emscripten::function("coreReportLines", &ReportLines);
}

}  // namespace qm314::web
