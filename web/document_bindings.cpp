// What the module does with a document: the bytes of a channel data file in
// and out, the document as qm314-cli's JSON, and the channel rows as CSV, each
// by the same core calls as the command line, so the texts are the same.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <string>

#include "radio/channel_exchange.h"
#include "radio/default_image.h"
#include "radio/document_json.h"
#include "radio/messages.h"
#include "web/document_view.h"

namespace qm314::web {
namespace {

using emscripten::val;

val NewImage() {
  Document document;
  WriteDefaultImage(document.image);
  DecodeDocument(document);
  return Value(Saved(document));
}

val Show(const val& bytes, const std::string& name) {
  Document document;
  std::string refusal;
  if (!Open(bytes, name, document, refusal)) return Refusal(refusal);
  return Value(val(DocumentJson(document.grid, document.panel)));
}

val EncodeDocument(const val& bytes, const std::string& json, const std::string& name) {
  Document document;
  std::string refusal;
  if (!Open(bytes, name, document, refusal)) return Refusal(refusal);
  if (auto refused = ApplyDocumentJson(json, document.grid, document.panel)) return Refusal(*refused);
  return Value(Saved(document));
}

val LooksLikeChannelData(const val& bytes, const std::string& name) {
  Document document;
  std::string refusal;
  if (!Open(bytes, name, document, refusal)) return Refusal(refusal);
  return Value(val(qm314::LooksLikeChannelData(document.image)));
}

val NotChannelData(const std::string& name) { return Value(val(messages::NotChannelData(name))); }

val ExportCsv(const val& bytes, const std::string& format, const std::string& name) {
  const std::optional<ChannelCsvForm> form = ChannelCsvFormNamed(format);
  if (!form) return Refusal(messages::UnknownFormat(format));
  Document document;
  std::string refusal;
  if (!Open(bytes, name, document, refusal)) return Refusal(refusal);
  return Value(val(ExportChannelCsv(document.grid, *form)));
}

val ImportCsv(const val& bytes, const std::string& csv, const std::string& source, const std::string& name) {
  Document document;
  std::string refusal;
  if (!Open(bytes, name, document, refusal)) return Refusal(refusal);
  const ChannelImport imported = ImportChannelCsv(csv, document.grid);
  if (!imported) return Refusal(messages::ImportRefused(RefusalText(source, *imported.refusal)));
  document.grid = imported.table;
  return Value(Saved(document));
}

}  // namespace

EMSCRIPTEN_BINDINGS(qm314_document) {
  emscripten::function("coreNewImage", &NewImage);
  emscripten::function("coreShow", &Show);
  emscripten::function("coreEncode", &EncodeDocument);
  emscripten::function("coreLooksLikeChannelData", &LooksLikeChannelData);
  emscripten::function("coreNotChannelData", &NotChannelData);
  emscripten::function("coreExportCsv", &ExportCsv);
  emscripten::function("coreImportCsv", &ImportCsv);
}

}  // namespace qm314::web
