// Opening, decoding and saving for the bindings, by the core's own calls.
#include "web/document_view.h"

#include <algorithm>
#include <vector>

#include "radio/messages.h"

namespace qm314::web {

using emscripten::val;

void DecodeDocument(Document& document) {
  Decode(document.image, document.grid, document.panel);
  WriteGridLabels(document.grid);
}

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

val Saved(Document& document) {
  Encode(document.grid, document.panel, document.image);
  return BytesOf(document.image);
}

val BytesOf(const RadioImage& image) {
  // A copy: a view into the module's memory would change under the caller.
  return val::global("Uint8Array").new_(emscripten::typed_memory_view(layout::kImageSize, image.data()));
}

val Value(const val& value) {
  val answer = val::object();
  answer.set("value", value);
  return answer;
}

val Refusal(const std::string& text) {
  val answer = val::object();
  answer.set("error", text);
  return answer;
}

}  // namespace qm314::web
