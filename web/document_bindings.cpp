// What the module does with a document: the bytes of a channel data file in
// and out, the document as qm314-cli's JSON, and the channel rows as CSV, each
// by the same core calls as the command line, so the texts are the same.
//
// Every function returns {value} or {error}; js/api.js hands the value on or
// throws the error's text, so C++ never throws across the boundary.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <string>
#include <vector>

#include "radio/channel_exchange.h"
#include "radio/codec.h"
#include "radio/default_image.h"
#include "radio/document_json.h"
#include "radio/image.h"
#include "radio/messages.h"

namespace qm314::web {
namespace {

using emscripten::val;

val Value(const val& value) {
  val result = val::object();
  result.set("value", value);
  return result;
}

val Refusal(const std::string& text) {
  val result = val::object();
  result.set("error", text);
  return result;
}

val BytesOf(const RadioImage& image) {
  // A copy: a view into the module's memory would change under the caller.
  return val::global("Uint8Array").new_(emscripten::typed_memory_view(layout::kImageSize, image.data()));
}

// The form's texts of an image, as opening it shows them.
struct Document {
  RadioImage image;
  ChannelTable grid;
  PanelSelections panel;
};

void DecodeDocument(Document& document) {
  Decode(document.image, document.grid, document.panel);
  WriteGridLabels(document.grid);
}

// A file's bytes opened as the program opens a file: shorter than an image is
// refused with the file's name; of a longer one the first 1024 bytes count.
bool Open(const val& bytes, const std::string& name, Document& document, std::string& refusal) {
  const std::vector<std::uint8_t> data = emscripten::convertJSArrayToNumberVector<std::uint8_t>(bytes);
  if (data.size() < layout::kImageSize) {
    refusal = messages::FileTooShort(name, data.size());
    return false;
  }
  std::copy_n(data.begin(), layout::kImageSize, document.image.data());
  DecodeDocument(document);
  return true;
}

// What Save writes: the grid and the settings encoded into the image.
val Saved(Document& document) {
  Encode(document.grid, document.panel, document.image);
  return BytesOf(document.image);
}

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
